// SPDX-License-Identifier: GPL-2.0-or-later
#include "bible_converter.h"

#include "bible_books.h"
#include "bible_database.h"
#include "sqlite_file.h"
#include "sword_bible.h"

#include <QFileInfo>

ConversionReport convert_bible(const QString& module_name, const QString& sword_path,
                               const QString& out_folder)
{
    if (!QFileInfo(out_folder).isDir())
        throw ConversionError(QString("Der Ordner „%1“ existiert nicht.").arg(out_folder).toStdString());
    const BibleText bible = read_sword_bible(module_name, sword_path);
    const QString target = out_folder + "/elberfelderbibel.mdb";
    try {
        replace_whole_file(target, [&](const QString& fresh) { write_bible_database(fresh, bible); });
    } catch (const SqliteError& e) {
        throw ConversionError(QString("Die Datei „%1“ kann nicht geschrieben werden (%2).")
                                  .arg(target, QString::fromStdString(e.what()))
                                  .toStdString());
    }
    ConversionReport report;
    for (int book = 1; book <= bible_book_count; ++book)
        report.chapters += bible.chapter_count(book);
    for (const Verse& v : bible.verses())
        report.verses_with_text += v.text.has_value();
    report.differences = differences_from_book_list(bible);
    return report;
}
