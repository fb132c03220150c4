// Showing pages: the page builders' texts written into the views, and what
// happens when a page cannot be built.

#include "form1.h"

#include "bible_result_list.h"
#include "day_page.h"
#include "html_view.h"
#include "result_list.h"

#include <cstdio>

namespace {

// A cause can carry a whole statement, and one built from a search text of
// a thousand words is tens of thousands of characters long: the message box
// keeps its start (what failed) and its end (the database's reason).
QString shortened_cause(const QString& cause)
{
    constexpr qsizetype kept = 400;
    if (cause.size() <= 2 * kept + 3)
        return cause;
    // Never cut between the two halves of a character outside the BMP.
    const qsizetype head = cause.at(kept - 1).isHighSurrogate() ? kept - 1 : kept;
    const qsizetype tail = cause.at(cause.size() - kept).isLowSurrogate() ? kept - 1 : kept;
    return cause.left(head) + QStringLiteral(" … ") + cause.right(tail);
}

} // namespace

QString Form1::loadday(QDate datum)
{
    const QString page = ::loadday(datum, *rsQov, *db, tplday, tplbibelst, bereiche, suchworte);
    show_page(0, page);
    return page;
}

QString Form1::displiste(const QString& sql, int anzentry)
{
    const QString page = ::displiste(*db, sql, anzentry, tplliste, bereiche, suchworte);
    show_page(0, page);
    return page;
}

QString Form1::dispbibelliste(const QString& sql)
{
    const QString page = ::dispbibelliste(*bibeldb, sql, tplbibelliste, buecher, suchworte);
    show_page(1, page);
    return page;
}

void Form1::show_page(int view, const QString& page)
{
    WB[view]->write_page(page);
    WB[view]->show();
    WB[1 - view]->hide();
}

void Form1::show_message(const QString& text)
{
    messages_.show(this, text);
}

void Form1::report_failures(const std::function<void()>& work)
{
    // A page that cannot be built (a query the database rejects, a damaged
    // file) leaves the current page in place; the user is told why.
    try {
        work();
    } catch (const std::exception& e) {
        const QString cause = QString::fromStdString(e.what());
        const QString shown = shortened_cause(cause);
        if (shown.size() != cause.size())
            std::fprintf(stderr, "Die Seite kann nicht gezeigt werden:\n%s\n", e.what());
        show_message(QStringLiteral("Die Seite kann nicht gezeigt werden:\n") + shown);
    }
}
