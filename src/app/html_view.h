#pragma once
// One HTML view of the window: pages are written into it whole, and every link
// the user follows is reported with the link's exact target text.

#include <QString>
#include <QTextBrowser>

#include <optional>

class HtmlView : public QTextBrowser {
    Q_OBJECT

public:
    explicit HtmlView(QWidget* parent = nullptr);

    // Gives the view an empty document and reports the address "about:blank"
    // through navigate_complete, as a start-up navigation does.
    void navigate_blank();

    // Replaces the whole document by `html`. Works while the view is hidden;
    // picture paths in it must be absolute. A scroll still waiting for the
    // view to show is dropped.
    void write_page(const QString& html);

    // The text last written (empty after navigate_blank), exactly as written.
    const QString& page_text() const { return page_text_; }

    // Scrolls so that the anchor `name` is at the top of the view (as far as
    // the document reaches). While the view is hidden, the scroll waits until
    // it is shown. An unknown name shows the page from its top.
    void scroll_to_anchor(const QString& name);

    // The name of the first anchor at or below the top of the visible area,
    // or nullopt when there is none.
    std::optional<QString> top_anchor() const;

Q_SIGNALS:
    // A navigation has completed: the user followed a link to `address` (the
    // href exactly as the page holds it, "|" included), or navigate_blank ran.
    void navigate_complete(const QString& address);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void report_link(const QUrl& url);

    QString page_text_;
    QString pending_anchor_;
};
