#include "demo_data.h"

#include "bible_database.h"
#include "book_content.h"
#include "book_database.h"
#include "pictures.h"
#include "sword_bible.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace {

const char* const bible_module = "engWEB2015eb";

void make_folder(const QString& path)
{
    if (!QDir().mkpath(path))
        throw std::runtime_error("cannot create the folder " + path.toStdString());
}

void replace_file(const QString& from, const QString& to)
{
    QFile::remove(to);
    if (!QFile::rename(from, to))
        throw std::runtime_error("cannot rename " + from.toStdString() + " to " + to.toStdString());
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

void write_demo_data(const QString& program_folder, const QString& template_folder)
{
    make_folder(program_folder);
    make_folder(program_folder + "/qovfiles");
    make_folder(program_folder + "/qov_pics");
    copy_templates(template_folder, program_folder + "/qovfiles");
    write_pictures(program_folder + "/qov_pics");

    const BibleText bible = read_sword_bible(bible_module);
    const QString bible_path = program_folder + "/elberfelderbibel.mdb";
    write_bible_database(bible_path + ".part", bible);
    replace_file(bible_path + ".part", bible_path);

    const QString book_path = program_folder + "/qov.mdb";
    write_book_database(book_path + ".part", compose_book(bible), bible);
    replace_file(book_path + ".part", book_path);
}
