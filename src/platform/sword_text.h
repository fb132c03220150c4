// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A module's verse entry as plain text, through libsword's own filters for
// its markup (OSIS, ThML, GBF, TEI, plain text).

#include <QString>

#include <memory>
#include <vector>

namespace sword {
class SWModule;
class SWOptionFilter;
} // namespace sword

struct PlainEntry {
    QString text;
    QString heading;  // the headings before the verse, one per line
    // The index gives the entry a size, yet nothing could be read (a
    // compressed block that does not inflate).
    bool unreadable = false;
};

using OptionFilters = std::vector<sword::SWOptionFilter*>;

// libsword's option filters of every markup, set so that only the text and
// its headings remain: no footnotes, Strong's numbers, morphology, lemmas,
// cross-references, glosses or transliterations, the primary reading of
// variants.
class TextFilters {
public:
    TextFilters();
    ~TextFilters();
    TextFilters(const TextFilters&) = delete;
    TextFilters& operator=(const TextFilters&) = delete;

    // The option filters for `module`: its own (which its description names,
    // switched by the manager's global options), then those of its markup
    // whose options it lacks. They must outlive its use.
    OptionFilters filters_for(const sword::SWModule& module) const;

private:
    struct Filter {
        char markup;
        std::unique_ptr<sword::SWOptionFilter> filter;
    };
    std::vector<Filter> filters_;
};

// The text of the module's current entry through `filters` and the
// module's strip filters, the words on either side of a cut footnote kept
// apart, white space made single blanks; its headings before the verse
// likewise.
PlainEntry plain_entry(sword::SWModule& module, const OptionFilters& filters);
