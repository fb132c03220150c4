// Inputs the fuzzers (fuzz/) found that broke a promise of the code, kept
// so that the fault stays fixed in the ordinary build as well. The same
// inputs lie in fuzz/corpus/<target>/found-*.

#include "StdUtil.h"
#include "access_import.h"
#include "dates.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <sqlite3.h>

namespace {

// Writes `bytes` as the file `name` in `folder` and returns its path.
QString write_file(const QTemporaryDir& folder, const char* name, const QByteArray& bytes)
{
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

QString read_bytes_as_template(const QByteArray& bytes)
{
    QTemporaryDir folder;
    QString text;
    ReadTextFile(text, write_file(folder, "qovtemp.htm", bytes));
    return text;
}

// template_file: the decoder dropped a byte-order mark of its own before the
// reader dropped one more, so a file starting with two lost both.
TEST(FuzzFindings, OnlyOneByteOrderMarkIsDropped)
{
    EXPECT_EQ(read_bytes_as_template("\xEF\xBB\xBF\xEF\xBB\xBF<p>#BibelStar#BibelEnd#</p>"),
              QChar(0xFEFF) + QStringLiteral("<p>#BibelStar#BibelEnd#</p>"));
    EXPECT_EQ(read_bytes_as_template("\xEF\xBB\xBF<p>"), QStringLiteral("<p>"));
}

// user_date: a text with other punctuation than "-" between the parts of
// an ISO date read as that date.
TEST(FuzzFindings, DatabaseDateTextNeedsTheIsoForm)
{
    EXPECT_FALSE(date_of(QVariant(QStringLiteral("0503.03/24"))).isValid());
    EXPECT_FALSE(date_of(QVariant(QStringLiteral("2024/03/05"))).isValid());
    EXPECT_EQ(date_of(QVariant(QStringLiteral("2024-03-05 10:00:00"))), QDate(2024, 3, 5));
}

// The user tables of an imported database with their numbers of rows.
QStringList row_counts(const QString& path)
{
    sqlite3* db = import_access_database(path, QString());
    QStringList tables;
    sqlite3_stmt* list = nullptr;
    sqlite3_prepare_v2(db, "select name from sqlite_master where type = 'table' order by name", -1, &list,
                       nullptr);
    while (sqlite3_step(list) == SQLITE_ROW)
        tables << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(list, 0)));
    sqlite3_finalize(list);
    QStringList counts;
    for (const QString& table : tables) {
        sqlite3_stmt* count = nullptr;
        const QByteArray sql = "select count(*) from \"" + table.toUtf8() + '"';
        sqlite3_prepare_v2(db, sql.constData(), -1, &count, nullptr);
        sqlite3_step(count);
        counts << table + u' ' + QString::number(sqlite3_column_int64(count, 0));
        sqlite3_finalize(count);
    }
    sqlite3_close(db);
    return counts;
}

quint16 read_u16(const QByteArray& bytes, qsizetype at)
{
    return quint16(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8);
}

// access_import: a row that claims more columns than its table has made the
// row copier read past the fields libmdb had filled, one per column of the
// table. (The input the fuzzer found lies in fuzz/corpus/access_import/; the
// sanitizers of the fuzz build catch the read at once, the ordinary build by
// the garbage it reads.)
TEST(FuzzFindings, RowsClaimingMoreColumnsThanTheirTable)
{
    constexpr qsizetype page_size = 4096;  // Jet4
    constexpr qsizetype row_count_offset = 12;
    QFile fixture(QStringLiteral(SELUNAR_JET_FIXTURES "/qov_fixture.mdb"));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    QByteArray file = fixture.readAll();

    // Each live row of each data page claims up to seven columns more, as
    // many as its null mask has room for.
    int changed = 0;
    for (qsizetype page = page_size; page + page_size <= file.size(); page += page_size) {
        if (file[page] != 0x01 || file[page + 1] != 0x01)
            continue;
        const int rows = read_u16(file, page + row_count_offset);
        for (int row = 0; row < rows && row_count_offset + 2 + 2 * row < page_size; ++row) {
            const quint16 offset = read_u16(file, page + row_count_offset + 2 + 2 * row);
            if (offset & 0xC000)
                continue;
            const qsizetype start = page + (offset & 0x1FFF);
            const quint16 columns = read_u16(file, start);
            const quint16 claimed = quint16((columns + 7) / 8 * 8);
            if (claimed == columns)
                continue;
            file[start] = char(claimed & 0xFF);
            file[start + 1] = char(claimed >> 8);
            ++changed;
        }
    }
    ASSERT_GT(changed, 100);

    QTemporaryDir folder;
    const QString damaged = write_file(folder, "qov.mdb", file);
    EXPECT_EQ(row_counts(damaged).join(u", ").toStdString(), row_counts(fixture.fileName()).join(u", ").toStdString());
}

} // namespace
