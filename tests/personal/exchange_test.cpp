// SPDX-License-Identifier: GPL-2.0-or-later
// Export and import: the Markdown a reader reads, the JSON that comes back
// in whole, merged without losing or doubling anything, and files refused.

#include "exchange.h"
#include "personal_store.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const Target day = Target::day(QDate(2024, 3, 5));
const Target psalm = Target::verse(19, 23, 1);
const PersonalData sample{{QDate(2024, 3, 4), QDate(2024, 3, 5)},
                          {day, psalm},
                          {{day, QStringLiteral("Erste Zeile\nzweite Zeile")}, {Target::verse(2, 1, 3), QStringLiteral("Mose")}}};

VerseText lookup(const QString& key)
{
    return {QStringLiteral("Vers ") + key, QStringLiteral("Text von ") + key};
}

TEST(Exchange, WritesReadableMarkdown)
{
    EXPECT_EQ(markdown_export(sample, lookup).toStdString(),
              "# Meine Notizen\n"
              "\n## Dienstag, 5. März 2024\n"
              "\n★ gemerkt\n"
              "\nErste Zeile\nzweite Zeile\n"
              "\n## Vers 2_1_3\n"
              "\n> Text von 2_1_3\n"
              "\nMose\n"
              "\n## Vers 19_23_1\n"
              "\n> Text von 19_23_1\n"
              "\n★ gemerkt\n"
              "\n## Bibellese gelesen\n\n"
              "- Montag, 4. März 2024\n"
              "- Dienstag, 5. März 2024\n");
}

TEST(Exchange, ImportsItsJsonWholeAndMergesWithoutLoss)
{
    const ImportRead read = read_json_export(json_export(sample));
    ASSERT_EQ(read.error, QString());
    EXPECT_EQ(read.data, sample);

    QTemporaryDir dir;
    auto store = PersonalStore::open(dir.filePath(QStringLiteral("p.sqlite")), QDateTime()).store;
    store->set_note(day, QStringLiteral("Meine eigene"));
    store->set_read(QDate(2024, 1, 1), true);
    const QString file = dir.filePath(QStringLiteral("export.json"));
    ASSERT_EQ(export_file(file, sample, lookup), QString());
    EXPECT_TRUE(import_file(file, *store).contains(u" 6 Einträge"));
    const PersonalData once = store->data();
    EXPECT_TRUE(import_file(file, *store).contains(u" 0 Einträge"));
    EXPECT_EQ(store->data(), once);
    EXPECT_EQ(once.read.size(), 3u);
    EXPECT_EQ(store->notes(day), (QStringList{QStringLiteral("Meine eigene"), QStringLiteral("Erste Zeile\nzweite Zeile")}));
}

TEST(Exchange, RefusesFilesItCannotTakeAndChangesNothing)
{
    const QByteArray good = json_export(sample);
    const auto changed = [&](const char* from, const char* to) { return QByteArray(good).replace(from, to); };
    const std::vector<std::pair<QByteArray, const char*>> rows = {
        {"{\"format\": ", "kein gültiges JSON"},
        {"[1, 2]", "kein gültiges JSON"},
        {changed("selunar-persoenlich", "anderes-programm"), "nicht aus diesem Programm"},
        {changed("\"version\": 1", "\"version\": 2"), "neueren Version"},
        {changed("\"version\": 1", "\"version\": \"1\""), "keine gültige Version"},
        {changed("2024-03-04", "2024-02-30"), "unbekannter Form"},
        {changed("19_23_1", "19_x_1"), "unbekannter Form"},
        {changed("\"kind\": \"day\"", "\"kind\": \"tag\""), "unbekannter Form"},
        {changed("\"Mose\"", "\" \""), "unbekannter Form"},
        {changed("\"stars\"", "\"sterne\""), "unbekannter Form"},
    };
    QTemporaryDir dir;
    auto store = PersonalStore::open(dir.filePath(QStringLiteral("p.sqlite")), QDateTime()).store;
    store->set_note(day, QStringLiteral("bleibt"));
    const PersonalData before = store->data();
    for (const auto& [bytes, cause] : rows) {
        SCOPED_TRACE(bytes.toStdString());
        EXPECT_TRUE(read_json_export(bytes).error.contains(QString::fromUtf8(cause)));
        QFile file(dir.filePath(QStringLiteral("in.json")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        const QString message = import_file(file.fileName(), *store);
        EXPECT_TRUE(message.contains(file.fileName()) && message.contains(u"nichts geändert")) << message.toStdString();
        EXPECT_EQ(store->data(), before);
    }
    EXPECT_TRUE(export_file(dir.filePath(QStringLiteral("fehlt/x.md")), sample, lookup).contains(u"fehlt/x.md"));
}

} // namespace
