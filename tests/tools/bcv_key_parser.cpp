#include "bcv_key_parser.h"

#include <QRegularExpression>
#include <QStringList>

std::vector<ParsedPassage> parse_bcv_key(const QString& key)
{
    static const QRegularExpression in_chapter("^(\\d+)_(\\d+)_(\\d+)(?:-(\\d+))?$");
    static const QRegularExpression across("^(\\d+)_(\\d+),(\\d+)-(\\d+),(\\d+)$");
    std::vector<ParsedPassage> passages;
    for (const QString& reference : key.split('/')) {
        if (const auto m = in_chapter.match(reference); m.hasMatch()) {
            const int verse = m.captured(3).toInt();
            const int end = m.captured(4).isEmpty() ? verse : m.captured(4).toInt();
            passages.push_back({m.captured(1).toInt(), m.captured(2).toInt(), verse,
                                m.captured(2).toInt(), end});
        } else if (const auto a = across.match(reference); a.hasMatch()) {
            passages.push_back({a.captured(1).toInt(), a.captured(2).toInt(), a.captured(3).toInt(),
                                a.captured(4).toInt(), a.captured(5).toInt()});
        } else {
            return {};
        }
    }
    return passages;
}
