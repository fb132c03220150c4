// SPDX-License-Identifier: GPL-2.0-or-later
#include "edition_probe.h"

#include "database.h"
#include "dates.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

QString file_reason(const QString& file, FileFailure failure)
{
    return QDir::toNativeSeparators(file) + QStringLiteral(": ") + german_cause(failure);
}

namespace {

// A file the engine refuses without saying why is taken for damaged.
FileFailure open_failure(const DatabaseError& error)
{
    return error.failure() == FileFailure::unknown ? FileFailure::damaged : error.failure();
}

// A failure while reading an open database: damaged pages, or else parts
// the book needs that the file lacks.
FileFailure content_failure(const DatabaseError& error)
{
    return error.failure() == FileFailure::damaged ? FileFailure::damaged : FileFailure::incomplete;
}

// The first and last "datum" of table "QOV" in the order of its index
// "Datum", as start-up reads them; the reason when they cannot be had.
std::optional<QString> read_days(Edition& edition)
{
    const QString& book = edition.parts.book_file;
    std::unique_ptr<Database> db;
    try {
        db = open_database_part(book, {}, {QStringLiteral("QOV"), {QStringLiteral("datum")}, {QStringLiteral("Datum")}});
    } catch (const DatabaseError& error) {
        return file_reason(book, open_failure(error));
    }
    try {
        const std::unique_ptr<Recordset> rsQov = db->OpenRecordset(QStringLiteral("QOV"));
        rsQov->setIndex(QStringLiteral("Datum"));
        rsQov->MoveFirst();
        if (rsQov->Eof())
            return file_reason(book, FileFailure::incomplete);
        const QDate first = date_of(rsQov->Fields(QStringLiteral("datum")));
        rsQov->MoveLast();
        const QDate last = date_of(rsQov->Fields(QStringLiteral("datum")));
        if (!first.isValid() || !last.isValid())
            return file_reason(book, FileFailure::incomplete);
        edition.firstdate = first;
        edition.lastdate = last;
        edition.year = first.year();
    } catch (const DatabaseError& error) {
        return file_reason(book, content_failure(error));
    }
    return std::nullopt;
}

std::optional<QString> check_bible(const QString& bible, BibleChecks& bibles)
{
    const QString canonical = QFileInfo(bible).canonicalFilePath();
    const QString key = canonical.isEmpty() ? bible : canonical;
    auto known = bibles.constFind(key);
    if (known == bibles.constEnd()) {
        std::optional<FileFailure> failure;
        try {
            check_database_file(bible, bible_connect());
        } catch (const DatabaseError& error) {
            failure = open_failure(error);
        }
        known = bibles.insert(key, failure);
    }
    if (!known.value())
        return std::nullopt;
    return file_reason(bible, *known.value());
}

std::optional<QString> check_templates(const QString& folder)
{
    for (const QString& name : template_names()) {
        const QString path = QDir(folder).filePath(name);
        const QFileInfo file(path);
        if (!file.exists())
            return file_reason(path, FileFailure::missing);
        if (file.isDir())
            return file_reason(path, FileFailure::folder);
        if (!file.isReadable())
            return file_reason(path, FileFailure::unreadable);
    }
    return std::nullopt;
}

} // namespace

Edition probe_edition(const QString& folder, const EditionParts& parts, BibleChecks& bibles)
{
    Edition edition;
    edition.folder = QDir::cleanPath(QDir(folder).absolutePath());
    edition.parts = parts;
    std::optional<QString> reason = read_days(edition);
    if (!reason)
        reason = check_bible(parts.bible_file, bibles);
    if (!reason)
        reason = check_templates(parts.templates_folder);
    edition.usable = !reason;
    edition.reason = reason.value_or(QString());
    return edition;
}

Edition probe_edition_at(const QString& place, const EditionParts& fallback)
{
    const QString folder = edition_folder(place);
    BibleChecks bibles;
    return probe_edition(folder, edition_parts(folder, fallback), bibles);
}
