// SPDX-License-Identifier: GPL-2.0-or-later
#include "startup.h"

#include "StdUtil.h"
#include "dates.h"
#include "edition_probe.h"
#include "page_templates.h"

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

QString read_template_or_fail(const QString& apppath, const QString& relative_path)
{
    try {
        return read_template(apppath, relative_path);
    } catch (const TextFileError& e) {
        const QFileInfo file(e.path());
        const FileFailure failure = !file.exists() ? FileFailure::missing
                                    : file.isDir() ? FileFailure::folder
                                                   : FileFailure::unreadable;
        throw StartupError(e.path(), QStringLiteral("the template cannot be read: ") + QString::fromStdString(e.what()),
                           failure);
    }
}

void read_templates(FormState& state)
{
    const DayTemplate day = cut_day_template(read_template_or_fail(state.apppath, QStringLiteral("qovfiles/qovtemp.htm")));
    state.tplday = day.tplday;
    state.tplbibelst = day.tplbibelst;
    state.tplliste = read_template_or_fail(state.apppath, QStringLiteral("qovfiles/qovliste.htm"));
    state.tplbibelliste = read_template_or_fail(state.apppath, QStringLiteral("qovfiles/bibelliste.htm"));
    state.tpl_impressum = read_template_or_fail(state.apppath, QStringLiteral("qovfiles/impressum.htm"));
    state.tplhilfe = read_template_or_fail(state.apppath, QStringLiteral("qovfiles/hilfe.htm"));
    const ChapterTemplate chapter = cut_chapter_template(read_template_or_fail(state.apppath, QStringLiteral("qovfiles/bibel.htm")));
    state.tplbibel = chapter.tplbibel;
    state.tplvers = chapter.tplvers;
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

void read_year(FormState& state, const QString& path)
{
    try {
        state.rsQov->setIndex(QStringLiteral("Datum"));
        state.rsQov->MoveFirst();
        if (state.rsQov->Eof())
            throw StartupError(path, QStringLiteral("the table \"QOV\" is empty"), FileFailure::incomplete);
        state.firstdate = row_date(*state.rsQov, path, "first");
        state.rsQov->MoveLast();
        state.lastdate = row_date(*state.rsQov, path, "last");
    } catch (const DatabaseError& e) {
        throw StartupError(path, QStringLiteral("the dates of table \"QOV\" cannot be read: ") + e.message(),
                           content_failure(e));
    }
}

} // namespace

FormState load_form_resources(const QString& apppath, const Database::QueryObserver& observer)
{
    FormState state;
    state.apppath = apppath.endsWith(u'/') ? apppath : apppath + u'/';

    const QString qov_path = state.apppath + QStringLiteral("qov.mdb");
    state.db = open_database(qov_path, {});
    state.db->setQueryObserver(observer);
    state.rsQov = open_table(*state.db, qov_path, QStringLiteral("QOV"));

    const QString bible_path = state.apppath + QStringLiteral("elberfelderbibel.mdb");
    state.bibeldb = open_database(bible_path, bible_connect());
    state.bibeldb->setQueryObserver(observer);
    state.rsTexte = open_table(*state.bibeldb, bible_path, QStringLiteral("texte"), QStringLiteral("book"));

    read_templates(state);
    read_year(state, qov_path);

    try {
        state.lists = setcombo(*state.db);
    } catch (const DatabaseError& e) {
        throw StartupError(qov_path, QStringLiteral("the lookup lists cannot be read: ") + e.message(),
                           content_failure(e));
    }
    return state;
}
