#include "html_view.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

HtmlView::HtmlView(QWidget* parent)
    : QTextBrowser(parent)
{
    // Links carry commands, not addresses: the view never follows them itself.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HtmlView::report_link);
}

void HtmlView::navigate_blank()
{
    write_page(QString());
    Q_EMIT navigate_complete(QStringLiteral("about:blank"));
}

void HtmlView::write_page(const QString& html)
{
    pending_anchor_.clear();
    page_text_ = html;
    setHtml(html);
}

void HtmlView::scroll_to_anchor(const QString& name)
{
    // QTextEdit would remember a hidden view's anchor across the next page
    // too; keeping it here lets write_page drop it.
    if (!isVisible()) {
        pending_anchor_ = name;
        return;
    }
    scrollToAnchor(name);
}

void HtmlView::showEvent(QShowEvent* event)
{
    QTextBrowser::showEvent(event);
    if (!pending_anchor_.isEmpty()) {
        const QString name = pending_anchor_;
        pending_anchor_.clear();
        scrollToAnchor(name);
    }
}

std::optional<QString> HtmlView::top_anchor() const
{
    QTextCursor cursor(document());
    const auto anchor_at_or_below_top = [&](const QTextCharFormat& format, int position)
        -> std::optional<QString> {
        if (!format.isAnchor() || format.anchorNames().isEmpty())
            return std::nullopt;
        cursor.setPosition(position);
        // cursorRect is in viewport coordinates: 0 is the top of the visible area.
        if (cursorRect(cursor).top() < 0)
            return std::nullopt;
        return format.anchorNames().constFirst();
    };

    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (auto name = anchor_at_or_below_top(block.charFormat(), block.position()))
            return name;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (auto name = anchor_at_or_below_top(fragment.charFormat(), fragment.position()))
                return name;
        }
    }
    return std::nullopt;
}

void HtmlView::report_link(const QUrl& url)
{
    // QUrl keeps "|" percent-encoded; the handler needs the target as written.
    Q_EMIT navigate_complete(QUrl::fromPercentEncoding(url.toEncoded()));
}
