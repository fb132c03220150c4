// SPDX-License-Identifier: GPL-2.0-or-later
#include "typed_place.h"

#include "dates.h"
#include "folding.h"

#include <QRegularExpression>

#include <array>

namespace {

// The abbreviations of the books, in the order of their numbers.
constexpr std::array<const char16_t*, 66> abbreviations{
    u"1Mo",  u"2Mo",  u"3Mo",   u"4Mo",    u"5Mo",    u"Jos",  u"Ri",   u"Rut",  u"1Sam", u"2Sam", u"1Kön",
    u"2Kön", u"1Chr", u"2Chr",  u"Esr",    u"Neh",    u"Est",  u"Hiob", u"Ps",   u"Spr",  u"Pred", u"Hld",
    u"Jes",  u"Jer",  u"Klgl",  u"Hes",    u"Dan",    u"Hos",  u"Joel", u"Am",   u"Obd",  u"Jona", u"Mi",
    u"Nah",  u"Hab",  u"Zef",   u"Hag",    u"Sach",   u"Mal",  u"Mt",   u"Mk",   u"Lk",   u"Joh",  u"Apg",
    u"Röm",  u"1Kor", u"2Kor",  u"Gal",    u"Eph",    u"Phil", u"Kol",  u"1Thess", u"2Thess", u"1Tim", u"2Tim",
    u"Tit",  u"Phlm", u"Hebr",  u"Jak",    u"1Petr",  u"2Petr", u"1Joh", u"2Joh", u"3Joh", u"Jud",  u"Offb",
};

// A book's name as compared: folded, without blanks and dots.
std::u16string name_key(QStringView name)
{
    QString compact;
    for (QChar c : name)
        if (c != u'.' && !c.isSpace())
            compact.append(c);
    return fold_word(compact);
}

int book_number(QStringView name, const Buecher& buecher)
{
    const std::u16string key = name_key(name);
    for (size_t book = 1; book < buecher.size(); ++book) {
        const bool named = !buecher[book].buch.isNull() && name_key(buecher[book].buch.toString()) == key;
        const bool abbreviated = book <= abbreviations.size()
                                 && name_key(QStringView(abbreviations[book - 1])) == key;
        if (named || abbreviated)
            return static_cast<int>(book);
    }
    return 0;
}

} // namespace

std::optional<TypedReference> read_typed_reference(QStringView text, const Buecher& buecher)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*((?:[1-5]\s*\.?\s*)?[^\W\d_](?:[^\W\d_]|[.\s])*?)\s*\.?\s*)"
                       R"((?:(\d{1,3})\s*(?:[,:]\s*(\d{1,3})\s*(?:-\s*(\d{1,3}))?)?)?\s*$)"),
        QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = pattern.match(text.toString());
    if (!match.hasMatch())
        return std::nullopt;
    const int book = book_number(match.capturedView(1), buecher);
    if (book == 0)
        return std::nullopt;
    TypedReference reference{book, 1, 0, 0};
    if (match.hasCaptured(2))
        reference.chapter = match.capturedView(2).toInt();
    if (match.hasCaptured(3))
        reference.first_verse = reference.last_verse = match.capturedView(3).toInt();
    if (match.hasCaptured(4))
        reference.last_verse = match.capturedView(4).toInt();
    if (reference.last_verse < reference.first_verse)
        std::swap(reference.first_verse, reference.last_verse);
    return reference;
}

std::optional<QDate> read_typed_date(QStringView text, int year)
{
    if (const std::optional<QDate> date = read_date_field(text.toString(), year))
        return date;
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*(\d{1,2})\s*\.?\s*([^\W\d_]+)\.?\s*(\d{4})?\s*$)"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = pattern.match(text.toString());
    if (!match.hasMatch())
        return std::nullopt;
    static const std::array<const char16_t*, 12> months{u"januar", u"februar", u"marz", u"april", u"mai", u"juni",
                                                        u"juli", u"august", u"september", u"oktober", u"november",
                                                        u"dezember"};
    const std::u16string name = fold_word(match.capturedView(2));
    for (int month = 0; month < 12; ++month) {
        const std::u16string_view full(months[month]);
        const bool named = name == full || (name.size() == 3 && full.starts_with(name));
        if (!named)
            continue;
        const int in_year = match.hasCaptured(3) ? match.capturedView(3).toInt() : year;
        const QDate date(in_year, month + 1, match.capturedView(1).toInt());
        return date.isValid() ? std::optional(date) : std::nullopt;
    }
    return std::nullopt;
}
