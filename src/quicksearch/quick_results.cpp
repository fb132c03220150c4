// SPDX-License-Identifier: GPL-2.0-or-later
#include "quick_results.h"

#include "dates.h"
#include "source_passage.h"
#include "typed_place.h"
#include "verse_reference.h"

#include "bcv_key.h"

#include <QSet>

#include <algorithm>
#include <set>

namespace {

constexpr qsizetype snippet_before = 40;
constexpr qsizetype snippet_length = 160;

// `text` around its first mark, HTML-escaped, the marks in <b>; "…" where
// it was cut. Line breaks become blanks.
QString snippet(QStringView text, const std::vector<std::pair<qsizetype, qsizetype>>& marks)
{
    qsizetype start = marks.empty() ? 0 : std::max<qsizetype>(0, marks.front().first - snippet_before);
    // Begin at a word.
    while (start > 0 && text[start - 1].isLetterOrNumber())
        --start;
    qsizetype end = std::min(text.size(), start + snippet_length);
    while (end < text.size() && text[end].isLetterOrNumber())
        ++end;
    QString out = start > 0 ? QStringLiteral("…") : QString();
    qsizetype at = start;
    const auto plain = [&](qsizetype to) {
        QString part = text.mid(at, to - at).toString().toHtmlEscaped();
        part.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\n', u' ');
        out += part;
        at = to;
    };
    for (const auto& [position, length] : marks) {
        if (position < at || position + length > end)
            continue;
        plain(position);
        out += QStringLiteral("<b>");
        plain(position + length);
        out += QStringLiteral("</b>");
    }
    plain(end);
    if (end < text.size())
        out += QStringLiteral("…");
    return out;
}

QString verse_key(int book, int chapter, int first, int last)
{
    QString key = QStringLiteral("%1_%2_%3").arg(book).arg(chapter).arg(first);
    if (last != first)
        key += QStringLiteral("-%1").arg(last);
    return key;
}

int shown_year(const BookYears& book)
{
    const int shown = book.shown;
    return shown >= 0 && shown < int(book.editions.size()) ? book.editions[shown].first.year() : 0;
}

// The edition that holds `date`: the shown one when it does, else the first.
int edition_of(const BookYears& book, QDate date)
{
    const auto holds = [&](int edition) {
        const BookDays& days = book.editions[edition];
        return days.first <= date && date <= days.last;
    };
    if (book.shown >= 0 && book.shown < int(book.editions.size()) && holds(book.shown))
        return book.shown;
    for (int edition = 0; edition < int(book.editions.size()); ++edition)
        if (holds(edition))
            return edition;
    return -1;
}

} // namespace

QString index_pending_notice()
{
    return QStringLiteral("Index wird aufgebaut …");
}

QuickResults::QuickResults(std::shared_ptr<const SearchIndex> index, const Buecher& buecher, const BookYears& book,
                           QStringView text, const QString& failure, const std::vector<Note>& notes)
    : index_(std::move(index))
    , buecher_(buecher)
{
    const auto notice = [](QString text) { return QuickEntry{QuickEntry::Kind::notice, {}, std::move(text), {}}; };
    if (!failure.isEmpty())
        heads_.push_back(notice(failure));
    if (!index_)
        heads_.push_back(notice(index_pending_notice()));

    if (const std::optional<TypedReference> typed = read_typed_reference(text, buecher_)) {
        const auto& [b, chapter, first, last] = *typed;
        const QString name = book_name(b);
        const int chapters = find_buch(buecher_, b) ? find_buch(buecher_, b)->maxkapitel.toInt() : 0;
        const int verses = index_ ? index_->last_verse(b, chapter) : 0;
        if (chapter < 1 || chapter > chapters) {
            heads_.push_back(notice(QStringLiteral("%1 hat %2 Kapitel").arg(name).arg(chapters)));
        } else if (verses > 0 && first != 0 && (first < 1 || last > verses)) {
            heads_.push_back(notice(QStringLiteral("%1 %2 hat %3 Verse").arg(name).arg(chapter).arg(verses)));
        } else {
            const std::optional<int> verse = index_ ? index_->find_verse(b, chapter, std::max(first, 1)) : std::nullopt;
            heads_.push_back({QuickEntry::Kind::reference, verse_key(b, chapter, first, last),
                              bible_reference(name, chapter, first, last),
                              verse ? snippet(index_->verse_text(*verse), {}) : QString()});
        }
    } else if (const std::optional<QDate> date = read_typed_date(text, shown_year(book))) {
        const int edition = edition_of(book, *date);
        if (edition < 0) {
            heads_.push_back(notice(QStringLiteral("Keine Andacht am %1").arg(format_long_date(*date))));
        } else {
            QString thema;
            for (int day = 0; index_ && day < index_->day_count(); ++day)
                if (index_->day_date(day) == *date && index_->day_edition(day) == edition)
                    thema = snippet(index_->day_field(day, 0), {});
            heads_.push_back(
                {QuickEntry::Kind::date, date->toString(Qt::ISODate), format_long_date(*date), thema, edition});
        }
    }

    add_notes(notes, text);

    if (!index_)
        return;
    query_ = index_->prepare(parse_quick_query(text));
    documents_ = index_->find(query_);
    days_ = static_cast<int>(std::count_if(documents_.begin(), documents_.end(),
                                           [&](uint32_t d) { return index_->is_day(d); }));
    // Verses of several translations count each book once.
    std::set<int> books;
    for (auto it = documents_.begin() + days_; it != documents_.end(); ++it)
        books.insert(index_->verse_place(static_cast<int>(*it) - index_->day_count()).book);
    books_ = static_cast<int>(books.size());
}

void QuickResults::add_notes(const std::vector<Note>& notes, QStringView text)
{
    const std::vector<QueryGroup> groups = parse_quick_query(text);
    for (const Note& note : notes) {
        std::vector<std::pair<qsizetype, qsizetype>> marks = text_marks(note.text, groups);
        if (marks.empty())
            continue;
        // The line of the first match, its marks counted from there.
        const QStringView all = note.text;
        const qsizetype start = all.lastIndexOf(u'\n', marks.front().first) + 1;
        const qsizetype end = all.indexOf(u'\n', start);
        const QStringView line = all.mid(start, end < 0 ? -1 : end - start).trimmed();
        const qsizetype offset = line.data() - all.data();
        for (auto& mark : marks)
            mark.first -= offset;
        QString where;
        if (note.target.kind == Target::Kind::day) {
            where = format_long_date(note.target.date());
        } else if (const std::vector<BcvReference> refs = highlight_references(note.target.key); !refs.empty()) {
            where = bible_reference(book_name(refs.front().book), refs.front().from_chap, refs.front().from_verse,
                                    refs.front().from_verse);
        }
        heads_.push_back({QuickEntry::Kind::note, note.target.key, QStringLiteral("Notiz zu ") + where,
                          snippet(line, marks)});
        ++notes_;
    }
}

QString QuickResults::book_name(int book) const
{
    const BuchRow* row = find_buch(buecher_, book);
    return row ? row->buch.toString() : QString::number(book);
}

QuickEntry QuickResults::entry(int i) const
{
    if (i < static_cast<int>(heads_.size()))
        return heads_[i];
    return document_entry(documents_[i - heads_.size()]);
}

QuickEntry QuickResults::document_entry(uint32_t document) const
{
    if (index_->is_day(document)) {
        const int day = static_cast<int>(document);
        const QDate date = index_->day_date(day);
        // The topic always; the first other field with a match after it.
        const QStringView thema = index_->day_field(day, 0);
        QString text = snippet(thema, index_->marks(thema, query_));
        for (int field = 1; field < SearchIndex::day_fields; ++field) {
            const QStringView content = index_->day_field(day, field);
            const auto marks = index_->marks(content, query_);
            if (!marks.empty()) {
                text += QStringLiteral(" – ") + snippet(content, marks);
                break;
            }
        }
        return {QuickEntry::Kind::day, date.toString(Qt::ISODate), format_long_date(date), text,
                index_->day_edition(day)};
    }
    const int verse = static_cast<int>(document) - index_->day_count();
    const SearchIndex::Place place = index_->verse_place(verse);
    const QStringView content = index_->verse_text(verse);
    QString label = bible_reference(book_name(place.book), place.chapter, place.verse, place.verse);
    if (const QString translation = index_->verse_translation(verse); !translation.isEmpty())
        label += QStringLiteral(" (") + translation + u')';
    return {QuickEntry::Kind::verse, verse_key(place.book, place.chapter, place.verse, place.verse), label,
            snippet(content, index_->marks(content, query_))};
}

QString QuickResults::marked_words(int i) const
{
    const int at = i - static_cast<int>(heads_.size());
    if (at < 0 || !index_->is_day(documents_[at]))
        return {};
    QStringList words;
    for (int field = 0; field < SearchIndex::day_fields; ++field) {
        const QStringView content = index_->day_field(static_cast<int>(documents_[at]), field);
        for (const auto& [start, length] : index_->marks(content, query_)) {
            const QString word = content.mid(start, length).toString();
            if (!words.contains(word))
                words.append(word);
        }
    }
    return words.isEmpty() ? QString() : words.join(u';') + u';';
}

QString QuickResults::counts() const
{
    const int v = verses();
    QString text = notes_ == 0 ? QString() : QStringLiteral("%1 %2 · ").arg(notes_).arg(notes_ == 1 ? "Notiz" : "Notizen");
    text += QStringLiteral("%1 %2 · %3 %4").arg(days_).arg(days_ == 1 ? "Andacht" : "Andachten").arg(v).arg(
        v == 1 ? "Vers" : "Verse");
    if (v > 0)
        text += QStringLiteral(" in %1 %2").arg(books_).arg(books_ == 1 ? "Buch" : "Büchern");
    return text;
}

QString passage_text(const SearchIndex& index, const Buecher& buecher, const QString& key)
{
    return passage_tip(buecher, key, {}, [&](const BcvReference& ref) {
        std::vector<PassageVerse> verses;
        for (int verse = 0; verse < index.book_verse_count(); ++verse) {
            const SearchIndex::Place p = index.verse_place(verse);
            if (p.book == ref.book && p.chapter >= ref.from_chap && p.chapter <= ref.to_chap)
                verses.push_back({p.chapter, p.verse, index.verse_text(verse).toString()});
        }
        return verses;
    });
}
