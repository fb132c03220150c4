// SPDX-License-Identifier: GPL-2.0-or-later
#include "sword_text.h"

#include "plain_verse_text.h"

#include <QStringList>

#include <gbffootnotes.h>
#include <gbfheadings.h>
#include <gbfmorph.h>
#include <gbfstrongs.h>
#include <osisfootnotes.h>
#include <osisglosses.h>
#include <osisheadings.h>
#include <osislemma.h>
#include <osismorph.h>
#include <osismorphsegmentation.h>
#include <osisscripref.h>
#include <osisstrongs.h>
#include <osisvariants.h>
#include <osisxlit.h>
#include <swmodule.h>
#include <thmlfootnotes.h>
#include <thmlheadings.h>
#include <thmllemma.h>
#include <thmlmorph.h>
#include <thmlscripref.h>
#include <thmlstrongs.h>
#include <thmlvariants.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string_view>

namespace {

// Stands in the raw entry before an element whose content the filters drop,
// until the plain text shows whether it sat between two words. A control
// character: no text holds one, and the filters pass it through.
constexpr char raw_marker = '\x01';

// Footnotes of OSIS and ThML, of GBF, ThML's cross-references, and the end
// of a GBF heading, which stays in the text.
constexpr std::string_view cut_elements[] = {"<note", "<RF>", "<scripRef", "<Ts>"};

void mark_cut_elements(sword::SWBuf& raw)
{
    std::string text(raw.c_str(), raw.length());
    for (std::string_view element : cut_elements)
        for (std::size_t at = text.find(element); at != std::string::npos; at = text.find(element, at + 2))
            text.insert(at, 1, raw_marker);
    raw = text.c_str();
}

// An entry without markup or entities, which no filter changes.
bool is_plain(const sword::SWBuf& raw)
{
    return !std::strpbrk(raw.c_str(), "<&");
}

// The markup each option filter changes, by its option; a filter acts on an
// entry only when one of them stands in it (each filter is a pass over the
// whole entry, and most entries hold little of what they remove). Filters
// of other options always act.
bool acts_on(sword::SWOptionFilter& filter, const sword::SWBuf& raw)
{
    static const std::map<std::string_view, std::vector<const char*>> marks{
        {"Footnotes", {"<note", "<RF"}},
        {"Cross-references", {"<note", "<scripRef"}},
        {"Strong's Numbers", {"strong:", "<sync", "<W"}},
        {"Morphological Tags", {"morph=", "<sync", "<WT"}},
        {"Lemmas", {"lemma.", "<sync"}},
        {"Glosses", {"gloss="}},
        {"Transliterated Forms", {"xlit="}},
        {"Morpheme Segmentation", {"<seg"}},
        {"Textual Variants", {"variant"}},
        {"Headings", {"<title", "<div class", "<TS"}},
        // Red letters change colours only, which plain text has not.
        {"Words of Christ in Red", {}},
    };
    const auto known = marks.find(filter.getOptionName());
    if (known == marks.end())
        return true;
    return std::any_of(known->second.begin(), known->second.end(),
                       [&](const char* mark) { return std::strstr(raw.c_str(), mark) != nullptr; });
}

QString decoded(const sword::SWModule& module, const char* text)
{
    QString decoded = module.getEncoding() == sword::ENC_LATIN1 ? QString::fromLatin1(text) : QString::fromUtf8(text);
    return decoded.replace(QChar(raw_marker), cut_marker);
}

QString finished(const QString& plain)
{
    return finish_verse_text(plain).value_or(QString());
}

} // namespace

TextFilters::TextFilters()
{
    const auto add = [this](char markup, sword::SWOptionFilter* filter, const char* value) {
        filter->setOptionValue(value);
        filters_.push_back({markup, std::unique_ptr<sword::SWOptionFilter>(filter)});
    };
    add(sword::FMT_OSIS, new sword::OSISFootnotes, "Off");
    add(sword::FMT_OSIS, new sword::OSISHeadings, "On");
    add(sword::FMT_OSIS, new sword::OSISStrongs, "Off");
    add(sword::FMT_OSIS, new sword::OSISMorph, "Off");
    add(sword::FMT_OSIS, new sword::OSISLemma, "Off");
    add(sword::FMT_OSIS, new sword::OSISScripref, "Off");
    add(sword::FMT_OSIS, new sword::OSISGlosses, "Off");
    add(sword::FMT_OSIS, new sword::OSISXlit, "Off");
    add(sword::FMT_OSIS, new sword::OSISMorphSegmentation, "Off");
    add(sword::FMT_OSIS, new sword::OSISVariants, "Primary Reading");
    add(sword::FMT_THML, new sword::ThMLFootnotes, "Off");
    add(sword::FMT_THML, new sword::ThMLHeadings, "On");
    add(sword::FMT_THML, new sword::ThMLStrongs, "Off");
    add(sword::FMT_THML, new sword::ThMLMorph, "Off");
    add(sword::FMT_THML, new sword::ThMLLemma, "Off");
    add(sword::FMT_THML, new sword::ThMLScripref, "Off");
    add(sword::FMT_THML, new sword::ThMLVariants, "Primary Reading");
    add(sword::FMT_GBF, new sword::GBFFootnotes, "Off");
    add(sword::FMT_GBF, new sword::GBFHeadings, "On");
    add(sword::FMT_GBF, new sword::GBFStrongs, "Off");
    add(sword::FMT_GBF, new sword::GBFMorph, "Off");
}

TextFilters::~TextFilters() = default;

OptionFilters TextFilters::filters_for(const sword::SWModule& module) const
{
    const sword::OptionFilterList& own = module.getOptionFilters();
    OptionFilters filters(own.begin(), own.end());
    for (const Filter& f : filters_) {
        if (f.markup != module.getMarkup())
            continue;
        const bool switched = std::any_of(own.begin(), own.end(), [&](sword::SWOptionFilter* o) {
            return std::strcmp(o->getOptionName(), f.filter->getOptionName()) == 0;
        });
        if (!switched)
            filters.push_back(f.filter.get());
    }
    return filters;
}

namespace {

// `raw` through those of `filters` that act on it and the module's strip
// filters, as SWModule::stripText does it; entry attributes (where libsword
// puts the headings before a verse) are made by the heading filter when
// `attributes` asks for them.
void strip(sword::SWModule& module, const OptionFilters& filters, sword::SWBuf& raw, bool attributes)
{
    if (is_plain(raw))
        return;
    mark_cut_elements(raw);
    for (sword::SWOptionFilter* filter : filters) {
        if (!acts_on(*filter, raw))
            continue;
        module.setProcessEntryAttributes(attributes && std::strcmp(filter->getOptionName(), "Headings") == 0);
        dynamic_cast<sword::SWFilter&>(*filter).processText(raw, module.getKey(), &module);
    }
    module.setProcessEntryAttributes(true);
    module.stripFilter(raw, module.getKey());
}

// The headings libsword put aside before the verse, in their order.
QString headings_before_verse(sword::SWModule& module, const OptionFilters& filters)
{
    const auto types = module.getEntryAttributes().find("Heading");
    if (types == module.getEntryAttributes().end())
        return {};
    const auto preverse = types->second.find("Preverse");
    if (preverse == types->second.end())
        return {};
    std::map<int, sword::SWBuf> ordered;
    for (const auto& [number, heading] : preverse->second)
        ordered[std::atoi(number.c_str())] = heading;
    QStringList lines;
    for (auto& [number, heading] : ordered) {
        strip(module, filters, heading, false);
        if (const QString line = finished(decoded(module, heading.c_str())); !line.isEmpty())
            lines << line;
    }
    return lines.join(u'\n');
}

} // namespace

PlainEntry plain_entry(sword::SWModule& module, const OptionFilters& filters)
{
    sword::SWBuf raw = module.getRawEntryBuf();
    const bool unreadable = raw.length() == 0 && module.getEntrySize() > 0;
    module.getEntryAttributes().clear();
    strip(module, filters, raw, true);
    return {finished(decoded(module, raw.c_str())), headings_before_verse(module, filters), unreadable};
}
