// The Access import end to end on damaged files: whatever the file holds,
// opening it gives a database or a DatabaseError, never a crash or a hang,
// and a database it gives answers the program's start-up reads. The import
// runs libmdb in a child process per file, so a fault there shows as the
// "damaged file" error; the fuzzer sees only what the program would see.

#include "database.h"
#include "fuzz_input.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

const QString bible_connect = QStringLiteral("MS Access;PWD=Murb64#7;");

QString scratch_file()
{
    static QTemporaryDir folder;
    return folder.filePath(QStringLiteral("input.mdb"));
}

// The reads start-up makes of either database, where the file has the table.
void read_like_startup(Database& db)
{
    try {
        auto qov = db.OpenRecordset(QStringLiteral("QOV"));
        qov->setIndex(QStringLiteral("Datum"));
        if (!qov->Eof()) {
            qov->Fields(QStringLiteral("datum"));
            qov->MoveLast();
            qov->Fields(QStringLiteral("datum"));
        }
    } catch (const DatabaseError&) {
    }
    try {
        auto texte = db.OpenRecordset(QStringLiteral("texte"));
        texte->setIndex(QStringLiteral("book"));
        texte->Seek(QStringLiteral(">="), {qint64(1), qint64(1)});
        for (int row = 0; row < 50 && !texte->Eof(); ++row) {
            texte->Fields(QStringLiteral("Bible_Text"));
            texte->MoveNext();
        }
    } catch (const DatabaseError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = scratch_file();
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    try {
        const std::unique_ptr<Database> db = OpenDatabase(path, false, true, bible_connect);
        FUZZ_CHECK(db != nullptr);
        read_like_startup(*db);
    } catch (const DatabaseError& error) {
        FUZZ_CHECK(error.message().contains(path));
    }
    return 0;
}
