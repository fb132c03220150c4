// SPDX-License-Identifier: GPL-2.0-or-later
// The Bible mode: switching the rows and views, moving the reader to a
// position and keeping the book and chapter lists in step with it.

#include "form1.h"

#include "bible_position.h"
#include "chapter_page.h"
#include "html_view.h"
#include "personal_layer.h"
#include "translations/translations_control.h"
#include "verse_reference.h"

#include <QComboBox>
#include <QFrame>
#include <QMenu>

void Form1::bible_activate(bool show)
{
    if (show) {
        headline[0]->hide();
        headline[1]->show();
        state_.wb0visible = !WB[0]->isHidden();
        WB[0]->hide();
        WB[1]->show();
    } else {
        headline[0]->show();
        headline[1]->hide();
        WB[0]->setVisible(state_.wb0visible);
        WB[1]->hide();
    }
}

bool Form1::bible_mode() const
{
    return !headline[1]->isHidden();
}

bool Form1::bible_navigate(const QString& bcv, bool hilite, bool dosetchaps)
{
    // A key that names no chapter of this Bible is ignored: the page stays.
    const std::optional<BiblePosition> position = showable_position(bcv, state_.book->lists.buecher);
    if (!position)
        return false;
    const auto [book, chap, verse] = *position;

    // The page is built before anything changes, so that a failing database
    // leaves position, lists and view as they were.
    const QString& hilitebcv = hilite ? bcv : state_.hilitebcv;
    const std::optional<QString> side_by_side = translations_->chapter_page(*state_.book, book, chap, hilitebcv);
    const QString page = side_by_side ? *side_by_side
                                      : renderchap(book, chap, *state_.book->rsTexte, state_.book->tplbibel,
                                                   state_.book->tplvers, state_.book->lists.buecher, hilitebcv);

    state_.actbcv = bcv;
    state_.navbusy = true;
    if (hilite)
        state_.hilitebcv = bcv;
    if (books->currentIndex() != book - 1 || dosetchaps) {
        setchaps(book);
        books->setCurrentIndex(book - 1);
    }
    chaps->setCurrentIndex(chap - 1);

    WB[1]->show();
    WB[1]->write_page(personal_->marked_chapter(page, book, chap));
    const BuchRow* row = find_buch(state_.book->lists.buecher, book);
    shown_[1] = {ShownPage::Kind::chapter, bible_reference(row ? row->buch.toString() : QString(), chap, 0, 0), {},
                 book, chap};
    if (verse != 0)
        WB[1]->scroll_to_anchor(verse_anchor(verse));
    state_.navbusy = false;
    refresh_title();
    return true;
}

void Form1::setchaps(int book)
{
    chaps->clear();
    const BuchRow* row = find_buch(state_.book->lists.buecher, book);
    const int count = row ? row->maxkapitel.toInt() : 0;
    for (int i = 1; i <= count; ++i)
        chaps->addItem(QString::number(i));
    chaps->setCurrentIndex(-1);
}

void Form1::create_translations()
{
    translations_ = new TranslationsControl(
        {WB[1], settings_.kept, settings_.sword_folder, [this](const QString& text) { show_message(text); }});
    // The chapter shown is shown in the translations chosen.
    connect(translations_, &TranslationsControl::changed, this, [this] {
        if (shown_[1].kind == ShownPage::Kind::chapter)
            report_failures([this] { bible_navigate(state_.actbcv, false); });
    });
}

void Form1::run_translation_command()
{
    QMenu menu(this);
    translations_->fill_menu(menu);
    const HtmlView* view = visible_view();
    menu.exec(view ? view->mapToGlobal(QPoint(20, 20)) : mapToGlobal(QPoint(20, 20)));
}

void Form1::books_Click()
{
    if (state_.navbusy)
        return;
    const QString key = QString::number(books->currentIndex() + 1) + QStringLiteral("_1_0");
    report_failures([&] { bible_navigate(key, false, true); });
}

void Form1::chaps_Click()
{
    if (state_.navbusy)
        return;
    const QString key = QString::number(books->currentIndex() + 1) + u'_'
                        + QString::number(chaps->currentIndex() + 1) + QStringLiteral("_0");
    report_failures([&] { bible_navigate(key, false, false); });
}
