// SPDX-License-Identifier: GPL-2.0-or-later
#include "StdUtil.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QStringDecoder>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five undefined
// codes map to the C1 controls of the same value, as Windows itself does.
constexpr char16_t cp1252_high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decode_windows_1252(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *dst++ = (b >= 0x80 && b <= 0x9F) ? QChar(cp1252_high[b - 0x80]) : QChar(b);
    }
    return out;
}

} // namespace

TextFileError::TextFileError(const QString& path, const QString& cause)
    : std::runtime_error(QStringLiteral("Cannot read %1: %2").arg(path, cause).toStdString())
    , path_(path)
{
}

bool IsNull(const QVariant& v)
{
    return !v.isValid();
}

QString ValueText(const QVariant& v)
{
    if (IsNull(v))
        return {};
    switch (v.typeId()) {
    case QMetaType::QDateTime: {
        const QDateTime dt = v.toDateTime();
        return dt.time() == QTime(0, 0) ? dt.date().toString(Qt::ISODate)
                                        : dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    case QMetaType::QDate:
        return v.toDate().toString(Qt::ISODate);
    default:
        return v.toString();
    }
}

void StrReplaceInPlace(QString& s, const QString& find, const QString& repl)
{
    if (find.isEmpty())
        return;
    qsizetype pos = s.indexOf(find, 0);
    if (pos < 0)
        return;
    // Build the result in one pass: same outcome as replacing step by step,
    // since inserted text is never searched again.
    QString out;
    out.reserve(s.size());
    qsizetype from = 0;
    while (pos >= 0) {
        out.append(QStringView(s).mid(from, pos - from));
        out.append(repl);
        from = pos + find.size();
        pos = s.indexOf(find, from);
    }
    out.append(QStringView(s).mid(from));
    s = std::move(out);
}

void StrReplaceInPlace(QString& s, const QString& find, const QVariant& repl)
{
    StrReplaceInPlace(s, find, ValueText(repl));
}

QString StrReplace(const QString& s, const QString& find, const QString& repl)
{
    QString copy = s;
    StrReplaceInPlace(copy, find, repl);
    return copy;
}

QString StrReplace(const QVariant& s, const QString& find, const QString& repl)
{
    return StrReplace(ValueText(s), find, repl);
}

void ReadTextFile(QString& target, const QString& path)
{
    QFile file(path);
    if (!file.exists())
        throw TextFileError(path, QStringLiteral("the file does not exist"));
    if (!file.open(QIODevice::ReadOnly))
        throw TextFileError(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TextFileError(path, file.errorString());

    // The decoder keeps a byte-order mark, so that exactly one is dropped below.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = decode_windows_1252(bytes);
    else if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    target = std::move(text);
}

QString GetToken(const QString& text, const QString& sep, int n)
{
    if (sep.isEmpty())
        return n <= 1 ? text : QString();
    qsizetype start = 0;
    for (int i = 1; i < n; ++i) {
        const qsizetype found = text.indexOf(sep, start);
        if (found < 0)
            return {};
        start = found + sep.size();
    }
    const qsizetype end = text.indexOf(sep, start);
    return end < 0 ? text.mid(start) : text.mid(start, end - start);
}

QString GetToken(const QVariant& text, const QString& sep, int n)
{
    return IsNull(text) ? QString() : GetToken(ValueText(text), sep, n);
}

QVariant NullToEmpty(const QVariant& v)
{
    return IsNull(v) ? QVariant(QString()) : v;
}
