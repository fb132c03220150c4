// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading_plan.h"

#include "bible_books.h"

#include <stdexcept>

namespace {

constexpr int psalms = 19;

void add_chapter_portions(const BibleText& bible, int book, std::vector<Reference>& portions)
{
    for (int chapter = 1; chapter <= bible.chapter_count(book); ++chapter) {
        const int verses = bible.verse_count(book, chapter);
        if (verses <= reading_split_above) {
            portions.push_back({{whole_chapter(book, chapter)}});
            continue;
        }
        const int half = verses / 2;
        portions.push_back({{verse_range(book, chapter, 1, half)}});
        portions.push_back({{verse_range(book, chapter, half + 1, verses)}});
    }
}

} // namespace

std::vector<std::vector<Reference>> reading_plan(const BibleText& bible, QDate first, int days,
                                                 const ReadingCourse& course)
{
    std::vector<Reference> portions;
    for (const int start : course.run_starts)
        for (int book = start; book <= bible_book_count && std::ssize(portions) < days; ++book)
            add_chapter_portions(bible, book, portions);
    if (std::ssize(portions) < days)
        throw std::logic_error("the reading runs end before the year does");

    std::vector<std::vector<Reference>> plan;
    int psalm = course.first_psalm;
    for (int day = 0; day < days; ++day) {
        std::vector<Reference> readings = {portions[std::size_t(day)]};
        if (first.addDays(day).dayOfWeek() == Qt::Sunday)
            readings.push_back({{whole_chapter(psalms, psalm++)}});
        plan.push_back(std::move(readings));
    }
    return plan;
}
