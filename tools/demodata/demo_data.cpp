// SPDX-License-Identifier: GPL-2.0-or-later
#include "demo_data.h"

#include "bible_books.h"
#include "bible_database.h"
#include "book_content.h"
#include "book_database.h"
#include "demo_editions.h"
#include "pictures.h"
#include "sqlite_file.h"
#include "sword_bible.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace {

const QString bible_module = "GerElb1905";

void make_folder(const QString& path)
{
    if (!QDir().mkpath(path))
        throw std::runtime_error("cannot create the folder " + path.toStdString());
}

void copy_templates(const QString& from, const QString& to)
{
    const QDir source(from);
    const QStringList files = source.entryList(QDir::Files, QDir::Name);
    if (files.isEmpty())
        throw std::runtime_error("no templates in " + from.toStdString());
    for (const QString& name : files) {
        const QString target = to + "/" + name;
        QFile::remove(target);
        if (!QFile::copy(source.filePath(name), target))
            throw std::runtime_error("cannot copy " + source.filePath(name).toStdString() + " to "
                                     + target.toStdString());
    }
}

} // namespace

void write_demo_data(const QString& program_folder, const QString& template_folder,
                     const QString& sword_path)
{
    make_folder(program_folder);
    make_folder(program_folder + "/qovfiles");
    make_folder(program_folder + "/qov_pics");
    copy_templates(template_folder, program_folder + "/qovfiles");
    write_pictures(program_folder + "/qov_pics");

    const BibleText bible = read_sword_bible(bible_module, sword_path);
    // The book database lists the books with their chapter counts; the demo
    // Bible must have just these.
    if (const QStringList differences = differences_from_book_list(bible); !differences.isEmpty())
        throw std::runtime_error("the demo Bible does not fit the book list: "
                                 + differences.join("; ").toStdString());
    replace_whole_file(program_folder + "/elberfelderbibel.mdb",
                       [&](const QString& fresh) { write_bible_database(fresh, bible); });
    for (const DemoEdition& edition : demo_editions()) {
        const QString folder = edition.folder.isEmpty() ? program_folder
                                                        : program_folder + "/" + edition.folder;
        make_folder(folder);
        const std::vector<DayRow> days = compose_book(bible, edition);
        replace_whole_file(folder + "/qov.mdb",
                           [&](const QString& fresh) { write_book_database(fresh, days); });
    }
}
