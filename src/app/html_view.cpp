// SPDX-License-Identifier: GPL-2.0-or-later
#include "html_view.h"

#include "copy_text.h"
#include "dark_page.h"
#include "page_zoom.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>
#include <QUrl>
#include <QWheelEvent>

#include <memory>

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
    built_page_ = html;
    present();
}

void HtmlView::present()
{
    // An empty document stays empty: the view's own colours show.
    page_text_ = built_page_.isEmpty() ? QString() : zoom_page(dark_ ? dark_page(built_page_) : built_page_, zoom_);
    setHtml(page_text_);
}

void HtmlView::set_presentation(int zoom, bool dark)
{
    if (zoom == zoom_ && dark == dark_)
        return;
    zoom_ = zoom;
    dark_ = dark;
    // The reader stays where they were: at the same verse, or as far down
    // the page, which is all a page without anchors offers.
    const std::optional<QString> anchor = isVisible() ? top_anchor() : std::nullopt;
    const QScrollBar* bar = verticalScrollBar();
    const double fraction = bar->maximum() > 0 ? double(bar->value()) / bar->maximum() : 0;
    present();
    if (anchor)
        scrollToAnchor(*anchor);
    else
        verticalScrollBar()->setValue(int(fraction * verticalScrollBar()->maximum()));
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

void HtmlView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QTextBrowser::wheelEvent(event);
        return;
    }
    // The page is rewritten at the new zoom, rather than the view scaling
    // its fonts, so that both views and every page keep one zoom.
    constexpr int notch = 120;
    wheel_angle_ += event->angleDelta().y();
    const int steps = wheel_angle_ / notch;
    wheel_angle_ -= steps * notch;
    if (steps != 0)
        Q_EMIT zoom_requested(steps);
    event->accept();
}

std::vector<std::pair<int, QString>> HtmlView::anchors() const
{
    std::vector<std::pair<int, QString>> found;
    const auto add = [&](const QTextCharFormat& format, int position) {
        if (format.isAnchor())
            for (const QString& name : format.anchorNames())
                found.emplace_back(position, name);
    };
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        add(block.charFormat(), block.position());
        for (auto it = block.begin(); !it.atEnd(); ++it)
            add(it.fragment().charFormat(), it.fragment().position());
    }
    return found;
}

std::optional<QString> HtmlView::top_anchor() const
{
    QTextCursor cursor(document());
    for (const auto& [position, name] : anchors()) {
        cursor.setPosition(position);
        // cursorRect is in viewport coordinates: 0 is the top of the visible area.
        if (cursorRect(cursor).top() >= 0)
            return name;
    }
    return std::nullopt;
}

void HtmlView::set_reference(Reference reference)
{
    reference_ = std::move(reference);
}

void HtmlView::set_menu_entries(MenuEntries entries)
{
    menu_entries_ = std::move(entries);
}

QMimeData* HtmlView::mime_data(const QTextCursor& selection) const
{
    auto* data = new QMimeData;
    const QString reference =
        reference_ ? reference_(selection.selectionStart(), selection.selectionEnd()) : QString();
    data->setText(with_reference(clean_selection_text(selection.selectedText()), reference));
    data->setHtml(with_reference_html(QTextDocumentFragment(selection).toHtml(), reference));
    return data;
}

QMimeData* HtmlView::createMimeDataFromSelection() const
{
    return mime_data(textCursor());
}

void HtmlView::copy_range(int start, int end)
{
    QTextCursor selection(document());
    selection.setPosition(start);
    selection.setPosition(end, QTextCursor::KeepAnchor);
    QGuiApplication::clipboard()->setMimeData(mime_data(selection));
}

void HtmlView::contextMenuEvent(QContextMenuEvent* event)
{
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    if (menu_entries_)
        menu_entries_(*menu, cursorForPosition(event->pos()).position());
    menu->exec(event->globalPos());
}

void HtmlView::report_link(const QUrl& url)
{
    // QUrl keeps "|" percent-encoded; the handler needs the target as written.
    Q_EMIT navigate_complete(QUrl::fromPercentEncoding(url.toEncoded()));
}
