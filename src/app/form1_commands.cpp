// The picture buttons' commands and the input fields that run them.

#include "form1.h"

#include "current_date.h"
#include "html_view.h"
#include "picture_button.h"
#include "wait_cursor.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
constexpr int enter_key = 13;
}

void Form1::but_Click(int Index)
{
    WaitCursor wait;
    const int k = Index % 100;
    if (k > 19)
        return;
    report_failures([this, k] { run_command(k); });
}

void Form1::run_command(int k)
{
    switch (k) {
    case 0:
        if (actdate > firstdate)
            actdate = actdate.addDays(-1);
        loadday(actdate);
        break;
    case 1:
        if (actdate < lastdate)
            actdate = actdate.addDays(1);
        loadday(actdate);
        break;
    case 2:
        setactdate(actdate, QDateTime(settings_.today(), QTime(0, 0), Qt::UTC), firstdate, lastdate,
                   [this](const QString& text) { show_message(text); });
        loadday(actdate);
        break;
    case 3:
    case 16:
        WB[0]->hide();
        WB[1]->hide();
        showsuche(k == 3 ? 1 : 2);
        break;
    case 4:
        show_page(0, tpl_impressum);
        break;
    case 5:
        show_page(0, tplhilfe);
        break;
    case 17:
        show_page(1, tpl_impressum);
        break;
    case 18:
        show_page(1, tplhilfe);
        break;
    case 6:
        search_full_text();
        break;
    case 7:
        search_bible_reference();
        break;
    case 8:
        search_topic_area();
        break;
    case 9:
        search_date();
        break;
    case 19:
        search_author();
        break;
    case 10:
        bible_navigate(actbcv, false, false);
        bible_activate(true);
        break;
    case 15:
        bible_activate(false);
        loadday(actdate);
        break;
    case 11:
        step_list(books, -1);
        break;
    case 12:
        step_list(books, +1);
        break;
    case 13:
        step_list(chaps, -1);
        break;
    case 14:
        step_list(chaps, +1);
        break;
    default:
        break;
    }
}

void Form1::step_list(QComboBox* list, int step)
{
    // The list's own change event shows the new book or chapter.
    const int index = list->currentIndex();
    if (step < 0 && index > 0)
        list->setCurrentIndex(index - 1);
    else if (step > 0 && index < list->count() - 1)
        list->setCurrentIndex(index + 1);
}

void Form1::inpautor_Click()
{
    but_Click(19);
}

void Form1::inpbereich_Click()
{
    but_Click(8);
}

void Form1::inpbibel_Click()
{
    but_Click(7);
}

void Form1::inpdatum_KeyPress(int KeyAscii)
{
    if (KeyAscii == enter_key)
        but_Click(9);
}

void Form1::inpvolltext_KeyPress(int KeyAscii)
{
    if (KeyAscii == enter_key)
        but_Click(6);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || (watched != inpdatum && watched != inpvolltext))
        return QWidget::eventFilter(watched, event);

    // The character code of the key, as a key-press event reports it; keys
    // without a character (arrows, function keys) raise no such event.
    const auto* key = static_cast<QKeyEvent*>(event);
    int KeyAscii = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        KeyAscii = enter_key;
    else if (!key->text().isEmpty())
        KeyAscii = key->text().at(0).unicode();
    if (KeyAscii != 0) {
        if (watched == inpdatum)
            inpdatum_KeyPress(KeyAscii);
        else
            inpvolltext_KeyPress(KeyAscii);
    }
    // The key is not swallowed: the field still gets it.
    return false;
}
