// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the window is given at its start: where its data and the user's own
// files are, its clock, and whether its messages are shown or recorded.

#include "dialogs.h"

#include <QDate>
#include <QString>

#include <functional>
#include <memory>

class QSettings;

struct FormSettings {
    QString apppath;              // the data folder
    std::function<QDate()> today; // today's date
    MessageBoxes::Mode messages = MessageBoxes::Mode::Show;
    // Where the window keeps its place between runs; none in a scripted
    // session without a settings file.
    std::shared_ptr<QSettings> kept;
    QString personal_file;  // the reader's own store; none when empty
    QString user_data_folder;  // where an edition the user adds is copied
    QString sword_folder;      // the Bible modules of this SWORD folder alone; empty: the desktop's
};
