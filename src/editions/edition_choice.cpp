// SPDX-License-Identifier: GPL-2.0-or-later
#include "edition_choice.h"

namespace {

// The first usable edition for which `better(candidate, best)` never holds
// against a later one.
template <typename Wanted, typename Better>
std::optional<qsizetype> best_edition(const Editions& editions, Wanted wanted, Better better)
{
    std::optional<qsizetype> best;
    for (qsizetype i = 0; i < editions.size(); ++i) {
        const Edition& edition = editions[i];
        if (edition.usable && wanted(edition) && (!best || better(edition, editions[*best])))
            best = i;
    }
    return best;
}

} // namespace

std::optional<qsizetype> edition_for_date(const Editions& editions, QDate date)
{
    if (const auto holding = best_edition(
            editions, [date](const Edition& e) { return e.firstdate <= date && date <= e.lastdate; },
            [](const Edition& a, const Edition& b) { return a.firstdate > b.firstdate; }))
        return holding;
    if (const auto before = best_edition(
            editions, [date](const Edition& e) { return e.lastdate < date; },
            [](const Edition& a, const Edition& b) { return a.lastdate > b.lastdate; }))
        return before;
    return best_edition(
        editions, [](const Edition&) { return true; },
        [](const Edition& a, const Edition& b) { return a.firstdate < b.firstdate; });
}
