// SPDX-License-Identifier: GPL-2.0-or-later
#include "personal_store.h"

#include "writable_sqlite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QStringList schema = {
    QStringLiteral("CREATE TABLE read_days(day TEXT PRIMARY KEY)"),
    QStringLiteral("CREATE TABLE stars(kind TEXT NOT NULL, target TEXT NOT NULL, PRIMARY KEY(kind, target))"),
    QStringLiteral("CREATE TABLE notes(id INTEGER PRIMARY KEY, kind TEXT NOT NULL, target TEXT NOT NULL, "
                   "text TEXT NOT NULL, UNIQUE(kind, target, text))"),
};

int user_version(const WritableSqlite& file)
{
    return file.rows(QStringLiteral("PRAGMA user_version")).front().value(0).toInt();
}

bool has_tables(const WritableSqlite& file)
{
    return !file.rows(QStringLiteral("SELECT 1 FROM sqlite_master")).empty();
}

// Whether the file is new: version 0 without tables (a file just made).
// Otherwise it must have the tables of this program's store; that is
// checked by reading alone, so that a file of another kind stays unchanged.
bool is_new(const WritableSqlite& file)
{
    if (user_version(file) == 0 && !has_tables(file))
        return true;
    try {
        file.rows(QStringLiteral("SELECT count(*) FROM read_days, stars, notes WHERE 0"));
    } catch (const DatabaseError& e) {
        // Another program's database, or ours with tables lost.
        throw DatabaseError(file.path() + QStringLiteral(": ") + e.message(), FileFailure::damaged);
    }
    return false;
}

void create_schema(WritableSqlite& file)
{
    file.transaction([&] {
        for (const QString& statement : schema)
            file.run(statement);
        file.run(QStringLiteral("PRAGMA user_version=%1").arg(PersonalStore::schema_version));
    });
}

Target::Kind kind_of(const QVariant& name)
{
    return name.toString() == u"verse" ? Target::Kind::verse : Target::Kind::day;
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

PersonalStore::PersonalStore(std::unique_ptr<WritableSqlite> file, bool read_only)
    : file_(std::move(file)), read_only_(read_only)
{
}

PersonalStore::~PersonalStore() = default;

PersonalStore::Opened PersonalStore::open_sound(const QString& path)
{
    Opened opened;
    auto file = std::make_unique<WritableSqlite>(path, true);
    if (user_version(*file) > schema_version) {
        // Reopened read-only: this program never writes a schema it does not know.
        file.reset();
        opened.store.reset(new PersonalStore(std::make_unique<WritableSqlite>(path, false), true));
        opened.message = QStringLiteral("Die persönliche Datei %1 stammt von einer neueren Version des "
                                        "Programms. Sie wird nur gelesen; Änderungen werden nicht gespeichert.")
                             .arg(shown(path));
        return opened;
    }
    const bool fresh = is_new(*file);
    file->make_durable();
    if (fresh)
        create_schema(*file);
    opened.store.reset(new PersonalStore(std::move(file), false));
    return opened;
}

PersonalStore::Opened PersonalStore::open(const QString& path, const QDateTime& now)
{
    const auto failed = [&](const DatabaseError& e) {
        return Opened{nullptr, QStringLiteral("Die persönliche Datei %1 kann nicht geöffnet werden:\n%2")
                                   .arg(shown(path), e.message())};
    };
    QDir().mkpath(QFileInfo(path).absolutePath());
    try {
        return open_sound(path);
    } catch (const DatabaseError& e) {
        if (e.failure() != FileFailure::damaged)
            return failed(e);
    }
    // Damaged: moved aside whole, its journals with it, so that nothing is lost.
    const QString aside = path + QStringLiteral(".defekt-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFileInfo::exists(path + suffix) && !QFile::rename(path + suffix, aside + suffix))
            return {nullptr, QStringLiteral("Die persönliche Datei %1 ist beschädigt und kann nicht beiseitegelegt "
                                            "werden. Sie bleibt, wie sie ist; Änderungen werden nicht gespeichert.")
                                 .arg(shown(path))};
    const QString told = QStringLiteral("Die persönliche Datei %1 ist beschädigt. Sie wurde unverändert in %2 "
                                        "umbenannt; eine neue, leere Datei wurde angelegt.")
                             .arg(shown(path), shown(aside));
    try {
        Opened fresh = open_sound(path);
        fresh.message = told;
        return fresh;
    } catch (const DatabaseError& e) {
        Opened none = failed(e);
        none.message = told + u'\n' + none.message;
        return none;
    }
}

QString PersonalStore::path() const
{
    return file_->path();
}

void PersonalStore::change(const std::function<void()>& work)
{
    if (read_only_)
        throw DatabaseError(QStringLiteral("Die persönliche Datei %1 wird nur gelesen; die Änderung wurde nicht "
                                           "gespeichert.")
                                .arg(shown(path())));
    file_->transaction(work);
}

void PersonalStore::set_read(QDate day, bool read)
{
    const QString key = Target::day(day).key;
    change([&] {
        file_->run(read ? QStringLiteral("INSERT OR IGNORE INTO read_days VALUES(?)")
                        : QStringLiteral("DELETE FROM read_days WHERE day=?"),
                   {key});
    });
}

void PersonalStore::set_star(const Target& target, bool starred)
{
    change([&] {
        file_->run(starred ? QStringLiteral("INSERT OR IGNORE INTO stars VALUES(?, ?)")
                           : QStringLiteral("DELETE FROM stars WHERE kind=? AND target=?"),
                   {target.kind_name(), target.key});
    });
}

void PersonalStore::set_note(const Target& target, const QString& text)
{
    change([&] {
        file_->run(QStringLiteral("DELETE FROM notes WHERE kind=? AND target=?"), {target.kind_name(), target.key});
        if (!text.trimmed().isEmpty())
            file_->run(QStringLiteral("INSERT INTO notes(kind, target, text) VALUES(?, ?, ?)"),
                       {target.kind_name(), target.key, text});
    });
}

int PersonalStore::merge(const PersonalData& data)
{
    int added = 0;
    change([&] {
        for (const QDate& day : data.read)
            added += file_->run(QStringLiteral("INSERT OR IGNORE INTO read_days VALUES(?)"), {Target::day(day).key});
        for (const Target& star : data.stars)
            added += file_->run(QStringLiteral("INSERT OR IGNORE INTO stars VALUES(?, ?)"), {star.kind_name(), star.key});
        for (const Note& note : data.notes)
            added += file_->run(QStringLiteral("INSERT OR IGNORE INTO notes(kind, target, text) VALUES(?, ?, ?)"),
                                {note.target.kind_name(), note.target.key, note.text});
    });
    return added;
}

PersonalData PersonalStore::data() const
{
    PersonalData data;
    for (const QVariantList& row : file_->rows(QStringLiteral("SELECT day FROM read_days ORDER BY day")))
        data.read.push_back(QDate::fromString(row.value(0).toString(), Qt::ISODate));
    for (const QVariantList& row : file_->rows(QStringLiteral("SELECT kind, target FROM stars")))
        data.stars.push_back({kind_of(row.value(0)), row.value(1).toString()});
    for (const QVariantList& row : file_->rows(QStringLiteral("SELECT kind, target, text FROM notes ORDER BY id")))
        data.notes.push_back({{kind_of(row.value(0)), row.value(1).toString()}, row.value(2).toString()});
    std::sort(data.stars.begin(), data.stars.end());
    std::stable_sort(data.notes.begin(), data.notes.end(),
                     [](const Note& a, const Note& b) { return a.target < b.target; });
    return data;
}

bool PersonalStore::is_read(QDate day) const
{
    return !file_->rows(QStringLiteral("SELECT 1 FROM read_days WHERE day=?"), {Target::day(day).key}).empty();
}

bool PersonalStore::is_starred(const Target& target) const
{
    return !file_->rows(QStringLiteral("SELECT 1 FROM stars WHERE kind=? AND target=?"), {target.kind_name(), target.key})
                .empty();
}

QStringList PersonalStore::notes(const Target& target) const
{
    QStringList texts;
    for (const QVariantList& row : file_->rows(QStringLiteral("SELECT text FROM notes WHERE kind=? AND target=? ORDER BY id"),
                                               {target.kind_name(), target.key}))
        texts.append(row.value(0).toString());
    return texts;
}
