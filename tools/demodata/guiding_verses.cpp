// SPDX-License-Identifier: GPL-2.0-or-later
#include "guiding_verses.h"

#include <QRegularExpression>

ReferenceForm reference_form_of_day(int day_index)
{
    if (day_index % 30 == 17)
        return ReferenceForm::three_references;
    if (day_index % 12 == 5)
        return ReferenceForm::two_references;
    if (day_index % 19 == 9)
        return ReferenceForm::chapter_span;
    if (day_index % 23 == 3)
        return ReferenceForm::verse_list;
    if (day_index % 4 == 1)
        return ReferenceForm::verse_range;
    return ReferenceForm::single_verse;
}

namespace {

// The books from which guiding verses come: every part of the Bible (law,
// history, wisdom, prophets, gospels, letters, Revelation), without the long
// lists and battle reports whose verses use the areas' words in passing.
bool is_devotional_book(int book)
{
    static const std::set<int> old_testament = {1, 2, 5, 6, 8, 9, 16, 18, 19, 20, 21, 23,
                                                24, 25, 27, 28, 29, 33, 35, 36, 38, 39};
    constexpr int first_new_testament_book = 40;
    return book >= first_new_testament_book || old_testament.count(book) != 0;
}

// Uses of the areas' words that do not fit a devotional: offerings
// ("Friedensopfer", "Dankopfer"), killing, harlotry, idols, sins not forgiven,
// prayers not heard.
const QRegularExpression& unsuitable_verse()
{
    static const QRegularExpression unsuitable(
        "opfer|sühn|schlacht|\\bschlug|\\berschl[au]g|\\btöte|\\bgetötet|\\bumbr[ai]ng|\\bmord"
        "|\\bhur|\\bbuhl|götze|götter|geschnitzt|nicht vergeb|nicht hören",
        QRegularExpression::CaseInsensitiveOption);
    return unsuitable;
}

} // namespace

GuidingVerseChooser::GuidingVerseChooser(const BibleText& bible) : bible_(bible) {}

void GuidingVerseChooser::mark_used(const std::vector<Reference>& references)
{
    for (const Reference& r : references)
        for (const VersePosition& position : reference_verses(r, bible_))
            used_.insert(position);
}

bool GuidingVerseChooser::uses_a_used_verse(const Reference& reference) const
{
    for (const VersePosition& position : reference_verses(reference, bible_))
        if (used_.count(position) != 0)
            return true;
    return false;
}

const std::vector<const Verse*>& GuidingVerseChooser::pool(const TopicArea& area)
{
    auto it = pools_.find(area.id);
    if (it != pools_.end())
        return it->second;
    std::vector<QRegularExpression> patterns;
    for (const QString& p : area.verse_patterns)
        patterns.emplace_back(p, QRegularExpression::CaseInsensitiveOption);
    std::vector<const Verse*> verses;
    for (const Verse& v : bible_.verses()) {
        // Short and long verses make poor guiding verses, and so do those
        // that go on with the sentence of the verse before (lower case first).
        if (!v.text || v.text->size() < 40 || v.text->size() > 240 || !v.text->front().isUpper()
            || !is_devotional_book(v.book) || unsuitable_verse().match(*v.text).hasMatch())
            continue;
        for (const QRegularExpression& re : patterns) {
            if (re.match(*v.text).hasMatch()) {
                verses.push_back(&v);
                break;
            }
        }
    }
    return pools_.emplace(area.id, std::move(verses)).first->second;
}

std::optional<Reference> GuidingVerseChooser::find(const std::vector<const Verse*>& pool,
                                                   std::size_t start, ReferenceForm form) const
{
    for (std::size_t n = 0; n < pool.size(); ++n) {
        if (auto r = candidate(*pool[(start + n) % pool.size()], form))
            return r;
    }
    return std::nullopt;
}

std::optional<Reference> GuidingVerseChooser::candidate(const Verse& v, ReferenceForm form) const
{
    const int count = bible_.verse_count(v.book, v.chapter);
    Reference r;
    switch (form) {
    case ReferenceForm::verse_range:
        r = {{verse_range(v.book, v.chapter, v.verse, v.verse + 1)}};
        break;
    case ReferenceForm::verse_list:
        r = {{single_verse(v.book, v.chapter, v.verse), single_verse(v.book, v.chapter, v.verse + 2)}};
        break;
    case ReferenceForm::chapter_span:
        // Three verses: the chapter's last one or two, then the next chapter's first.
        if (v.verse < count - 1)
            return std::nullopt;
        r = {{chapter_span(v.book, v.chapter, v.verse, v.chapter + 1, v.verse == count ? 2 : 1)}};
        break;
    default:
        r = {{single_verse(v.book, v.chapter, v.verse)}};
    }
    if (!reference_exists(r, bible_) || uses_a_used_verse(r))
        return std::nullopt;
    return r;
}

std::vector<Reference> GuidingVerseChooser::choose(const TopicArea& area, int area_day,
                                                   int area_days, ReferenceForm form)
{
    const auto& verses = pool(area);
    // A stride through the area's days, so that every month draws on all
    // parts of the Bible rather than the year reading from Genesis onwards.
    const int stride = area_days % 7 != 0 ? 7 : 11;
    const std::size_t slot = std::size_t((area_day * stride) % area_days);
    const std::size_t start = slot * verses.size() / std::size_t(area_days);

    std::vector<ReferenceForm> parts;
    switch (form) {
    case ReferenceForm::two_references:
        parts = {area_day % 2 ? ReferenceForm::verse_range : ReferenceForm::single_verse,
                 ReferenceForm::single_verse};
        break;
    case ReferenceForm::three_references:
        parts = {ReferenceForm::single_verse, ReferenceForm::single_verse,
                 ReferenceForm::single_verse};
        break;
    default:
        parts = {form};
    }

    std::vector<Reference> references;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        // Later references of a day come from other parts of the Bible.
        const std::size_t from = start + k * verses.size() / parts.size();
        auto r = find(verses, from, parts[k]);
        if (!r)
            r = find(verses, from, ReferenceForm::single_verse);
        if (!r)
            break;
        references.push_back(*r);
        mark_used({*r});
    }
    return references;
}
