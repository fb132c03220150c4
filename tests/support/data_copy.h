#pragma once
// A writable copy of the demo data folder (both databases, qovfiles/,
// qov_pics/) in a temporary folder, and the ways the tests damage it.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class DataCopy {
public:
    DataCopy();

    QString path() const { return folder_.path(); }
    QString file(const QString& name) const { return folder_.filePath(name); }

    void remove(const QString& name) const;
    void write(const QString& name, const QByteArray& content) const;
    QByteArray read(const QString& name) const;
    // Keeps the first `size` bytes.
    void truncate(const QString& name, qint64 size) const;
    // Overwrites `length` bytes from `offset` on with bytes that follow no
    // format (the same ones on every run).
    void garble(const QString& name, qint64 offset, qint64 length) const;
    // Runs SQL on one of the SQLite databases of the copy.
    void execute(const QString& name, const QString& sql) const;
    // Replaces every occurrence of `from` in a text file.
    void replace_text(const QString& name, const QString& from, const QString& to) const;
    // Puts a copy of the Access fixture `fixture` in place of `name`.
    void use_access_fixture(const QString& fixture, const QString& name) const;
    // Sets the database password of an Access file of the copy.
    void set_access_password(const QString& name, const QString& password) const;

private:
    QTemporaryDir folder_;
};
