// parsesql on arbitrary search texts: whatever the user types, the condition
// holds only word characters between its own quotes, the highlight list
// matches it word for word, and the full-text queries built from it run on
// a database with the fields those queries use.

#include "database.h"
#include "fuzz_input.h"
#include "query_parsing.h"
#include "search_queries.h"
#include "sqlite_test.h"

#include <QTemporaryDir>

#include <cstring>

namespace {

// The database lives as long as the fuzzer; its folder with it.
Database& database()
{
    static QTemporaryDir folder;
    static std::unique_ptr<Database> db = [] {
        const QString path = folder.filePath(QStringLiteral("search.db"));
        if (!sqlite_exec(path, QStringLiteral(
                "create table vw1qov (datum DATETIME, thema TEXT, text TEXT, book1 INTEGER, chapter1 INTEGER,"
                " verse1 INTEGER);"
                "insert into vw1qov values ('2024-01-01', 'Gottes Größe', 'O''Neil: 50% [Ja] * ? #', 45, 8, 28),"
                " (NULL, NULL, NULL, NULL, NULL, NULL);"
                "create table texte (book INTEGER, chapter INTEGER, verse INTEGER, Bible_Text TEXT);"
                "insert into texte values (1, 1, 1, 'Im Anfang schuf Gott'), (19, 23, 2, NULL);")))
            std::abort();
        return OpenDatabase(path);
    }();
    return *db;
}

// The database may refuse a condition only for being nested deeper than it
// allows (about a thousand words); the window reports that refusal.
void run_query(const QString& sql)
{
    try {
        for (auto rows = database().OpenRecordset(sql); !rows->Eof();)
            rows->MoveNext();
    } catch (const DatabaseError& error) {
        FUZZ_CHECK(std::strstr(error.what(), "Expression tree is too large") != nullptr);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool bible = input.ConsumeBool();
    const QString q = rest_text(input);

    const auto [condition, suchworte] = parsesql(bible ? QStringLiteral("Bible_text") : QStringLiteral("thema"), q);
    const int terms = int(condition.count(QStringLiteral(" like '*")));
    FUZZ_CHECK(condition.isEmpty() == suchworte.isEmpty());
    FUZZ_CHECK(int(suchworte.count(u';')) == terms);
    FUZZ_CHECK(int(condition.count(u'\'')) == 2 * terms);
    FUZZ_CHECK(!condition.endsWith(QStringLiteral(" AND")));
    if (condition.isEmpty())
        return 0;
    if (bible) {
        run_query(bible_full_text_query(condition).sql);
    } else {
        const SearchCondition second = parsesql(QStringLiteral("text"), q);
        FUZZ_CHECK(second.suchworte == suchworte);
        run_query(book_full_text_query(condition, second.condition).sql);
    }
    return 0;
}
