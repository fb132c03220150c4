// SPDX-License-Identifier: GPL-2.0-or-later
#include "personal_pages.h"

#include "database.h"
#include "dates.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <set>

namespace {

// Sizes in points and colours as attributes, so that the views' zoom and
// dark colour set reach them as they reach the book's own pages.
const QString page_head = QStringLiteral(
    "<html>\n<head>\n<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
    "<title>%1</title>\n<style type=\"text/css\">\n"
    "body { font-family: \"DejaVu Sans\", Verdana, Arial; font-size: 11pt; color: #2b2b2b; "
    "background-color: #fbf8f1; }\n"
    ".kopf { font-size: 16pt; font-weight: bold; color: #5b3a1a; }\n"
    ".monat { font-size: 10pt; font-weight: bold; color: #5b3a1a; }\n"
    ".tag { font-size: 8pt; }\n"
    "</style>\n</head>\n<body>\n<p class=\"kopf\">%1</p>\n");
const QString page_end = QStringLiteral("</body>\n</html>\n");
const QString read_colour = QStringLiteral("#9fd49a");

QString day_link(QDate day, const QString& text)
{
    return QStringLiteral("<a href=\"GOTO%1|\">%2</a>").arg(format_short_date(day), text);
}

QString month_table(int year, int month, QDate first, QDate last, const std::set<QDate>& read)
{
    const QLocale german(QLocale::German);
    QString html = QStringLiteral("<p class=\"monat\">%1</p>\n<table class=\"tag\" cellspacing=\"1\" cellpadding=\"2\">\n<tr>")
                       .arg(german.standaloneMonthName(month));
    for (int weekday = 1; weekday <= 7; ++weekday)
        html += QStringLiteral("<td>") + german.dayName(weekday, QLocale::ShortFormat).left(2) + QStringLiteral("</td>");
    html += QStringLiteral("</tr>\n<tr>");
    const QDate start(year, month, 1);
    for (int blank = 1; blank < start.dayOfWeek(); ++blank)
        html += QStringLiteral("<td></td>");
    for (QDate day = start; day.month() == month; day = day.addDays(1)) {
        if (day.dayOfWeek() == 1 && day != start)
            html += QStringLiteral("</tr>\n<tr>");
        const QString number = QString::number(day.day());
        const bool in_book = day >= first && day <= last;
        html += read.count(day) ? QStringLiteral("<td bgcolor=\"%1\" align=\"right\">").arg(read_colour)
                                : QStringLiteral("<td align=\"right\">");
        html += (in_book ? day_link(day, number) : number) + QStringLiteral("</td>");
    }
    return html + QStringLiteral("</tr>\n</table>\n");
}

QString notes_entry(const QString& link, bool starred, const std::vector<Note>& notes, const Target& target)
{
    QString html = QStringLiteral("<p>") + link + (starred ? QStringLiteral(" ★") : QString());
    for (const Note& note : notes)
        if (note.target == target)
            html += QStringLiteral("<br>\n✎ ") + first_line(note.text).toHtmlEscaped();
    return html + QStringLiteral("</p>\n");
}

} // namespace

std::vector<DayReading> book_readings(Recordset& rsQov, QDate first, QDate last)
{
    std::vector<DayReading> readings;
    rsQov.Seek(QStringLiteral(">="), {QDateTime(first, QTime(0, 0), Qt::UTC)});
    const bool has_reading = rsQov.HasField(QStringLiteral("Bibellese"));
    for (; !rsQov.Eof(); rsQov.MoveNext()) {
        const QDate day = date_of(rsQov.Fields(QStringLiteral("Datum")));
        if (day > last)
            break;
        readings.push_back({day, has_reading ? rsQov.Fields(QStringLiteral("Bibellese")).toString() : QString()});
    }
    return readings;
}

QString progress_page(QDate first, QDate last, QDate today, const std::vector<QDate>& read,
                      const std::vector<DayReading>& readings, const std::vector<int>& other_years)
{
    const std::set<QDate> done(read.begin(), read.end());
    const auto in_book = std::count_if(done.begin(), done.end(), [&](QDate day) { return day >= first && day <= last; });
    QString html = page_head.arg(QStringLiteral("Lesefortschritt %1").arg(first.year()));
    html += QStringLiteral("<p>%1 von %2 Tagen gelesen</p>\n").arg(in_book).arg(first.daysTo(last) + 1);
    if (!other_years.empty()) {
        QStringList links;
        for (const int year : other_years)
            links.append(QStringLiteral("<a href=\"FORTSCHRITT|%1|\">%1</a>").arg(year));
        html += QStringLiteral("<p>Andere Jahrgänge: %1</p>\n").arg(links.join(QStringLiteral(" · ")));
    }

    html += QStringLiteral("<table cellspacing=\"6\">\n");
    int column = 0;
    for (QDate month(first.year(), first.month(), 1); month <= last; month = month.addMonths(1)) {
        html += column == 0 ? QStringLiteral("<tr>") : QString();
        html += QStringLiteral("<td valign=\"top\">") + month_table(month.year(), month.month(), first, last, done)
                + QStringLiteral("</td>");
        column = (column + 1) % 3;
        html += column == 0 ? QStringLiteral("</tr>\n") : QString();
    }
    html += (column != 0 ? QStringLiteral("</tr>\n") : QString()) + QStringLiteral("</table>\n");

    html += QStringLiteral("<p class=\"monat\">Nachholen</p>\n");
    QString missed;
    for (const DayReading& reading : readings)
        if (reading.day < today && reading.day >= first && reading.day <= last && !done.count(reading.day))
            missed += QStringLiteral("<p>") + day_link(reading.day, format_long_date(reading.day)) + QStringLiteral(": ")
                      + reading.reading.toHtmlEscaped() + QStringLiteral("</p>\n");
    html += missed.isEmpty() ? QStringLiteral("<p>Nichts nachzuholen.</p>\n") : missed;
    return html + page_end;
}

int progress_link_year(const QString& address)
{
    static const QRegularExpression link(QStringLiteral("^FORTSCHRITT\\|(\\d{4})\\|$"));
    const QRegularExpressionMatch match = link.match(address);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QString notes_page(const PersonalData& data, const std::function<QString(const QString& key)>& verse_reference)
{
    std::set<Target> targets(data.stars.begin(), data.stars.end());
    for (const Note& note : data.notes)
        targets.insert(note.target);
    QString html = page_head.arg(QStringLiteral("Meine Notizen"));
    if (targets.empty())
        html += QStringLiteral("<p>Noch keine gemerkten Andachten, Verse oder Notizen.</p>\n");
    std::optional<Target::Kind> section;
    for (const Target& target : targets) {
        if (target.kind != section) {
            section = target.kind;
            html += QStringLiteral("<p class=\"monat\">%1</p>\n")
                        .arg(target.kind == Target::Kind::day ? QStringLiteral("Andachten") : QStringLiteral("Verse"));
        }
        const bool starred = std::find(data.stars.begin(), data.stars.end(), target) != data.stars.end();
        const QString link = target.kind == Target::Kind::day
                                 ? day_link(target.date(), format_long_date(target.date()))
                                 : QStringLiteral("<a href=\"BIBLE|%1|\">%2</a>")
                                       .arg(target.key, verse_reference(target.key).toHtmlEscaped());
        html += notes_entry(link, starred, data.notes, target);
    }
    return html + page_end;
}

QString marked_chapter(const QString& page, int book, int chap, const PersonalData& data)
{
    static const QRegularExpression anchor(QStringLiteral(R"re(<a\s+name\s*=\s*"?v(\d+)"?\s*>)re"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString marked = page;
    std::vector<QRegularExpressionMatch> matches;
    for (auto it = anchor.globalMatch(page); it.hasNext();)
        matches.push_back(it.next());
    const auto noted = [&](const Target& verse) {
        return std::any_of(data.notes.begin(), data.notes.end(), [&](const Note& note) { return note.target == verse; });
    };
    for (auto match = matches.rbegin(); match != matches.rend(); ++match) {
        const Target verse = Target::verse(book, chap, match->captured(1).toInt());
        QString marks;
        if (std::find(data.stars.begin(), data.stars.end(), verse) != data.stars.end())
            marks += QStringLiteral("<span style=\"color:#b8860b\">★</span>");
        if (noted(verse))
            marks += QStringLiteral("<a href=\"NOTIZ|%1|\">✎</a>").arg(verse.key);
        marked.insert(match->capturedStart(), marks);
    }
    return marked;
}
