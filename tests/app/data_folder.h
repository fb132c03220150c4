#pragma once
// Data folders for start-up tests: copies of the demo data (or of the Access
// fixtures) in a temporary folder that a test may damage.

#include <QString>
#include <QTemporaryDir>

class DataFolder {
public:
    // The demo data's templates and pictures, with no database yet.
    DataFolder();

    QString path() const { return folder_.path(); }
    QString file(const QString& name) const { return folder_.filePath(name); }

    // Copies a file of the demo data folder, or any file, into the folder.
    void copy_demo(const QString& name, const QString& as = {}) const;
    void copy(const QString& from, const QString& as) const;
    void write(const QString& name, const QByteArray& content) const;
    // Runs SQL on an SQLite file of the folder.
    void execute(const QString& name, const char* sql) const;

private:
    QTemporaryDir folder_;
};
