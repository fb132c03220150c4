// SPDX-License-Identifier: GPL-2.0-or-later
#include "edition_folders.h"
#include "edition_probe.h"
#include "find_editions.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>

namespace {

struct Case {
    const char* name;
    std::function<void(const TestFolder&)> make;
    QStringList editions;  // TestFolder::summary
};

void expect_editions(const Case& c)
{
    SCOPED_TRACE(c.name);
    const TestFolder data;
    c.make(data);
    const QStringList before = data.snapshot();
    EXPECT_EQ(data.summary(find_editions(data.path())), c.editions);
    EXPECT_EQ(data.snapshot(), before) << "nothing is written";
}

} // namespace

TEST(FindEditions, ListsTheFolderAndItsSubfoldersByYearThenFolder)
{
    const Case cases[] = {
        {"the folder's own edition", [](const TestFolder& d) { d.edition(".", 2024); }, {". 2024 ok"}},
        {"subfolders of any name, sharing the folder's parts",
         [](const TestFolder& d) {
             d.edition(".", 2024);
             d.book("Selunar 2025", 2025);
             d.book("2025", 2025);
             d.book("b", 2023);
         },
         {"b 2023 ok", ". 2024 ok", "2025 2025 ok", "Selunar 2025 2025 ok"}},
        {"editions in subfolders only",
         [](const TestFolder& d) {
             d.bible(".");
             d.templates(".");
             d.book("zwei", 2026);
             d.book("eins", 2025);
         },
         {"eins 2025 ok", "zwei 2026 ok"}},
        {"hidden, deeper and bookless folders are no editions",
         [](const TestFolder& d) {
             d.edition(".", 2024);
             d.edition(".neu-2025-a1b2c3", 2025);
             d.edition("ersetzt/2025-20251101-120000", 2025);
             d.folder("leer");
             d.file("notiz.txt", "2025");
         },
         {". 2024 ok"}},
    };
    for (const Case& c : cases)
        expect_editions(c);
}

TEST(FindEditions, ListsAnEditionThatCannotOpenWithItsReasonAndTheOthersUsable)
{
    const QByteArray access = file_bytes(QStringLiteral(SELUNAR_JET_FIXTURES "/qov_fixture.mdb"));
    QByteArray garbled = access;
    for (qsizetype i = 3 * 4096; i < garbled.size(); i += 5)
        garbled[i] = char(0x5A);
    QByteArray newer = access;
    newer.replace("Standard Jet DB", "Standard ACE DB");
    const Case cases[] = {
        {"damaged, foreign, empty and bookless books",
         [&](const TestFolder& d) {
             d.edition(".", 2024);
             d.file("a/qov.mdb", "kein Buch");
             d.file("b/qov.mdb", {});
             d.file("c/qov.mdb", file_bytes(d.path("qov.mdb")).first(1024));
             d.file("d/qov.mdb", garbled);
             d.file("e/qov.mdb", newer);
             d.sql_book("f", {"CREATE TABLE QOV (Datum DATETIME)", "CREATE INDEX Datum ON QOV (Datum)"});
             d.sql_book("g", {"CREATE TABLE Bereiche (id INTEGER)"});
             d.sql_book("h", {"CREATE TABLE QOV (Datum DATETIME)", "CREATE INDEX Datum ON QOV (Datum)",
                              "INSERT INTO QOV VALUES (NULL), ('2025-01-01')"});
             d.sql_book("i", {"CREATE TABLE QOV (Datum DATETIME)", "INSERT INTO QOV VALUES ('2025-01-01')"});
             d.folder("j/qov.mdb");
         },
         {". 2024 ok", "a 0 a/qov.mdb: keine gültige Access-Datei", "b 0 b/qov.mdb: die Datei ist leer",
          "c 0 c/qov.mdb: die Datei ist beschädigt", "d 0 d/qov.mdb: die Datei ist beschädigt",
          "e 0 e/qov.mdb: Dateien ab Access 2007 (.accdb) werden nicht unterstützt",
          "f 0 f/qov.mdb: der Datei fehlen Tabellen oder Daten", "g 0 g/qov.mdb: der Datei fehlen Tabellen oder Daten",
          "h 0 h/qov.mdb: der Datei fehlen Tabellen oder Daten", "i 0 i/qov.mdb: der Datei fehlen Tabellen oder Daten",
          "j 0 j/qov.mdb: an ihrer Stelle steht ein Ordner"}},
        {"a wrong Bible password or a missing template keeps the year",
         [](const TestFolder& d) {
             d.edition(".", 2024);
             d.book("2025", 2025);
             d.bible("2025", "Murb64#8");
             d.book("2026", 2026);
             d.templates("2026");
             QFile::remove(d.path("2026/qovfiles/hilfe.htm"));
             d.book("2027", 2027);
             d.templates("2027");
             QFile::remove(d.path("2027/qovfiles/bibel.htm"));
             d.folder("2027/qovfiles/bibel.htm");
         },
         {". 2024 ok", "2025 2025 2025/elberfelderbibel.mdb: falsches Kennwort",
          "2026 2026 2026/qovfiles/hilfe.htm: die Datei fehlt",
          "2027 2027 2027/qovfiles/bibel.htm: an ihrer Stelle steht ein Ordner"}},
        {"a part that neither the subfolder nor the folder has",
         [](const TestFolder& d) {
             d.book(".", 2024);
             d.book("2025", 2025);
             d.bible("2025");
         },
         {". 2024 elberfelderbibel.mdb: die Datei fehlt", "2025 2025 2025/qovfiles/qovtemp.htm: die Datei fehlt"}},
        {"a shared Bible of another password fails each edition",
         [](const TestFolder& d) {
             d.edition(".", 2024);
             d.bible(".", "anders");
             d.book("2025", 2025);
             d.book("2026", 2026);
         },
         {". 2024 elberfelderbibel.mdb: falsches Kennwort", "2025 2025 elberfelderbibel.mdb: falsches Kennwort",
          "2026 2026 elberfelderbibel.mdb: falsches Kennwort"}},
    };
    for (const Case& c : cases)
        expect_editions(c);
}

TEST(FindEditions, FollowsLinksOnceAndListsThoseThatLeadNowhereOrBack)
{
    const TestFolder elsewhere;
    elsewhere.book("Selunar 2026", 2026);
    const Case cases[] = {
        {"links",
         [&](const TestFolder& d) {
             d.edition(".", 2024);
             d.book("2025", 2025);
             d.link("0-alias", "2025");
             d.link("aktuell", d.path("2025"));
             d.link("selbst", ".");
             d.link("extern", elsewhere.path("Selunar 2026"));
             d.link("weg", d.path("nicht da"));
             d.link("kreis1", "kreis2");
             d.link("kreis2", "kreis1");
             d.link("datei", "qov.mdb");
         },
         {". 2024 ok", "2025 2025 ok", "extern 2026 ok", "0-alias 0 0-alias: derselbe Jahrgang wie 2025",
          "aktuell 0 aktuell: derselbe Jahrgang wie 2025", "kreis1 0 kreis1/qov.mdb: die Datei kann nicht gelesen werden",
          "kreis2 0 kreis2/qov.mdb: die Datei kann nicht gelesen werden", "selbst 0 selbst: derselbe Jahrgang wie .",
          "weg 0 weg/qov.mdb: die Datei fehlt"}},
    };
    for (const Case& c : cases)
        expect_editions(c);
    if (geteuid() != 0) {
        const TestFolder d;
        d.edition(".", 2024);
        d.book("2025", 2025);
        QFile::setPermissions(d.path("2025"), QFile::WriteOwner);
        EXPECT_EQ(d.summary(find_editions(d.path())),
                  (QStringList{". 2024 ok", "2025 0 2025/qov.mdb: die Datei kann nicht gelesen werden"}));
        QFile::setPermissions(d.path("2025"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST(FindEditions, ReadsTheFirstAndLastDayInDateOrder)
{
    const TestFolder d;
    d.edition(".", 2024);
    d.book("kurz", QDate(2025, 3, 1), QDate(2025, 6, 30));
    d.book("über Neujahr", QDate(2025, 12, 1), QDate(2026, 11, 30));
    d.access_book("access");
    d.bible("access");
    d.folder("demo");
    for (const char* part : {"qov.mdb", "elberfelderbibel.mdb", "qovfiles", "qov_pics"})
        d.link(u"demo/"_qs + QString::fromLatin1(part), QStringLiteral(SELUNAR_DATA_DIR) + QString::fromLatin1(part));
    QStringList days;
    for (const Edition& edition : find_editions(d.path()))
        days << u"%1 %2 %3..%4"_qs.arg(d.relative(edition.folder))
                    .arg(edition.year)
                    .arg(edition.firstdate.toString(Qt::ISODate), edition.lastdate.toString(Qt::ISODate));
    EXPECT_EQ(days, (QStringList{". 2024 2024-01-01..2024-12-31", "access 2024 2024-01-01..2024-12-25",
                                 "demo 2024 2024-01-01..2024-12-31", "kurz 2025 2025-03-01..2025-06-30",
                                 "über Neujahr 2025 2025-12-01..2026-11-30"}));
}

TEST(EditionParts, TakeWhatTheFolderLacksFromTheFallback)
{
    const TestFolder d;
    d.edition(".", 2024);
    d.book("leer", 2025);
    d.book("bibel", 2025);
    d.bible("bibel");
    d.book("alles", 2025);
    d.bible("alles");
    d.templates("alles");
    d.pictures("alles");
    const EditionParts parent = edition_parts(d.path());
    const EditionParts none;
    struct Case {
        QString place;
        const EditionParts& fallback;
        QStringList parts;  // relative: book, Bible, templates, pictures
    };
    const Case cases[] = {
        {d.path("leer"), parent, {"leer/qov.mdb", "elberfelderbibel.mdb", "qovfiles", "qov_pics"}},
        {d.path("leer/qov.mdb"), parent, {"leer/qov.mdb", "elberfelderbibel.mdb", "qovfiles", "qov_pics"}},
        {d.path("leer"), none, {"leer/qov.mdb", "leer/elberfelderbibel.mdb", "leer/qovfiles", "leer/qov_pics"}},
        {d.path("bibel"), parent, {"bibel/qov.mdb", "bibel/elberfelderbibel.mdb", "qovfiles", "qov_pics"}},
        {d.path("alles"), parent,
         {"alles/qov.mdb", "alles/elberfelderbibel.mdb", "alles/qovfiles", "alles/qov_pics"}},
    };
    for (const Case& c : cases) {
        const Edition edition = probe_edition_at(c.place, c.fallback);
        const EditionParts& p = edition.parts;
        EXPECT_EQ(d.relative(edition.folder), QFileInfo(c.parts[0]).path()) << c.place.toStdString();
        EXPECT_EQ((QStringList{d.relative(p.book_file), d.relative(p.bible_file), d.relative(p.templates_folder),
                               d.relative(p.pictures_folder)}),
                  c.parts)
            << c.place.toStdString();
    }
}
