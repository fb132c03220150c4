// SPDX-License-Identifier: GPL-2.0-or-later
#include "dates.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

const QLocale& german()
{
    static const QLocale locale(QLocale::German, QLocale::Germany);
    return locale;
}

} // namespace

QString format_long_date(QDate date)
{
    return german().toString(date, QStringLiteral("dddd, d. MMMM yyyy"));
}

QString format_message_date(QDate date)
{
    return german().toString(date, QStringLiteral("dd. MMMM yyyy"));
}

QString format_list_date(QDate date)
{
    return german().toString(date, QStringLiteral("dd.MM.yy"));
}

QString format_short_date(QDate date)
{
    return german().toString(date, QStringLiteral("dd.MM.yyyy"));
}

namespace {

// Day, separator, month and year of `match` as a date; a year left out is
// `book_year`.
std::optional<QDate> date_of_match(const QRegularExpressionMatch& match, int book_year)
{
    if (!match.hasMatch())
        return std::nullopt;
    const int day = match.captured(1).toInt();
    const int month = match.captured(3).toInt();
    const QString year_text = match.captured(4);
    int year = year_text.isEmpty() ? book_year : year_text.toInt();
    if (year_text.size() == 2)
        year += year < 30 ? 2000 : 1900;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace

std::optional<QDate> read_user_date(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*(\d{1,2})([./-])(\d{1,2})\2(\d{2}|\d{4})\s*$)"));
    return date_of_match(form.match(text), 0);
}

std::optional<QDate> read_date_field(const QString& text, int book_year)
{
    static const QRegularExpression form(
        QStringLiteral(R"(^\s*(\d{1,2})\s*([./-])\s*(\d{1,2})\s*(?:\2\s*(\d{2}|\d{4})?\s*)?$)"));
    return date_of_match(form.match(text), book_year);
}

QDate date_of(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value.toDateTime().date();
    case QMetaType::QDate:
        return value.toDate();
    case QMetaType::QString: {
        // Qt's ISO form takes any punctuation between the parts; ours is "-".
        const QString text = value.toString().left(10);
        if (text.size() < 10 || text[4] != u'-' || text[7] != u'-')
            return {};
        return QDate::fromString(text, Qt::ISODate);
    }
    default:
        return {};
    }
}
