// SPDX-License-Identifier: GPL-2.0-or-later
#include "sqlite_values.h"

#include <sqlite3.h>

#include <cstring>

bool is_date_type(const char* declared_type)
{
    if (!declared_type)
        return false;
    const QByteArray type = QByteArray(declared_type).toUpper();
    return type.contains("DATE") || type.contains("TIME");
}

QString iso_date_text(const QDateTime& value)
{
    const QString date = value.date().toString(Qt::ISODate);
    const QTime time = value.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return date;
    return date + u' ' + time.toString(u"HH:mm:ss");
}

namespace {

// The number written with exactly `width` decimal digits at `pos`, or -1.
int digits_at(QStringView text, qsizetype pos, int width)
{
    if (pos + width > text.size())
        return -1;
    int value = 0;
    for (int i = 0; i < width; ++i) {
        const char16_t c = text[pos + i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

} // namespace

QDateTime parse_iso_date(QStringView text)
{
    if (text.size() < 10 || text[4] != u'-' || text[7] != u'-')
        return {};
    const int year = digits_at(text, 0, 4);
    const QDate date(year, digits_at(text, 5, 2), digits_at(text, 8, 2));
    if (year < 0 || !date.isValid())
        return {};
    if (text.size() == 10)
        return QDateTime(date, QTime(0, 0), Qt::UTC);
    if (text.size() != 19 || (text[10] != u' ' && text[10] != u'T') || text[13] != u':'
        || text[16] != u':')
        return {};
    const QTime time(digits_at(text, 11, 2), digits_at(text, 14, 2), digits_at(text, 17, 2));
    if (!time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

QVariant column_value(sqlite3_stmt* stmt, int column, bool date_column)
{
    switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, column));
    case SQLITE_BLOB: {
        const void* data = sqlite3_column_blob(stmt, column);
        return QVariant(QByteArray(static_cast<const char*>(data), sqlite3_column_bytes(stmt, column)));
    }
    case SQLITE_TEXT: {
        const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        const QString text = QString::fromUtf8(data, sqlite3_column_bytes(stmt, column));
        if (date_column) {
            const QDateTime date = parse_iso_date(text);
            if (date.isValid())
                return QVariant(date);
        }
        return QVariant(text);
    }
    default:
        return QVariant();
    }
}

int bind_value(sqlite3_stmt* stmt, int index, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return sqlite3_bind_null(stmt, index);
    switch (value.typeId()) {
    case QMetaType::QDate:
    case QMetaType::QDateTime: {
        // A QDate goes by its day alone: its start of day may not be
        // midnight where the clocks change then.
        const QByteArray text = (value.typeId() == QMetaType::QDate ? value.toDate().toString(Qt::ISODate)
                                                                    : iso_date_text(value.toDateTime()))
                                    .toUtf8();
        return sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return sqlite3_bind_int64(stmt, index, value.toLongLong());
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(stmt, index, sqlite3_int64(value.toULongLong()));
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(stmt, index, value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return sqlite3_bind_blob(stmt, index, bytes.constData(), int(bytes.size()), SQLITE_TRANSIENT);
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        return sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    }
}
