// SPDX-License-Identifier: GPL-2.0-or-later
#include "book_content.h"

#include "authors.h"
#include "devotional_text.h"
#include "guiding_verses.h"
#include "holiday_verses.h"
#include "holidays.h"
#include "reading_plan.h"
#include "topic_areas.h"

#include <map>
#include <random>
#include <stdexcept>

namespace {

// Fisher-Yates on the generator's raw output, whose sequence the C++
// standard fixes (std::shuffle's use of it is left to the library).
template <typename T>
void shuffle(std::vector<T>& items, std::mt19937& random)
{
    for (std::size_t i = items.size(); i > 1; --i)
        std::swap(items[i - 1], items[random() % i]);
}

// The area of every day: holidays keep their own area; the other days get
// the areas in a shuffled order, so that every area has 30 or 31 days.
std::vector<int> area_of_days(const std::vector<QDate>& dates,
                              const std::map<QDate, QString>& holiday_names,
                              const std::map<QString, HolidayVerse>& verses, std::mt19937& random)
{
    const auto& areas = topic_areas();
    const int days = int(dates.size());
    std::map<int, int> wanted;
    for (std::size_t i = 0; i < areas.size(); ++i)
        wanted[areas[i].id] = days / int(areas.size()) + (int(i) < days % int(areas.size()) ? 1 : 0);

    std::vector<int> area(dates.size(), 0);
    for (std::size_t d = 0; d < dates.size(); ++d) {
        const auto holiday = holiday_names.find(dates[d]);
        if (holiday == holiday_names.end())
            continue;
        const auto verse = verses.find(holiday->second);
        if (verse == verses.end())
            continue;
        area[d] = verse->second.area_id;
        --wanted[area[d]];
    }
    std::vector<int> bag;
    for (const auto& [id, count] : wanted)
        bag.insert(bag.end(), std::size_t(std::max(count, 0)), id);
    shuffle(bag, random);
    std::size_t next = 0;
    for (int& a : area)
        if (a == 0)
            a = bag.at(next++);
    return area;
}

std::vector<int> author_of_days(int days, std::mt19937& random)
{
    std::vector<int> bag;
    for (const Author& a : authors())
        bag.insert(bag.end(), std::size_t(a.days), a.aid);
    // The authors' days fill a leap year; a common year leaves the last out.
    if (std::ssize(bag) < days)
        throw std::logic_error("the authors' days do not fill the days of the year");
    shuffle(bag, random);
    bag.resize(std::size_t(days));
    return bag;
}

QString leitvers_of(const std::vector<Reference>& references, const BibleText& bible)
{
    QStringList lines;
    for (const Reference& r : references)
        lines << reference_verse_texts(r, bible);
    return lines.join("\r\n");
}

} // namespace

std::vector<DayRow> compose_book(const BibleText& bible, const DemoEdition& edition)
{
    const int year = edition.year;
    const QDate first(year, 1, 1);
    std::vector<QDate> dates;
    for (QDate d = first; d.year() == year; d = d.addDays(1))
        dates.push_back(d);
    const int days = int(dates.size());

    const std::map<QDate, QString> holiday_names = holidays(year);
    const std::map<QString, HolidayVerse>& verses = holiday_verses(year);
    std::mt19937 random(year);
    const std::vector<int> areas = area_of_days(dates, holiday_names, verses, random);
    const std::vector<int> aids = author_of_days(days, random);
    const auto readings = reading_plan(bible, first, days, edition.reading);

    std::map<int, int> area_days;
    for (int a : areas)
        ++area_days[a];

    // Holiday verses are fixed; the chooser must not hand them out again.
    GuidingVerseChooser chooser(bible);
    for (const auto& [name, verse] : verses)
        chooser.mark_used(verse.references);

    std::map<int, int> area_day;
    std::vector<DayRow> rows;
    for (int d = 0; d < days; ++d) {
        DayRow row;
        row.datum = dates[std::size_t(d)];
        const TopicArea& area = topic_area(areas[std::size_t(d)]);
        const int nth = area_day[area.id]++;

        std::vector<Reference> guiding;
        if (const auto h = holiday_names.find(row.datum); h != holiday_names.end()) {
            row.feiertag = h->second;
            if (const auto v = verses.find(h->second); v != verses.end())
                guiding = v->second.references;
        }
        if (guiding.empty())
            guiding = chooser.choose(area, nth + edition.block_offset, area_days[area.id],
                                     reference_form_of_day(d));

        row.leitvers = leitvers_of(guiding, bible);
        row.bibelstelle = references_text(guiding);
        row.bcv1 = references_key(guiding);

        const DevotionalText text = compose_devotional(area, nth, edition.block_offset, row.datum,
                                                       reference_text(guiding.front()));
        row.thema = text.thema;
        row.text = text.text;
        row.frage = text.frage;
        row.tipp = text.tipp;

        row.bibellese = references_text(readings[std::size_t(d)]);
        row.bcv2 = references_key(readings[std::size_t(d)]);
        row.bereich = area.id;
        row.aid = aids[std::size_t(d)];
        rows.push_back(std::move(row));
    }
    return rows;
}
