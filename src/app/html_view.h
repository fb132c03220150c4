// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One HTML view of the window: pages are written into it whole, and every link
// the user follows is reported with the link's exact target text.

#include <QString>
#include <QTextBrowser>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QMenu;

class HtmlView : public QTextBrowser {
    Q_OBJECT

public:
    explicit HtmlView(QWidget* parent = nullptr);

    // Gives the view an empty document and reports the address "about:blank"
    // through navigate_complete, as a start-up navigation does.
    void navigate_blank();

    // Replaces the whole document by `html`, written at the view's zoom and
    // in its colour set. Works while the view is hidden; picture paths in it
    // must be absolute. A scroll still waiting for the view to show is dropped.
    void write_page(const QString& html);

    // The zoom in percent and the colour set (dark or not) of the pages
    // written; a change rewrites the page shown, keeping the place read.
    void set_presentation(int zoom, bool dark);

    // The text last written into the document (empty after navigate_blank),
    // exactly as written: zoomed and darkened.
    const QString& page_text() const { return page_text_; }
    // The page as its builder made it, at 100 % and in its own colours.
    const QString& built_page() const { return built_page_; }

    // Scrolls so that the anchor `name` is at the top of the view (as far as
    // the document reaches). While the view is hidden, the scroll waits until
    // it is shown. An unknown name shows the page from its top.
    void scroll_to_anchor(const QString& name);

    // The name of the first anchor at or below the top of the visible area,
    // or nullopt when there is none.
    std::optional<QString> top_anchor() const;

    // Every anchor of the document with its position, in document order.
    std::vector<std::pair<int, QString>> anchors() const;

    // The source of what a copy takes from `start` to `end` (document
    // positions), added to the copied text; empty text adds nothing.
    using Reference = std::function<QString(int start, int end)>;
    void set_reference(Reference reference);
    // Puts the text from `start` to `end` with its source on the clipboard.
    void copy_range(int start, int end);

    // Adds entries of its own to the context menu at document position `position`.
    using MenuEntries = std::function<void(QMenu& menu, int position)>;
    void set_menu_entries(MenuEntries entries);

Q_SIGNALS:
    // A navigation has completed: the user followed a link to `address` (the
    // href exactly as the page holds it, "|" included), or navigate_blank ran.
    void navigate_complete(const QString& address);
    // Ctrl+wheel: the reader asks for `steps` zoom levels more (fewer when negative).
    void zoom_requested(int steps);

protected:
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    void report_link(const QUrl& url);
    void present();
    QMimeData* mime_data(const QTextCursor& selection) const;

    QString built_page_;
    QString page_text_;
    QString pending_anchor_;
    int zoom_ = 100;
    bool dark_ = false;
    int wheel_angle_ = 0;  // of the wheel turns not yet a whole step
    Reference reference_;
    MenuEntries menu_entries_;
};
