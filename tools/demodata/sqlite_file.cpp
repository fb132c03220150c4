// SPDX-License-Identifier: GPL-2.0-or-later
#include "sqlite_file.h"

#include <QFile>
#include <QTemporaryFile>

#include <cstdio>

#include <sqlite3.h>

SqliteFile::SqliteFile(const QString& path) : path_(path)
{
    QFile::remove(path);
    if (sqlite3_open_v2(path.toUtf8().constData(), &db_,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
        fail("cannot create the file");
}

SqliteFile::~SqliteFile()
{
    sqlite3_close(db_);
}

void SqliteFile::fail(const QString& what) const
{
    const QString cause = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString();
    throw SqliteError((path_ + ": " + what + ": " + cause).toStdString());
}

void SqliteFile::exec(const QString& sql)
{
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        fail(sql);
}

void SqliteFile::close()
{
    if (sqlite3_close(db_) != SQLITE_OK)
        fail("cannot close");
    db_ = nullptr;
}

SqliteFile::Statement::Statement(SqliteFile& file, const QString& sql) : file_(file)
{
    if (sqlite3_prepare_v2(file.db_, sql.toUtf8().constData(), -1, &stmt_, nullptr) != SQLITE_OK)
        file.fail(sql);
}

SqliteFile::Statement::~Statement()
{
    sqlite3_finalize(stmt_);
}

void SqliteFile::Statement::run(const QVariantList& values)
{
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& v = values[i];
        int rc;
        if (!v.isValid()) {
            rc = sqlite3_bind_null(stmt_, i + 1);
        } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) {
            rc = sqlite3_bind_int64(stmt_, i + 1, v.toLongLong());
        } else {
            const QByteArray text = v.toString().toUtf8();
            rc = sqlite3_bind_text(stmt_, i + 1, text.constData(), int(text.size()),
                                   SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK)
            file_.fail("cannot bind a value");
    }
    if (sqlite3_step(stmt_) != SQLITE_DONE)
        file_.fail("cannot insert a row");
}

void replace_whole_file(const QString& path, const std::function<void(const QString& fresh)>& write)
{
    // The fresh file's unique name keeps two writers of one folder apart.
    QTemporaryFile fresh(path + ".XXXXXX.part");
    if (!fresh.open())
        throw SqliteError((path + ": cannot create a file beside it: " + fresh.errorString()).toStdString());
    fresh.close();
    write(fresh.fileName());
    // rename() replaces an existing target in one step, where QFile::rename
    // would have to remove it first.
    if (std::rename(QFile::encodeName(fresh.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        throw SqliteError((path + ": cannot replace it with " + fresh.fileName()).toStdString());
    fresh.setAutoRemove(false);
}
