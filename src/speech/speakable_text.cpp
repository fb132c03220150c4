// SPDX-License-Identifier: GPL-2.0-or-later
#include "speakable_text.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace {

bool is_boundary(QChar c)
{
    // Line and paragraph separators, and the marks where frames and table
    // cells begin and end.
    return c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator || c == u'\xFDD0'
           || c == u'\xFDD1';
}

// "a" or "a-b" of a verse list, said.
QString spoken_span(const QString& item)
{
    const QStringList ends = item.split(QRegularExpression(QStringLiteral("[-–]")));
    return ends.size() == 2 ? ends[0] + QStringLiteral(" bis ") + ends[1] : item;
}

QString and_list(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" und ") + items.last();
}

QString capitals_as_words(QString text)
{
    static const QRegularExpression capitals(QStringLiteral("\\b[A-ZÄÖÜ]{2,}\\b"),
                                             QRegularExpression::UseUnicodePropertiesOption);
    QRegularExpressionMatchIterator it = capitals.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        text.replace(match.capturedStart() + 1, match.capturedLength() - 1, match.captured().mid(1).toLower());
    }
    return text;
}

} // namespace

ReadingText reading_text(QStringView raw)
{
    ReadingText result;
    bool pending_break = false;
    bool pending_space = false;
    for (int i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == QChar::ObjectReplacementCharacter)
            continue;
        if (is_boundary(c)) {
            pending_break = !result.text.isEmpty();
            continue;
        }
        if (c.isSpace()) {
            pending_space = !result.text.isEmpty();
            continue;
        }
        if (pending_break || pending_space) {
            result.text.append(pending_break ? u'\n' : u' ');
            result.positions.push_back(i - 1);
        }
        pending_break = pending_space = false;
        result.text.append(c);
        result.positions.push_back(i);
    }
    return result;
}

QString spoken_place(QStringView place)
{
    static const QRegularExpression across(QStringLiteral("^(\\d+),(\\d+)[-–](\\d+),(\\d+)$"));
    static const QRegularExpression chapters(QStringLiteral("^(\\d+)(?:[-–](\\d+))?$"));
    static const QRegularExpression verses(QStringLiteral("^(\\d+),(\\d+(?:[-–]\\d+)?(?:\\.\\d+(?:[-–]\\d+)?)*)$"));
    const QString text = place.toString();
    if (const QRegularExpressionMatch m = across.match(text); m.hasMatch())
        return QStringLiteral("Kapitel %1, Vers %2 bis Kapitel %3, Vers %4")
            .arg(m.captured(1), m.captured(2), m.captured(3), m.captured(4));
    if (const QRegularExpressionMatch m = chapters.match(text); m.hasMatch())
        return QStringLiteral("Kapitel ") + spoken_span(text);
    const QRegularExpressionMatch m = verses.match(text);
    if (!m.hasMatch())
        return {};
    QStringList items = m.captured(2).split(u'.');
    const bool one = items.size() == 1 && !items[0].contains(QRegularExpression(QStringLiteral("[-–]")));
    std::transform(items.begin(), items.end(), items.begin(), spoken_span);
    return QStringLiteral("Kapitel %1, %2 %3").arg(m.captured(1), one ? QStringLiteral("Vers") : QStringLiteral("Verse"),
                                                   and_list(items));
}

QString spoken_book(QStringView book)
{
    static const QRegularExpression numbered(QStringLiteral("^([1-5])\\.\\s*(.+)$"));
    static const std::array<QString, 5> stems{QStringLiteral("Erst"), QStringLiteral("Zweit"), QStringLiteral("Dritt"),
                                              QStringLiteral("Viert"), QStringLiteral("Fünft")};
    const QString name = book.toString();
    const QRegularExpressionMatch m = numbered.match(name);
    if (!m.hasMatch())
        return name;
    const QString stem = stems[static_cast<std::size_t>(m.captured(1).toInt() - 1)];
    const QString rest = m.captured(2);
    // The books of Moses, Samuel, the Kings and the Chronicles are books; the
    // others letters, named after those they were written to or by.
    if (rest == u"Mose" || rest == u"Samuel")
        return stem + QStringLiteral("es Buch ") + rest;
    if (rest == u"Könige" || rest.startsWith(QStringLiteral("Chronik")))
        return stem + QStringLiteral("es Buch der ") + rest;
    return stem + QStringLiteral("er ") + rest;
}

QString speakable(QStringView text, const QStringList& books)
{
    QString result = text.toString().simplified();
    if (!books.isEmpty()) {
        QStringList names = books;
        // The longest name first, so that "1. Johannes" is not taken for "Johannes".
        std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
        std::transform(names.begin(), names.end(), names.begin(),
                       [](const QString& name) { return QRegularExpression::escape(name); });
        const QRegularExpression reference(QStringLiteral("(?<![\\w.])(%1)\\s+(\\d+(?:[,.\\-–]\\d+)*)(?![\\d\\w])")
                                               .arg(names.join(u'|')),
                                           QRegularExpression::UseUnicodePropertiesOption);
        QString spoken;
        int from = 0;
        QRegularExpressionMatchIterator it = reference.globalMatch(result);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            const QString place = spoken_place(m.captured(2));
            if (place.isEmpty())
                continue;
            spoken += QStringView(result).mid(from, m.capturedStart() - from);
            spoken += spoken_book(m.captured(1)) + QStringLiteral(", ") + place;
            from = m.capturedEnd();
        }
        result = spoken + result.mid(from);
    }
    return capitals_as_words(result);
}

QStringList book_names(const Buecher& buecher)
{
    QStringList names;
    for (const BuchRow& row : buecher)
        if (!row.lfdnr.isNull() && !row.buch.toString().isEmpty())
            names.append(row.buch.toString());
    return names;
}

std::vector<Utterance> page_utterances(QStringView raw, const std::vector<VerseMark>& verses, const QStringList& books)
{
    // Pieces are cut at the verse marks first, then each into its lines.
    std::vector<Utterance> pieces;
    std::vector<std::pair<int, int>> cuts{{0, 0}};
    for (const VerseMark& mark : verses)
        cuts.emplace_back(std::clamp(mark.position, 0, static_cast<int>(raw.size())), mark.verse);
    cuts.emplace_back(static_cast<int>(raw.size()), 0);
    for (std::size_t c = 0; c + 1 < cuts.size(); ++c) {
        const auto [begin, verse] = cuts[c];
        const ReadingText part = reading_text(raw.mid(begin, cuts[c + 1].first - begin));
        int line_start = 0;
        for (const QString& line : part.text.split(u'\n')) {
            const int line_end = line_start + static_cast<int>(line.size());
            QString text = speakable(line, books);
            const bool verse_line = verse > 0 && line_start == 0;
            if (verse_line) {
                // The verse's number stands before its text.
                static const QRegularExpression number(QStringLiteral("^\\d+\\s*"));
                text = QStringLiteral("Vers %1: ").arg(verse) + text.remove(number);
            }
            if (!line.isEmpty() && line.contains(QRegularExpression(QStringLiteral("\\w"))))
                pieces.push_back({text, begin + part.positions[static_cast<std::size_t>(line_start)],
                                  begin + part.positions[static_cast<std::size_t>(line_end - 1)] + 1,
                                  verse_line ? verse : 0});
            line_start = line_end + 1;
        }
    }
    return pieces;
}

std::vector<Utterance> pieces_by_column(const std::vector<Utterance>& pieces, const std::vector<int>& column_of,
                                        const std::vector<SpokenColumn>& columns)
{
    const auto in_table = [&](std::size_t i) { return column_of[i] != -1; };
    std::size_t first = 0;
    while (first < pieces.size() && !in_table(first))
        ++first;
    std::vector<Utterance> read(pieces.begin(), pieces.begin() + static_cast<std::ptrdiff_t>(first));
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        bool named = false;
        for (std::size_t i = first; i < pieces.size(); ++i) {
            if (column_of[i] != column)
                continue;
            if (!named)
                read.push_back({columns[column].name + u':', pieces[i].start, pieces[i].start, 0});
            named = true;
            Utterance piece = pieces[i];
            piece.language = columns[column].language;
            read.push_back(std::move(piece));
        }
    }
    for (std::size_t i = first; i < pieces.size(); ++i)
        if (!in_table(i))
            read.push_back(pieces[i]);
    return read;
}
