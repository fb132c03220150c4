// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Scripted sessions: a text of commands, one a line, that drive the window
// the way a user would. Blank lines and lines whose first non-blank character
// is "#" are skipped. The commands:
//   click N            the click on picture button N (any whole number)
//   choose LIST I      the user chooses entry I (from 0) of inpbibel,
//                      inpbereich, inpautor, books or chaps
//   type FIELD TEXT    inpvolltext or inpdatum holds TEXT (the rest of the line)
//   key FIELD CODE     a key press with character code CODE in the field
//                      (13 = Enter)
//   link VIEW HREF     view 0 or 1 completes a navigation to HREF (rest of line)
//   resize W H         the client area becomes W x H pixels
//   cursor X Y         the mouse cursor is at screen pixel X, Y; one hover tick
//   selftest           the reference self-test
//   dump PATH          the window's state as JSON into PATH
//   screenshot PATH    the window as the screen shows it, as PNG into PATH
//   shortcut KEYS      the keys (Qt's portable text: "Ctrl++", "Alt+Left",
//                      "Esc") pressed in the focused control
//   select VIEW all    the whole page of view 0 or 1 selected
//   copyverse VIEW N   the context menu's "Vers kopieren" on verse N
//   pdf PATH           the visible page as PDF into PATH
//   palette dark|light the desktop's palette changes to a dark or light one
//   selecttext VIEW A..B  the page of view 0 or 1 selected from the first A to
//                      the end of the first B after it (or the first A alone)
//   speak              the visible page read aloud from its top
//   speakstop          reading aloud stops
//   spoken N           the recording engine comes to the end of what it is
//                      saying, N times over (each end starts the next piece)
//   read on|off        the Bible reading of the current day read or not
//   star day on|off    the current day starred or not
//   star verse N on|off  verse N of the chapter shown starred or not
//   note day TEXT      the current day's note (rest of the line, "\n" a line
//   note verse N TEXT  break; empty removes it), or verse N's
//   progress           the reading progress page
//   mynotes            the page of favourites and notes
//   export PATH        the reader's own layer into PATH (.json or Markdown)
//   import PATH        a JSON export merged into the reader's own layer
//   quicksearch TEXT   the quick search (opened if closed) holds TEXT as
//                      typed, and its list is the one for TEXT
//   quickopen N        entry N (from 0) of the quick search's list opened
//   hoverlink VIEW HREF the mouse rests on the link HREF of view 0 or 1
//   option NAME VALUE  sets an option as the settings dialog's OK does:
//                      autostart on|off, reminder HH:MM|off, tray on|off,
//                      outside_year last|same_day
//   clock HH:MM        the time of day the program sees from now on
//   wait MS            the window handles events for MS milliseconds
//   edition YEAR       the edition of YEAR shown, as the "Jahrgang" menu does
//   addedition PATH    the edition in the folder PATH (or PATH its qov.mdb)
//                      added as "Jahrgang hinzufügen …" does, a question
//                      whether to replace answered Ja
//   translation NAMES  the Bible translations shown, the main one first
//                      ("Buch": the book's Bible), as the "Übersetzung" menu
//                      allows them

#include <QString>

#include <vector>

struct ScriptStep {
    enum class Kind {
        click, choose, type, key, link, resize, cursor, selftest, dump, screenshot,
        shortcut, select, copyverse, pdf, palette, selecttext,
        speak, speakstop, spoken,
        read, star, note, progress, mynotes, export_file, import_file,
        quicksearch, quickopen, hoverlink,
        option, clock, wait,
        edition, addedition, translation
    };

    int line = 0;
    Kind kind = Kind::click;
    QString name;  // the list, field or view
    QString text;  // the text, href or path
    int x = 0;     // the number, index, key code, width or x
    int y = 0;     // the height or y
};

struct ParsedScript {
    std::vector<ScriptStep> steps;
    QString error;  // "line N: ..." for the first malformed line; empty when none
};

ParsedScript parse_script(const QString& text);
