// SPDX-License-Identifier: GPL-2.0-or-later
#include "startup.h"

#include "StdUtil.h"
#include "dates.h"
#include "day_reference.h"
#include "edition_probe.h"
#include "page_templates.h"

#include <QDir>
#include <QFileInfo>

StartupError::StartupError(const QString& file, const QString& cause, FileFailure failure)
    : std::runtime_error(QStringLiteral("%1: %2").arg(file, cause).toStdString())
    , file_(file)
    , cause_(cause)
    , failure_(failure)
{
}

QString german_message(const StartupError& error)
{
    return file_reason(error.file(), error.failure());
}

namespace {

// A failure while reading an open database: damaged pages, or else parts
// the program needs that the file lacks.
FileFailure content_failure(const DatabaseError& error)
{
    return error.failure() == FileFailure::damaged ? FileFailure::damaged : FileFailure::incomplete;
}

std::unique_ptr<Database> open_database(const QString& path, const QString& connect)
{
    if (!QFileInfo::exists(path))
        throw StartupError(path, QStringLiteral("the database file does not exist"), FileFailure::missing);
    try {
        return OpenDatabase(path, false, false, connect);
    } catch (const DatabaseError& e) {
        // A file the engine refuses without saying why is taken for damaged.
        const FileFailure failure = e.failure() == FileFailure::unknown ? FileFailure::damaged : e.failure();
        throw StartupError(path, QStringLiteral("the database cannot be opened: ") + e.message(), failure);
    }
}

// Opens a table cursor, turning a failure into a StartupError on `path`.
std::unique_ptr<Recordset> open_table(Database& db, const QString& path, const QString& table,
                                      const QString& index = {})
{
    try {
        std::unique_ptr<Recordset> rs = db.OpenRecordset(table);
        if (!index.isEmpty())
            rs->setIndex(index);
        return rs;
    } catch (const DatabaseError& e) {
        throw StartupError(path, QStringLiteral("the table \"%1\" cannot be opened: %2").arg(table, e.message()),
                           content_failure(e));
    }
}

QString read_template_or_fail(const EditionParts& files, const QString& name)
{
    try {
        return read_template(QDir(files.templates_folder).filePath(name), files.pictures_folder + u'/');
    } catch (const TextFileError& e) {
        const QFileInfo file(e.path());
        const FileFailure failure = !file.exists() ? FileFailure::missing
                                    : file.isDir() ? FileFailure::folder
                                                   : FileFailure::unreadable;
        throw StartupError(e.path(), QStringLiteral("the template cannot be read: ") + QString::fromStdString(e.what()),
                           failure);
    }
}

void read_templates(OpenBook& book)
{
    const EditionParts& files = book.files;
    const DayTemplate day = cut_day_template(read_template_or_fail(files, QStringLiteral("qovtemp.htm")));
    book.tplday = day.tplday;
    book.tplbibelst = day.tplbibelst;
    book.tplliste = read_template_or_fail(files, QStringLiteral("qovliste.htm"));
    book.tplbibelliste = read_template_or_fail(files, QStringLiteral("bibelliste.htm"));
    book.tpl_impressum = read_template_or_fail(files, QStringLiteral("impressum.htm"));
    book.tplhilfe = read_template_or_fail(files, QStringLiteral("hilfe.htm"));
    const ChapterTemplate chapter = cut_chapter_template(read_template_or_fail(files, QStringLiteral("bibel.htm")));
    book.tplbibel = chapter.tplbibel;
    book.tplvers = chapter.tplvers;
}

// The date of the current row of "QOV"; a row without a date cannot bound the year.
QDate row_date(const Recordset& rsQov, const QString& path, const char* which)
{
    const QDate date = date_of(rsQov.Fields(QStringLiteral("datum")));
    if (!date.isValid())
        throw StartupError(path, QStringLiteral("the %1 row of table \"QOV\" has no date").arg(QString::fromLatin1(which)),
                           FileFailure::incomplete);
    return date;
}

void read_year(OpenBook& book, const QString& path)
{
    try {
        book.rsQov->setIndex(QStringLiteral("Datum"));
        book.rsQov->MoveFirst();
        if (book.rsQov->Eof())
            throw StartupError(path, QStringLiteral("the table \"QOV\" is empty"), FileFailure::incomplete);
        book.firstdate = row_date(*book.rsQov, path, "first");
        book.rsQov->MoveLast();
        book.lastdate = row_date(*book.rsQov, path, "last");
    } catch (const DatabaseError& e) {
        throw StartupError(path, QStringLiteral("the dates of table \"QOV\" cannot be read: ") + e.message(),
                           content_failure(e));
    }
}

} // namespace

QString OpenBook::title() const
{
    return book_title(firstdate.year());
}

std::unique_ptr<OpenBook> open_book(const QString& apppath, const EditionParts& files,
                                    const Database::QueryObserver& observer)
{
    auto book = std::make_unique<OpenBook>();
    book->apppath = apppath.endsWith(u'/') ? apppath : apppath + u'/';
    book->files = files;

    book->db = open_database(files.book_file, {});
    book->db->setQueryObserver(observer);
    book->rsQov = open_table(*book->db, files.book_file, QStringLiteral("QOV"));

    book->bibeldb = open_database(files.bible_file, bible_connect());
    book->bibeldb->setQueryObserver(observer);
    book->rsTexte = open_table(*book->bibeldb, files.bible_file, QStringLiteral("texte"), QStringLiteral("book"));

    read_templates(*book);
    read_year(*book, files.book_file);

    try {
        book->lists = setcombo(*book->db);
    } catch (const DatabaseError& e) {
        throw StartupError(files.book_file, QStringLiteral("the lookup lists cannot be read: ") + e.message(),
                           content_failure(e));
    }
    return book;
}

std::unique_ptr<OpenBook> open_book(const QString& apppath, const Database::QueryObserver& observer)
{
    return open_book(apppath, edition_parts(apppath), observer);
}
