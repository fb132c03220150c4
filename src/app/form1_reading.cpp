// SPDX-License-Identifier: GPL-2.0-or-later
// What a reader does with a page besides reading it: the window's title
// names it, a copy carries its source, a verse is copied from the context
// menu, and the page is printed or saved as PDF.

#include "form1.h"

#include "day_reference.h"
#include "editions/editions_control.h"
#include "html_view.h"
#include "personal_layer.h"
#include "translations/translations_control.h"
#include "verse_reference.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextTable>
#include <QTextDocument>

#include <algorithm>

namespace {

// Prints `page` as written by its builder: at 100 % and in its own colours,
// whatever the window's zoom and colour set are.
void print_page_text(const QString& page, QPrinter& printer)
{
    QTextDocument document;
    document.setHtml(page);
    document.print(&printer);
}

// The translation of the column holding `position` on a page side by side
// with columns named `columns`; empty elsewhere.
QString column_at(const QTextDocument& document, int position, const QStringList& columns)
{
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(std::clamp(position, 0, document.characterCount() - 1));
    const QTextTable* table = cursor.currentTable();
    const int column = table ? table->cellAt(cursor).column() : -1;
    return column >= 0 && column < columns.size() ? columns[column] : QString();
}

} // namespace

HtmlView* Form1::visible_view() const
{
    for (HtmlView* view : WB)
        if (!view->isHidden())
            return view;
    return nullptr;
}

void Form1::views_changed()
{
    // The search panel's fields take no keys while a page covers them.
    const bool covered = !WB[0]->isHidden() || !WB[1]->isHidden();
    if (covered && sframe->isAncestorOf(QApplication::focusWidget()))
        visible_view()->setFocus();
    sframe->setEnabled(!covered);
    refresh_title();
}

void Form1::refresh_title()
{
    const HtmlView* view = visible_view();
    const QString page = view ? shown_[view == WB[1] ? 1 : 0].title : SL->text();
    const QString title = state_.book->title();
    setWindowTitle(page.isEmpty() ? title : title + QStringLiteral(" – ") + page);
}

std::optional<VerseRange> Form1::verse_range(int view, int verse, int position) const
{
    if (shown_[view].kind != ShownPage::Kind::chapter)
        return std::nullopt;
    const std::vector<VerseMark> marks = verse_marks(WB[view]->anchors());
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const bool next_begins_later = i + 1 == marks.size() || marks[i + 1].position > position;
        const bool wanted = verse > 0 ? marks[i].verse == verse : marks[i].position <= position && next_begins_later;
        if (!wanted)
            continue;
        // A verse ends where the next begins, or with its paragraph.
        const QTextBlock block = WB[view]->document()->findBlock(marks[i].position);
        int end = block.position() + block.length() - 1;
        if (i + 1 < marks.size())
            end = std::min(end, marks[i + 1].position);
        return VerseRange{marks[i].verse, marks[i].position, end};
    }
    return std::nullopt;
}

QString Form1::reference_of(int view, int start, int end) const
{
    const ShownPage& shown = shown_[view];
    if (shown.kind == ShownPage::Kind::day)
        return day_reference(state_.book->title(), shown.day);
    if (shown.kind != ShownPage::Kind::chapter)
        return {};
    const std::vector<VerseMark> marks = verse_marks(WB[view]->anchors());
    const BuchRow* row = find_buch(state_.book->lists.buecher, shown.book);
    const QString name = row ? row->buch.toString() : QString();
    const std::optional<VerseSpan> span = covered_verses(marks, start, end);
    const QString reference = span ? bible_reference(name, shown.chap, span->first, span->last)
                                   : bible_reference(name, shown.chap, 0, 0);
    // Side by side, a copy names the translation it comes from.
    const QString translation = column_at(*WB[view]->document(), start, translations_->page_columns());
    return translation.isEmpty() ? reference : reference + QStringLiteral(" (") + translation + u')';
}

void Form1::add_menu_entries(int view, QMenu& menu, int position)
{
    if (const std::optional<VerseRange> range = verse_range(view, 0, position)) {
        QAction* action = menu.addAction(QStringLiteral("Vers kopieren"));
        connect(action, &QAction::triggered, this,
                [this, view, range] { WB[view]->copy_range(range->start, range->end); });
    }
    menu.addAction(key_actions_.at(KeyCommand::read_aloud));
    personal_->add_menu_entries(view, menu, position);
    editions_->add_menu_entries(menu);
    if (view == 1)
        translations_->add_menu_entries(menu);
    menu.addAction(key_actions_.at(KeyCommand::quick_search));
    menu.addAction(key_actions_.at(KeyCommand::settings));
    // Printing has no button; the mouse finds it here.
    menu.addSeparator();
    menu.addAction(key_actions_.at(KeyCommand::print));
    menu.addAction(key_actions_.at(KeyCommand::save_pdf));
}

bool Form1::copy_verse(int view, int verse)
{
    const std::optional<VerseRange> range = verse_range(view, verse);
    if (!range)
        return false;
    WB[view]->copy_range(range->start, range->end);
    return true;
}

void Form1::copy_selection()
{
    // The view with the focus copies its selection; else the visible one.
    auto* view = qobject_cast<HtmlView*>(QApplication::focusWidget());
    if (!view)
        view = visible_view();
    if (view && view->textCursor().hasSelection())
        view->copy();
}

void Form1::print_page()
{
    const HtmlView* view = visible_view();
    if (!view)
        return;
    QPrinter printer;
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        print_page_text(view->built_page(), printer);
}

bool Form1::save_pdf(const QString& path)
{
    const HtmlView* view = visible_view();
    if (!view)
        return false;
    // The printer reports no failure to write; a file that cannot be
    // created is found out first.
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    probe.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(windowTitle());
    print_page_text(view->built_page(), printer);
    return QFileInfo(path).size() > 0;
}

void Form1::ask_pdf()
{
    const HtmlView* view = visible_view();
    if (!view)
        return;
    const int index = view == WB[1] ? 1 : 0;
    const QString name = shown_[index].title.isEmpty() ? state_.book->title() : shown_[index].title;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Als PDF speichern"),
                                                QDir::home().filePath(name + QStringLiteral(".pdf")),
                                                QStringLiteral("PDF-Dateien (*.pdf)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (!save_pdf(path))
        show_message(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(path)));
}
