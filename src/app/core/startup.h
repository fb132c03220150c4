#pragma once

#include "file_failure.h"
#include "form_state.h"

#include <QString>

#include <stdexcept>

// Start-up could not finish: what() names the file and what went wrong, for
// the record; failure() is the kind, for the user's message.
class StartupError : public std::runtime_error {
public:
    StartupError(const QString& file, const QString& cause, FileFailure failure);
    const QString& file() const { return file_; }
    const QString& cause() const { return cause_; }
    FileFailure failure() const { return failure_; }

private:
    QString file_;
    QString cause_;
    FileFailure failure_;
};

// The failure in the user's words: the file and its German cause
// (".../qov.mdb: die Datei fehlt").
QString german_message(const StartupError& error);

// Prepares everything the window needs before it is shown, in this order:
// suchmode 1; opens `apppath` + "qov.mdb" with the table cursor "QOV" and
// `apppath` + "elberfelderbibel.mdb" (connect "MS Access;PWD=Murb64#7;") with
// the table cursor "texte" on index "book"; reads the six templates from
// "qovfiles/" (picture paths made absolute, the day and chapter templates
// cut); takes firstdate and lastdate from the index "Datum" of "QOV";
// hilitebcv empty, actbcv "1_1_0"; fills bereiche, buecher and lists; navbusy
// false. `apppath` gets a trailing "/" when it lacks one.
// `observer`, when given, is installed on both databases as soon as they are
// open, so it sees every query from the lookup lists on.
// Throws StartupError for a missing or unreadable database or template, a
// wrong Bible password, an empty "QOV" or a failing lookup query.
void load_form_resources(FormState& state, const QString& apppath,
                         const Database::QueryObserver& observer = {});
