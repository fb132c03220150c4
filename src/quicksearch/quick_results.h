// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The quick search's answer to one text: a typed reference or date first,
// then the reader's notes, then the days (date order), then the verses
// (Bible order). Entries of days
// and verses are made when asked for, so that a list of thousands costs only
// the entries shown.

#include "buecher.h"
#include "personal_data.h"
#include "search_index.h"

#include <QDate>
#include <QString>

#include <memory>
#include <vector>

struct QuickEntry {
    enum class Kind { reference, date, day, verse, notice, note };
    Kind kind = Kind::notice;
    QString target;  // "2024-03-05" or a Bible key ("43_3_16", "19_23_0"); empty for a notice
                     // (a note's is its day's or its verse's)
    QString label;   // where: the long date, "Psalm 23,1", or the notice itself
    QString text;    // the snippet as HTML, matched words in <b>
    int edition = -1;  // the edition of a day or date; -1: the one its date is in
    bool operator==(const QuickEntry&) const = default;
};

// The first and last day of an edition of the book, for typed dates.
struct BookDays {
    QDate first;
    QDate last;
};

// The days of every edition, in the order the index numbers them, and the
// one shown: a typed date without a year is in the shown edition's year.
struct BookYears {
    BookYears(BookDays one = {}) : editions{one} {}
    BookYears(std::vector<BookDays> all, int shown) : editions(std::move(all)), shown(shown) {}

    std::vector<BookDays> editions;
    int shown = 0;
};

class QuickResults {
public:
    QuickResults() = default;
    // `index` may be null while it is being built: then only a typed
    // reference or date is offered, after a notice saying so. A `notice`
    // given (why the index is empty) comes first. `notes`, the reader's,
    // are searched with the same rules, index or not.
    QuickResults(std::shared_ptr<const SearchIndex> index, const Buecher& buecher, const BookYears& book,
                 QStringView text, const QString& notice = {}, const std::vector<Note>& notes = {});

    int size() const { return static_cast<int>(heads_.size() + documents_.size()); }
    QuickEntry entry(int i) const;
    // For a day entry, its matched words as the day page marks them
    // ("Hirte;Hirten;"); empty for other entries.
    QString marked_words(int i) const;

    int notes() const { return notes_; }
    int days() const { return days_; }
    int verses() const { return static_cast<int>(documents_.size()) - days_; }
    int books() const { return books_; }
    // "3 Andachten · 79 Verse in 31 Büchern", after "2 Notizen · " when
    // notes are found
    QString counts() const;

private:
    QuickEntry document_entry(uint32_t document) const;
    void add_notes(const std::vector<Note>& notes, QStringView text);
    QString book_name(int book) const;

    std::shared_ptr<const SearchIndex> index_;
    Buecher buecher_;
    SearchIndex::Prepared query_;
    std::vector<QuickEntry> heads_;
    std::vector<uint32_t> documents_;
    int notes_ = 0;
    int days_ = 0;
    int books_ = 0;
};

// The text of a Bible key for a tool tip: its reference, then its verses
// with their numbers, at most five and then "…". Empty for a key that names
// nothing the index holds.
QString passage_text(const SearchIndex& index, const Buecher& buecher, const QString& key);

// The notice shown while the index is being built.
QString index_pending_notice();
