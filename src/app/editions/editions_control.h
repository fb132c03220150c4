// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The window's side of the editions ("Jahrgänge"): the shelf of the data
// folder, changing to another edition on the same calendar day, the
// "Jahrgang" menu, the line under the day page with this day in the other
// years and the notice of a missing next year, and adding an edition the
// user brings. The window hands it what it needs as an EditionsHost.

#include "day_verse.h"
#include "shelf.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class EditionBar;
class HtmlView;
class QMenu;
class QSettings;
struct FormState;

struct EditionsHost {
    QWidget* window = nullptr;
    HtmlView* day_view = nullptr;  // the bar lies over it
    const FormState* state = nullptr;
    std::function<QDate()> today;
    // Remembers the notice of a missing year; none: only for this run.
    std::shared_ptr<QSettings> kept;
    QString user_data_folder;  // where an added edition is copied
    // Replaces the open book whole (its queries so far in `record`) and shows its `day`.
    std::function<void(std::unique_ptr<OpenBook> book, QStringList record, QDate day)> replace_book;
    std::function<void(const QString& text)> message;
    // A question answered yes or no.
    std::function<bool(const QString& text)> ask;
};

class EditionsControl : public QObject {
    Q_OBJECT

public:
    EditionsControl(EditionsHost host, Shelf shelf);
    ~EditionsControl() override;

    const Shelf& shelf() const { return shelf_; }

    // Changes to edition `index` on `day`, or on the shown calendar day
    // (29 February is 28 February in a year without it; a day the edition
    // lacks is its first or last); false, after a message, when it cannot be
    // opened.
    bool change_to(qsizetype index, std::optional<QDate> day = std::nullopt);
    // The usable edition of `year`, the shown one when it is of that year;
    // -1 when there is none.
    qsizetype edition_of_year(int year) const;
    // The edition holding `day`, the shown one first; -1 when none does.
    qsizetype edition_holding(QDate day) const;
    // Changes to the edition holding `day` on that day, unless the shown one
    // holds it or none does; false, after a message, when it cannot be opened.
    bool show_edition_holding(QDate day);
    // The shown calendar day in the next (`step` 1) or previous (-1) usable edition.
    void step(int step);

    // The "Jahrgang" menu: each edition (the shown one checked, an unusable
    // one greyed with its reason), then "Jahrgang hinzufügen …".
    void fill_menu(QMenu& menu);
    // The views' context menu: the submenu "Jahrgang".
    void add_menu_entries(QMenu& menu);

    // "Jahrgang hinzufügen …": asks for the folder (or its qov.mdb).
    void ask_add();
    // Adds the edition at `place` as the dialog does: opens it as a start
    // would, copies it into the user's data folder (asking before it
    // replaces a year there), then shows it. False after a message.
    bool add(const QString& place);

    // The day view shows the day page of `day`, or (invalid) another page.
    void page_shown(QDate day);
    // Once after the start: says that next year's edition is missing, when
    // it is and was not said for that year before.
    void tell_missing_year();
    // The notice for the next reminder, once; empty when there is none.
    QString take_reminder_notice();
    // The edition a start today opens (-1 for none): the companion's book.
    qsizetype todays_edition() const;
    // The guiding verse of `day` in today's edition, whichever is shown.
    DayVerse todays_verse(QDate day);
    // The line under the day page, for the record.
    const EditionBar* bar() const { return bar_; }

Q_SIGNALS:
    // The shelf or the shown edition changed.
    void changed();

private:
    // Opens edition `index` of `shelf` on `day`; that shelf is the reader's
    // from then on. Else, after a message, why it cannot be opened.
    QString open(const Shelf& shelf, qsizetype index, QDate day);

    EditionsHost host_;
    Shelf shelf_;
    EditionBar* bar_ = nullptr;
    QString reminder_notice_;
    QDate shown_day_;  // the day page's, invalid under another page
    // Today's edition's days, while another one is shown.
    QString todays_file_;
    std::unique_ptr<Database> todays_book_;
    std::unique_ptr<Recordset> todays_days_;
};
