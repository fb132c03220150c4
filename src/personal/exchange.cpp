// SPDX-License-Identifier: GPL-2.0-or-later
#include "exchange.h"

#include "dates.h"
#include "personal_store.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <set>

namespace {

const QString format_mark = QStringLiteral("selunar-persoenlich");

QJsonObject target_json(const Target& target)
{
    return {{"kind", target.kind_name()}, {"target", target.key}};
}

std::optional<Target> target_of(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const QString kind = object.value(u"kind").toString();
    if (kind != u"day" && kind != u"verse")
        return std::nullopt;
    const Target target{kind == u"day" ? Target::Kind::day : Target::Kind::verse, object.value(u"target").toString()};
    return target.valid() ? std::optional(target) : std::nullopt;
}

// The entries of `data` as read from the three arrays; nullopt when any is
// not what an export writes.
std::optional<PersonalData> data_of(const QJsonObject& object)
{
    PersonalData data;
    for (const char* name : {"read", "stars", "notes"})
        if (!object.value(QLatin1String(name)).isArray())
            return std::nullopt;
    for (const QJsonValue& day : object.value(u"read").toArray()) {
        const Target target{Target::Kind::day, day.toString()};
        if (!target.valid())
            return std::nullopt;
        data.read.push_back(target.date());
    }
    for (const QJsonValue& star : object.value(u"stars").toArray()) {
        const std::optional<Target> target = target_of(star);
        if (!target)
            return std::nullopt;
        data.stars.push_back(*target);
    }
    for (const QJsonValue& note : object.value(u"notes").toArray()) {
        const std::optional<Target> target = target_of(note);
        const QJsonValue text = note.toObject().value(u"text");
        if (!target || !text.isString() || text.toString().trimmed().isEmpty())
            return std::nullopt;
        data.notes.push_back({*target, text.toString()});
    }
    return data;
}

QString heading(const Target& target, const VerseLookup& verse)
{
    return target.kind == Target::Kind::day ? format_long_date(target.date()) : verse(target.key).reference;
}

} // namespace

QJsonObject personal_json(const PersonalData& data)
{
    QJsonArray read, stars, notes;
    for (const QDate& day : data.read)
        read.append(day.toString(Qt::ISODate));
    for (const Target& star : data.stars)
        stars.append(target_json(star));
    for (const Note& note : data.notes) {
        QJsonObject object = target_json(note.target);
        object.insert(QStringLiteral("text"), note.text);
        notes.append(object);
    }
    return {{"read", read}, {"stars", stars}, {"notes", notes}};
}

QString markdown_export(const PersonalData& data, const VerseLookup& verse)
{
    std::set<Target> targets(data.stars.begin(), data.stars.end());
    for (const Note& note : data.notes)
        targets.insert(note.target);
    QString text = QStringLiteral("# Meine Notizen\n");
    for (const Target& target : targets) {
        text += QStringLiteral("\n## ") + heading(target, verse) + u'\n';
        if (target.kind == Target::Kind::verse)
            text += QStringLiteral("\n> ") + verse(target.key).text + u'\n';
        if (std::find(data.stars.begin(), data.stars.end(), target) != data.stars.end())
            text += QStringLiteral("\n★ gemerkt\n");
        for (const Note& note : data.notes)
            if (note.target == target)
                text += u'\n' + note.text + u'\n';
    }
    if (!data.read.empty()) {
        text += QStringLiteral("\n## Bibellese gelesen\n\n");
        for (const QDate& day : data.read)
            text += QStringLiteral("- ") + format_long_date(day) + u'\n';
    }
    return text;
}

QByteArray json_export(const PersonalData& data)
{
    QJsonObject object = personal_json(data);
    object.insert(QStringLiteral("format"), format_mark);
    object.insert(QStringLiteral("version"), PersonalStore::schema_version);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

ImportRead read_json_export(const QByteArray& bytes)
{
    QJsonParseError parsed{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsed);
    if (parsed.error != QJsonParseError::NoError || !document.isObject())
        return {std::nullopt, QStringLiteral("die Datei ist kein gültiges JSON")};
    const QJsonObject object = document.object();
    if (object.value(u"format").toString() != format_mark)
        return {std::nullopt, QStringLiteral("die Datei stammt nicht aus diesem Programm")};
    const QJsonValue version = object.value(u"version");
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != version.toInt())
        return {std::nullopt, QStringLiteral("die Datei nennt keine gültige Version")};
    if (version.toInt() > PersonalStore::schema_version)
        return {std::nullopt, QStringLiteral("die Datei stammt von einer neueren Version des Programms")};
    std::optional<PersonalData> data = data_of(object);
    if (!data)
        return {std::nullopt, QStringLiteral("die Datei enthält Einträge in unbekannter Form")};
    return {std::move(data), {}};
}

QString export_file(const QString& path, const PersonalData& data, const VerseLookup& verse)
{
    const bool json = path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive);
    // Written beside the target and renamed over it: a crash leaves the old file whole.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(json ? json_export(data) : markdown_export(data, verse).toUtf8());
        if (file.commit())
            return {};
    }
    return QStringLiteral("Die Datei %1 kann nicht geschrieben werden: %2")
        .arg(QDir::toNativeSeparators(path), file.errorString());
}

QString import_file(const QString& path, PersonalStore& store)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2").arg(shown, file.errorString());
    const ImportRead read = read_json_export(file.readAll());
    if (!read.data)
        return QStringLiteral("Die Datei %1 kann nicht importiert werden: %2. Es wurde nichts geändert.")
            .arg(shown, read.error);
    const int added = store.merge(*read.data);
    return QStringLiteral("Aus der Datei %1 wurde%2 übernommen.")
        .arg(shown, added == 1 ? QStringLiteral(" 1 Eintrag") : QStringLiteral("n %1 Einträge").arg(added));
}
