// SPDX-License-Identifier: GPL-2.0-or-later
#include "side_by_side_page.h"

#include "StdUtil.h"
#include "chapter_page.h"

#include <algorithm>
#include <set>

namespace {

const SourceVerse* find_verse(const TranslationColumn& column, int number)
{
    for (const SourceVerse& verse : column.verses)
        if (verse.number == number)
            return &verse;
    return nullptr;
}

QString cell(const QString& content, qsizetype columns)
{
    return QStringLiteral("<td valign=\"top\" width=\"%1%\">").arg(100 / columns) + content
           + QStringLiteral("</td>");
}

// The headings of a verse, one line each, set apart from the verse text.
QString heading_text(const QString& heading)
{
    if (heading.isEmpty())
        return {};
    return QStringLiteral("<p class=\"vers\"><i>")
           + heading.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")) + QStringLiteral("</i></p>");
}

// One row of the page as a table of its own: the text view lays out many
// small tables in a fraction of the time one long one takes, and with the
// same widths their columns stand one under the other.
QString row_table(const QString& cells)
{
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\"><tr>") + cells
           + QStringLiteral("</tr></table>\n");
}

} // namespace

QString side_by_side_chapter(int book, int chap, const std::vector<TranslationColumn>& columns,
                             const QString& tplbibel, const QString& tplvers, const Buecher& buecher,
                             const QString& hilitebcv)
{
    QString page = tplbibel;
    const BuchRow* buch = find_buch(buecher, book);
    StrReplaceInPlace(page, QStringLiteral("#Buch#"), buch ? ValueText(buch->buch) : QString());
    StrReplaceInPlace(page, QStringLiteral("#Kapitel#"), QString::number(chap));

    const qsizetype count = qsizetype(std::max<std::size_t>(columns.size(), 1));
    std::set<int> numbers;
    for (const TranslationColumn& column : columns)
        for (const SourceVerse& verse : column.verses)
            numbers.insert(verse.number);

    QString names;
    for (const TranslationColumn& column : columns)
        names += QStringLiteral("<th class=\"nr\" width=\"%1%\">").arg(100 / count) + column.short_name.toHtmlEscaped()
                 + QStringLiteral("</th>");
    QString table = row_table(names);

    bool first_row = true;
    const auto add_row = [&](int number) {
        QString headings;
        bool any_heading = false;
        QString verses;
        for (const TranslationColumn& column : columns) {
            const SourceVerse* verse = number > 0 ? find_verse(column, number) : nullptr;
            any_heading = any_heading || (verse && !verse->heading.isEmpty());
            headings += cell(verse ? heading_text(verse->heading) : QString(), count);
            QString content;
            if (!column.has_book && first_row)
                content = QStringLiteral("<p class=\"vers\">Dieses Buch fehlt in %1.</p>")
                              .arg(column.short_name.toHtmlEscaped());
            else if (verse && !verse->text.isEmpty()) {
                QString text = verse->text.toHtmlEscaped();
                if (testhilite(hilitebcv, book, chap, number))
                    text = QStringLiteral("<b>") + text + QStringLiteral("</b>");
                content = StrReplace(StrReplace(tplvers, QStringLiteral("#Versnr#"), QString::number(number)),
                                     QStringLiteral("#Vers#"), text);
            }
            verses += cell(content, count);
        }
        if (any_heading)
            table += row_table(headings);
        table += row_table(verses);
        first_row = false;
    };
    const bool book_missing = std::any_of(columns.begin(), columns.end(),
                                          [](const TranslationColumn& c) { return !c.has_book; });
    if (numbers.empty() && book_missing)
        add_row(0);
    for (int number : numbers)
        add_row(number);
    StrReplaceInPlace(page, QStringLiteral("#VERS#"), table);
    return page;
}
