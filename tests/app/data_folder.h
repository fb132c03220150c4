#pragma once
// A data folder in a temporary folder that a test may change: the demo data's
// templates and pictures with copies of either the demo databases or the
// users' Access files.

#include <QString>
#include <QTemporaryDir>

class DataFolder {
public:
    enum class Databases { Demo, AccessFixtures };

    explicit DataFolder(Databases databases = Databases::Demo);

    QString path() const { return folder_.path(); }

    // Runs SQL on the folder's book (qov.mdb, an SQLite file with the demo data).
    void execute(const char* sql) const;

private:
    QTemporaryDir folder_;
};
