// The search panel and the five searches it starts.

#include "form1.h"

#include "current_date.h"
#include "dates.h"
#include "picture_button.h"
#include "query_parsing.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int full_text_cap = 100;
constexpr int list_cap = 10000;
}

void Form1::showsuche(int mode)
{
    suchmode = mode;
    const QList<QWidget*> book_only = {SBst,     SBer,       sDatum,   sAutor,   inpbibel, inpbereich,
                                       inpautor, inpdatum,   but(7),   but(8),   but(9),   but(19)};
    if (mode == 1) {
        SL->setText(QStringLiteral("Suche in \"Selunar\""));
        for (QWidget* widget : book_only)
            widget->show();
    } else if (mode == 2) {
        SL->setText(QStringLiteral("Suche in der Bibel"));
        for (QWidget* widget : book_only)
            widget->hide();
        for (int twin : {107, 108, 109, 119})
            but(twin)->hide();
    }
}

void Form1::search_full_text()
{
    const QString text = inpvolltext->text();
    if (text.isEmpty())
        return;
    // Input without any word (only blanks or punctuation) is taken like an
    // empty field: there is nothing to search for.
    QString words;
    if (suchmode == 1) {
        const QString C1 = parsesql(QStringLiteral("thema"), text, words);
        if (C1.isEmpty())
            return;
        const QString C2 = parsesql(QStringLiteral("text"), text, words);
        suchworte = words;
        displiste(QStringLiteral("select top ") + QString::number(full_text_cap)
                      + QStringLiteral(" * from vw1qov where ") + C1 + QStringLiteral(" or ") + C2
                      + QStringLiteral(" order by book1,chapter1,verse1"),
                  full_text_cap);
    } else if (suchmode == 2) {
        const QString C = parsesql(QStringLiteral("Bible_text"), text, words);
        if (C.isEmpty())
            return;
        suchworte = words;
        dispbibelliste(QStringLiteral("select top ") + QString::number(full_text_cap)
                       + QStringLiteral(" * from texte where ") + C
                       + QStringLiteral(" order by book,chapter,verse"));
    }
}

void Form1::search_bible_reference()
{
    const QString text = inpbibel->currentText();
    if (text.isEmpty())
        return;
    displiste(QStringLiteral("select * from vw1qov where bibelstelle like '*") + text
                  + QStringLiteral("*' order by book1,chapter1,verse1"),
              list_cap);
}

void Form1::search_topic_area()
{
    const int chosen = inpbereich->currentIndex();
    if (chosen == -1)
        return;
    for (std::size_t id = 1; id < bereiche.size(); ++id) {
        if (bereiche[id].position == chosen + 1)
            displiste(QStringLiteral("select * from vw1qov where bereich=") + QString::number(id)
                          + QStringLiteral(" order by datum"),
                      list_cap);
    }
}

void Form1::search_date()
{
    const std::optional<QDate> date = read_user_date(inpdatum->text());
    if (!date) {
        show_message(QStringLiteral("Bitte geben Sie das Datum im Format ")
                     + format_short_date(settings_.today()) + QStringLiteral(" ein"));
        return;
    }
    if (setactdate(actdate, QDateTime(*date, QTime(0, 0), Qt::UTC), firstdate, lastdate,
                   [this](const QString& text) { show_message(text); }))
        loadday(actdate);
}

void Form1::search_author()
{
    const int chosen = inpautor->currentIndex();
    if (chosen == -1)
        return;
    const int aid = inpautor->itemData(chosen).toInt();
    displiste(QStringLiteral("select * from vw1qov where aid=") + QString::number(aid)
                  + QStringLiteral(" order by datum"),
              list_cap);
}
