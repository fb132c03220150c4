// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The reader's layer in files of their own: Markdown to read, JSON that holds
// everything and comes back in through the import.

#include "personal_data.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <functional>
#include <optional>

class PersonalStore;

// A verse as an export shows it: "Psalm 23,1" and its text.
struct VerseText {
    QString reference;
    QString text;
};
using VerseLookup = std::function<VerseText(const QString& key)>;

// The read days, stars and notes as JSON arrays: {"read", "stars", "notes"}.
QJsonObject personal_json(const PersonalData& data);

// A heading per starred or noted day (in date order) and verse (in Bible
// order) with the verse text, the star and the notes; then the read days.
QString markdown_export(const PersonalData& data, const VerseLookup& verse);
// Everything, with the program's mark and the schema version.
QByteArray json_export(const PersonalData& data);

struct ImportRead {
    std::optional<PersonalData> data;
    QString error;  // German, the cause; empty when read
};
// Reads what json_export wrote. A malformed file, another program's and one
// of a newer version give an error and no data.
ImportRead read_json_export(const QByteArray& bytes);

// "Exportieren…": Markdown, or JSON when `path` ends in ".json", written
// crash-safely. Returns the German message of a failure, empty on success.
QString export_file(const QString& path, const PersonalData& data, const VerseLookup& verse);
// "Importieren…": merges the JSON file into `store`; nothing changes when
// it cannot be read. Returns the German message for the user.
QString import_file(const QString& path, PersonalStore& store);
