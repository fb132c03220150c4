// SPDX-License-Identifier: GPL-2.0-or-later
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
    static const QString path = folder.filePath(QStringLiteral("search.db"));
    static const std::unique_ptr<Database> db = sqlite_exec(path, QStringLiteral(
        "create table vw1qov (datum DATETIME, thema TEXT, text TEXT, book1, chapter1, verse1);"
        "insert into vw1qov values ('2024-01-01', 'Gottes Größe', 'O''Neil: 50% [Ja] * ? #', 45, 8, 28),"
        " (NULL, NULL, NULL, NULL, NULL, NULL);"
        "create table texte (book, chapter, verse, Bible_Text TEXT);"
        "insert into texte values (1, 1, 1, 'Im Anfang schuf Gott'), (19, 23, 2, NULL);"))
        ? OpenDatabase(path) : nullptr;
    FUZZ_CHECK(db);
    return *db;
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
    const SearchCondition text = parsesql(QStringLiteral("text"), q);
    FUZZ_CHECK(text.suchworte == suchworte);
    if (condition.isEmpty())
        return 0;
    // The database may refuse a condition only for being nested deeper than
    // it allows (about a thousand words); the window reports that refusal.
    const SearchQuery query = bible ? bible_full_text_query(condition) : book_full_text_query(condition, text.condition);
    try {
        for (auto rows = database().OpenRecordset(query.sql); !rows->Eof();)
            rows->MoveNext();
    } catch (const DatabaseError& error) {
        FUZZ_CHECK(std::strstr(error.what(), "Expression tree is too large") != nullptr);
    }
    return 0;
}
