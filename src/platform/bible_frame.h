// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The numbering every reader position uses: that of the book's Bible table.
// A module that numbers its verses otherwise is mapped onto it through
// libsword's mapping between versifications, from the versification that
// fits the table best.

#include <QString>

#include <vector>

// The highest verse number of every chapter: counts[book - 1][chap - 1] for
// books 1 to 66; a book without chapters has an empty list.
using VerseCounts = std::vector<std::vector<int>>;

class BibleFrame {
public:
    // libsword's versification `versification` with its own verse counts
    // (KJV for a name libsword does not know).
    explicit BibleFrame(const QString& versification = QStringLiteral("KJV"));
    // The frame of a table with these counts; finds the versification that
    // fits them best.
    explicit BibleFrame(VerseCounts counts);

    int chapter_count(int book) const;
    // 0 for a chapter the table lacks.
    int verse_count(int book, int chap) const;
    // The name of libsword's versification the table follows: "NRSV", "KJV".
    const QString& versification() const { return versification_; }

private:
    VerseCounts counts_;
    QString versification_;
};

// The libsword versification whose verse counts agree with `counts` in the
// most chapters of the 66 books; of equally good ones KJV first, then in
// libsword's order.
QString best_versification(const VerseCounts& counts);
