// parsesql on arbitrary search texts: whatever the user types, the condition
// holds only word characters between its own quotes, the highlight list
// matches it word for word, and the full-text queries built from it run on
// the database (an SQLite file with the fields those queries use). The
// dialect translation is fuzzed on arbitrary statements as well.

#include "database.h"
#include "fuzz_input.h"
#include "query_parsing.h"
#include "search_queries.h"
#include "sql_dialect.h"
#include "sqlite_test.h"

#include <QTemporaryDir>

#include <cstring>
#include <memory>

namespace {

const char* const schema = R"sql(
create table vw1qov (datum DATETIME, thema TEXT, text TEXT, bibelstelle TEXT, aid INTEGER,
                     bereich INTEGER, book1 INTEGER, chapter1 INTEGER, verse1 INTEGER);
insert into vw1qov values ('2024-01-01', 'Gottes Größe', 'Über alles: Liebe, Glaube und Hoffnung.',
                           'Römer 8,28', 1, 2, 45, 8, 28);
insert into vw1qov values ('2024-01-02', 'Café und Straße', 'O''Neil fragt: 50% [Ja] * ? #', 'Psalm 90', 2, 1,
                           19, 90, 1);
insert into vw1qov values ('2024-01-03', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
create table texte (book INTEGER, chapter INTEGER, verse INTEGER, Bible_Text TEXT);
insert into texte values (1, 1, 1, 'Im Anfang schuf Gott die Himmel und die Erde.');
insert into texte values (19, 23, 1, 'Der HERR ist mein Hirte, mir wird nichts mangeln.');
insert into texte values (19, 23, 2, NULL);
)sql";

// The database lives as long as the fuzzer; its folder with it.
Database& database()
{
    static QTemporaryDir folder;
    static std::unique_ptr<Database> db = [] {
        const QString path = folder.filePath(QStringLiteral("search.db"));
        if (!sqlite_exec(path, QString::fromUtf8(schema)))
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
        auto rows = database().OpenRecordset(sql);
        while (!rows->Eof())
            rows->MoveNext();
    } catch (const DatabaseError& error) {
        if (std::strstr(error.what(), "Expression tree is too large") != nullptr)
            return;
        fprintf(stderr, "rejected: %s\n", error.what());
        std::abort();
    }
}

int count_terms(const QString& condition)
{
    return int(condition.count(QStringLiteral(" like '*")));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const bool bible = input.ConsumeBool();
    const QString statement = next_text(input, 256);
    const QString q = rest_text(input);

    const QString field = bible ? QStringLiteral("Bible_text") : QStringLiteral("thema");
    const auto [condition, suchworte] = parsesql(field, q);
    const int terms = count_terms(condition);
    FUZZ_CHECK(condition.isEmpty() == suchworte.isEmpty());
    FUZZ_CHECK(int(suchworte.count(u';')) == terms);
    FUZZ_CHECK(int(condition.count(u'\'')) == 2 * terms);
    FUZZ_CHECK(!condition.endsWith(QStringLiteral(" AND")));

    if (!condition.isEmpty()) {
        if (bible) {
            run_query(bible_full_text_query(condition).sql);
        } else {
            const SearchCondition second = parsesql(QStringLiteral("text"), q);
            FUZZ_CHECK(second.suchworte == suchworte);
            run_query(book_full_text_query(condition, second.condition).sql);
        }
    }

    const QString translated = translate_access_sql(statement);
    if (!statement.contains(QStringLiteral("top"), Qt::CaseInsensitive))
        FUZZ_CHECK(translated == statement);
    return 0;
}
