// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The free string and file routines every page builder rests on.
//
// Positions and lengths count characters (UTF-16 code units of QString, which
// for the texts of this program are characters). Comparisons are exact and
// case-sensitive.
//
// Database values are QVariant: an invalid QVariant (QVariant()) is Null,
// which is distinct from an empty text.

#include <QString>
#include <QVariant>
#include <stdexcept>

// A file that could not be read. what() names the path and the cause.
class TextFileError : public std::runtime_error {
public:
    TextFileError(const QString& path, const QString& cause);
    const QString& path() const { return path_; }

private:
    QString path_;
};

// True when the database value is Null (absent), as distinct from empty text.
bool IsNull(const QVariant& v);

// The text of a database value: Null gives empty text, a date its ISO form,
// anything else its natural text form (whole numbers in decimal digits).
QString ValueText(const QVariant& v);

// Replaces every occurrence of `find` in `s` by `repl`, left to right; the
// occurrences do not overlap and inserted text is never searched again
// ("aa"->"b" in "aaa" gives "ba"). An empty `find` changes nothing.
void StrReplaceInPlace(QString& s, const QString& find, const QString& repl);
// The same with a database value as replacement; Null counts as empty text.
void StrReplaceInPlace(QString& s, const QString& find, const QVariant& repl);

// StrReplaceInPlace on a copy of `s`; the copy is returned.
QString StrReplace(const QString& s, const QString& find, const QString& repl);
QString StrReplace(const QVariant& s, const QString& find, const QString& repl);

// Reads the whole file at `path` into `target`: UTF-8 when the bytes are valid
// UTF-8 (a leading byte-order mark is dropped), otherwise Windows-1252, one
// character per byte. Nothing else is changed (line breaks stay "\r\n").
// Throws TextFileError naming the path and the cause when the file is missing
// or cannot be read; `target` is then left unchanged.
void ReadTextFile(QString& target, const QString& path);

// Field `n` (1 = first) of `text` split at `sep`, which may be longer than one
// character. Fewer fields than `n` give empty text; n <= 1 gives the first
// field. An empty `sep` splits nothing: field 1 is the whole text, later
// fields are empty.
QString GetToken(const QString& text, const QString& sep, int n);
// The same for a database value; Null gives empty text.
QString GetToken(const QVariant& text, const QString& sep, int n);

// Empty text for Null, else `v` unchanged (not converted).
QVariant NullToEmpty(const QVariant& v);
