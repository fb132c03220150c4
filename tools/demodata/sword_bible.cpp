// SPDX-License-Identifier: GPL-2.0-or-later
#include "sword_bible.h"

#include "osis_books.h"

#include <QFile>

#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>

#include <cctype>
#include <cstring>
#include <memory>

namespace {

// Where the element `name` begins at or after `pos` ("<name" followed by a
// blank, "/" or ">"), or npos.
std::size_t find_element(const std::string& raw, std::string_view name, std::size_t pos)
{
    const std::string open = "<" + std::string(name);
    for (std::size_t at = raw.find(open, pos); at != std::string::npos; at = raw.find(open, at + 1)) {
        const std::size_t after = at + open.size();
        if (after < raw.size() && (raw[after] == ' ' || raw[after] == '/' || raw[after] == '>'))
            return at;
    }
    return std::string::npos;
}

// `raw` with every `name` element, its content included, replaced by the marker.
std::string cut_element(const std::string& raw, std::string_view name, const std::string& marker)
{
    const std::string close = "</" + std::string(name) + ">";
    std::string out;
    out.reserve(raw.size());
    std::size_t pos = 0;
    for (;;) {
        const std::size_t start = find_element(raw, name, pos);
        if (start == std::string::npos) {
            out.append(raw, pos, std::string::npos);
            return out;
        }
        out.append(raw, pos, start - pos);
        out += marker;
        const std::size_t tag_end = raw.find('>', start);
        if (tag_end == std::string::npos)
            return out;
        if (raw[tag_end - 1] == '/') {
            pos = tag_end + 1;
            continue;
        }
        const std::size_t end = raw.find(close, tag_end);
        if (end == std::string::npos)
            return out;
        pos = end + close.size();
    }
}

// Where the chapter ends in `raw` (its closing milestone, <chapter eID=…/>),
// or npos.
std::size_t chapter_end(const std::string& raw)
{
    for (std::size_t at = find_element(raw, "chapter", 0); at != std::string::npos;
         at = find_element(raw, "chapter", at + 1)) {
        const std::size_t tag_end = raw.find('>', at);
        if (tag_end != std::string::npos && raw.substr(at, tag_end - at).find("eID=") != std::string::npos)
            return at;
    }
    return std::string::npos;
}

} // namespace

std::string cut_non_verse_elements(const std::string& raw_osis)
{
    const std::string marker = QString(cut_marker).toStdString();
    std::string text = raw_osis.substr(0, chapter_end(raw_osis));
    for (std::string_view name : {"note", "title", "speaker"})
        text = cut_element(text, name, marker);
    return text;
}

namespace {

// Elements that stand between lines, paragraphs or chapters: where they were,
// the words on either side are apart.
bool separates_words(std::string_view tag_name)
{
    for (std::string_view name : {"l", "lg", "lb", "div", "p", "milestone", "chapter", "item", "list"})
        if (tag_name == name)
            return true;
    return false;
}

} // namespace

QString osis_to_plain(const std::string& osis)
{
    std::string plain;
    plain.reserve(osis.size());
    for (std::size_t i = 0; i < osis.size();) {
        if (osis[i] == '<') {
            const std::size_t end = osis.find('>', i);
            if (end == std::string::npos)
                break;
            std::size_t name_start = i + 1;
            if (name_start < end && osis[name_start] == '/')
                ++name_start;
            std::size_t name_end = name_start;
            while (name_end < end && std::isalpha(static_cast<unsigned char>(osis[name_end])))
                ++name_end;
            if (separates_words(std::string_view(osis).substr(name_start, name_end - name_start)))
                plain += ' ';
            i = end + 1;
            continue;
        }
        if (osis[i] == '&') {
            bool decoded = false;
            for (auto [entity, character] : {std::pair("&amp;", '&'), std::pair("&lt;", '<'),
                                             std::pair("&gt;", '>'), std::pair("&quot;", '"'),
                                             std::pair("&apos;", '\'')}) {
                if (osis.compare(i, std::strlen(entity), entity) == 0) {
                    plain += character;
                    i += std::strlen(entity);
                    decoded = true;
                    break;
                }
            }
            if (decoded)
                continue;
        }
        plain += osis[i++];
    }
    return QString::fromUtf8(plain);
}

namespace {

// A given folder is read alone: the user's own SWORD folder must not stand in
// for a module that the folder lacks.
std::unique_ptr<sword::SWMgr> sword_manager(const QString& sword_path)
{
    if (sword_path.isEmpty())
        return std::make_unique<sword::SWMgr>();
    return std::make_unique<sword::SWMgr>(QFile::encodeName(sword_path + "/").constData(), true,
                                          nullptr, false, false);
}

// OSIS entries in UTF-8 go through the cutting above, which knows the
// elements that are no verse text; other markups and encodings through
// SWORD's own plain rendering (in UTF-8) with notes, headings and tags
// switched off.
std::optional<QString> verse_text(sword::SWModule& module, bool osis)
{
    if (osis)
        return finish_verse_text(osis_to_plain(cut_non_verse_elements(module.getRawEntry())));
    return finish_verse_text(QString::fromUtf8(module.stripText()));
}

} // namespace

BibleText read_sword_bible(const QString& module_name, const QString& sword_path)
{
    const std::unique_ptr<sword::SWMgr> manager = sword_manager(sword_path);
    for (const char* option : {"Footnotes", "Headings", "Strong's Numbers", "Morphological Tags",
                               "Cross-references"})
        manager->setGlobalOption(option, "Off");
    const QString quoted = QString::fromUtf8("„%1“").arg(module_name);
    sword::SWModule* module = manager->getModule(module_name.toUtf8().constData());
    if (!module)
        throw BibleSourceError(
            (sword_path.isEmpty() ? QString("Das SWORD-Modul %1 ist nicht installiert.").arg(quoted)
                                  : QString("Das SWORD-Modul %1 ist im Ordner „%2“ nicht installiert.")
                                        .arg(quoted, sword_path))
                .toStdString());
    if (std::strcmp(module->getType(), sword::SWMgr::MODTYPE_BIBLES) != 0)
        throw BibleSourceError(QString("Das SWORD-Modul %1 ist keine Bibel, sondern vom Typ „%2“.")
                                   .arg(quoted, QString::fromUtf8(module->getType()))
                                   .toStdString());
    const char* source_type = module->getConfigEntry("SourceType");
    const bool osis = source_type && std::strcmp(source_type, "OSIS") == 0 && module->getEncoding() == sword::ENC_UTF8;
    std::unique_ptr<sword::VerseKey> key(static_cast<sword::VerseKey*>(module->createKey()));
    std::vector<Verse> verses;
    verses.reserve(31104);
    bool any_text = false;
    for (char testament = 1; testament <= key->getTestamentMax(); ++testament) {
        key->setTestament(testament);
        for (char b = 1; b <= key->getBookMax(); ++b) {
            key->setBook(b);
            const int book = book_of_osis(key->getOSISBookName());
            if (book == 0)
                continue;
            for (int chapter = 1; chapter <= key->getChapterMax(); ++chapter) {
                key->setChapter(chapter);
                for (int verse = 1; verse <= key->getVerseMax(); ++verse) {
                    key->setVerse(verse);
                    module->setKey(*key);
                    verses.push_back({book, chapter, verse, verse_text(*module, osis)});
                    any_text = any_text || verses.back().text;
                }
            }
        }
    }
    if (!any_text)
        throw BibleSourceError(QString("Das SWORD-Modul %1 enthält keinen Bibeltext.").arg(quoted).toStdString());
    return BibleText(std::move(verses));
}
