// SPDX-License-Identifier: GPL-2.0-or-later
#include "editions_control.h"

#include "calendar_day.h"
#include "copy_edition.h"
#include "edition_bar.h"
#include "edition_choice.h"
#include "edition_probe.h"
#include "find_editions.h"
#include "form_state.h"
#include "html_view.h"
#include "menu_label.h"
#include "next_year.h"
#include "startup.h"

#include <QActionGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include <utility>

namespace {

const QString announced_key = QStringLiteral("editions/missing_year_told");

// An edition as the menu names it: its year, and its folder where that
// alone tells it apart; an unusable one with the cause.
QString menu_text(const Editions& editions, qsizetype index)
{
    const Edition& edition = editions[index];
    const QString folder = QFileInfo(edition.folder).fileName();
    const bool twin = std::count_if(editions.begin(), editions.end(),
                                    [&](const Edition& other) { return other.year == edition.year; }) > 1;
    QString text = edition.year ? QString::number(edition.year) : folder;
    if (edition.year && (twin || !edition.usable))
        text += QStringLiteral(" (%1)").arg(folder);
    if (!edition.usable)
        text += QStringLiteral(": ") + edition.reason.section(QStringLiteral(": "), -1);
    return text;
}

bool inside(const QString& folder, const QString& place)
{
    const QString canonical = QFileInfo(place).canonicalFilePath();
    const QString root = QFileInfo(folder).canonicalFilePath();
    return !canonical.isEmpty() && !root.isEmpty() && (canonical + u'/').startsWith(root + u'/');
}

} // namespace

EditionsControl::EditionsControl(EditionsHost host, Shelf shelf)
    : QObject(host.window)
    , host_(std::move(host))
    , shelf_(std::move(shelf))
    , bar_(new EditionBar(host_.day_view))
{
    connect(bar_, &EditionBar::edition_chosen, this, [this](qsizetype edition) { change_to(edition); });
    connect(bar_, &EditionBar::add_requested, this, &EditionsControl::ask_add);
}

EditionsControl::~EditionsControl() = default;

bool EditionsControl::change_to(qsizetype index, std::optional<QDate> day)
{
    if (index < 0 || index >= shelf_.editions.size())
        return false;
    const Edition& edition = shelf_.editions[index];
    if (!edition.usable) {
        host_.message(QStringLiteral("Der Jahrgang kann nicht geöffnet werden:\n") + edition.reason);
        return false;
    }
    const QString failure = open(shelf_, index, day.value_or(day_to_open_in(edition, host_.state->actdate)));
    if (failure.isEmpty())
        return true;
    if (index != shelf_.shown) {
        // Its files changed since the start probed them (removed, damaged):
        // greyed with the cause until the next start, so that neither the
        // menu, "Dieser Tag" nor the quick search offers it again.
        shelf_.editions[index].usable = false;
        shelf_.editions[index].reason = failure;
        page_shown(shown_day_);
        Q_EMIT changed();
    }
    return false;
}

QString EditionsControl::open(const Shelf& shelf, qsizetype index, QDate day)
{
    QStringList record;
    std::unique_ptr<OpenBook> book;
    QString failure;
    try {
        book = open_edition(shelf.editions[index], [&record](const QString& source) { record.append(source); });
    } catch (const StartupError& e) {
        failure = german_message(e);
    } catch (const std::exception& e) {
        failure = QString::fromStdString(e.what());
    }
    if (!book) {
        host_.message(QStringLiteral("Der Jahrgang kann nicht geöffnet werden:\n") + failure);
        return failure;
    }
    shelf_ = shelf;
    shelf_.shown = index;
    host_.replace_book(std::move(book), std::move(record), day);
    Q_EMIT changed();
    return {};
}

qsizetype EditionsControl::edition_of_year(int year) const
{
    const Edition* shown = shelf_.shown_edition();
    if (shown && shown->year == year)
        return shelf_.shown;
    for (qsizetype i = 0; i < shelf_.editions.size(); ++i)
        if (shelf_.editions[i].usable && shelf_.editions[i].year == year)
            return i;
    return -1;
}

qsizetype EditionsControl::edition_holding(QDate day) const
{
    const auto holds = [&](qsizetype i) {
        const Edition& edition = shelf_.editions[i];
        return edition.usable && edition.firstdate <= day && day <= edition.lastdate;
    };
    if (shelf_.shown_edition() && holds(shelf_.shown))
        return shelf_.shown;
    for (qsizetype i = 0; i < shelf_.editions.size(); ++i)
        if (holds(i))
            return i;
    return -1;
}

bool EditionsControl::show_edition_holding(QDate day)
{
    const qsizetype edition = edition_holding(day);
    return edition < 0 || edition == shelf_.shown || change_to(edition, day);
}

void EditionsControl::step(int step)
{
    for (qsizetype i = shelf_.shown + step; i >= 0 && i < shelf_.editions.size(); i += step)
        if (shelf_.editions[i].usable) {
            change_to(i);
            return;
        }
}

void EditionsControl::fill_menu(QMenu& menu)
{
    menu.setToolTipsVisible(true);
    auto* group = new QActionGroup(&menu);
    for (qsizetype i = 0; i < shelf_.editions.size(); ++i) {
        const Edition& edition = shelf_.editions[i];
        QAction* action = menu.addAction(menu_label(menu_text(shelf_.editions, i)));
        action->setCheckable(true);
        action->setChecked(i == shelf_.shown);
        action->setEnabled(edition.usable);
        action->setToolTip(edition.usable ? QDir::toNativeSeparators(edition.folder) : edition.reason);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { change_to(i); });
    }
    menu.addSeparator();
    connect(menu.addAction(add_edition_label()), &QAction::triggered, this, &EditionsControl::ask_add);
}

void EditionsControl::add_menu_entries(QMenu& menu)
{
    fill_menu(*menu.addMenu(QStringLiteral("Jahrgang")));
}

void EditionsControl::ask_add()
{
    const QString place = QFileDialog::getExistingDirectory(
        host_.window, QStringLiteral("Jahrgang hinzufügen: der Ordner mit qov.mdb"), QDir::homePath());
    if (!place.isEmpty())
        add(place);
}

bool EditionsControl::add(const QString& place)
{
    const auto refuse = [this](const QString& why) {
        host_.message(QStringLiteral("Der Jahrgang kann nicht hinzugefügt werden:\n") + why);
        return false;
    };
    if (inside(host_.user_data_folder, place))
        return refuse(QStringLiteral("%1 liegt schon im eigenen Datenordner.").arg(QDir::toNativeSeparators(place)));
    // A book brought without templates or pictures (or even without its
    // Bible) takes those of the edition open now.
    const Edition source = probe_edition_at(place, host_.state->book->files);
    int year = 0;
    try {
        // Opened as a start would open it, so that what is copied opens.
        year = open_edition(source)->firstdate.year();
    } catch (const StartupError& e) {
        return refuse(german_message(e));
    } catch (const std::exception& e) {
        return refuse(QString::fromStdString(e.what()));
    }

    CopiedEdition copied;
    try {
        try {
            copied = copy_edition(source.parts, host_.user_data_folder, year, ExistingYear::keep);
        } catch (const EditionCopyError& e) {
            if (e.kind() != EditionCopyError::Kind::year_present)
                throw;
            if (!host_.ask(QStringLiteral("Der Jahrgang %1 ist schon vorhanden. Ersetzen?\n"
                                          "Der bisherige wird aufbewahrt, nicht gelöscht.")
                               .arg(year)))
                return false;
            copied = copy_edition(source.parts, host_.user_data_folder, year, ExistingYear::replace);
        }
    } catch (const EditionCopyError& e) {
        host_.message(e.message());
        return false;
    }

    // The user's data folder holds an edition now: it is the data folder.
    Shelf shelf{QDir::cleanPath(host_.user_data_folder), find_editions(host_.user_data_folder), -1};
    for (qsizetype i = 0; i < shelf.editions.size(); ++i)
        if (shelf.editions[i].folder == QDir::cleanPath(copied.folder) && shelf.editions[i].usable) {
            if (!missing_next_year(shelf.editions, host_.today()))
                bar_->set_notice({});
            return open(shelf, i, day_to_open_in(shelf.editions[i], host_.state->actdate)).isEmpty();
        }
    return refuse(QStringLiteral("%1 kann nach dem Kopieren nicht gelesen werden.")
                      .arg(QDir::toNativeSeparators(copied.folder)));
}

void EditionsControl::page_shown(QDate day)
{
    shown_day_ = day;
    QList<EditionBar::Year> years;
    if (day.isValid())
        for (const qsizetype i : other_years(shelf_.editions, shelf_.shown, day))
            years.append({shelf_.editions[i].year, i});
    bar_->set_years(years, day.isValid());
}

void EditionsControl::tell_missing_year()
{
    const std::optional<int> missing = missing_next_year(shelf_.editions, host_.today());
    const int announced = host_.kept ? host_.kept->value(announced_key).toInt() : 0;
    if (!announce_missing_year(missing, announced))
        return;
    const QString notice = missing_year_notice(*missing);
    bar_->set_notice(notice);
    reminder_notice_ = notice;
    if (host_.kept) {
        host_.kept->setValue(announced_key, *missing);
        host_.kept->sync();
    }
}

qsizetype EditionsControl::todays_edition() const
{
    return edition_for_date(shelf_.editions, host_.today()).value_or(shelf_.shown);
}

DayVerse EditionsControl::todays_verse(QDate day)
{
    const qsizetype today = todays_edition();
    if (today == shelf_.shown || today < 0)
        return day_verse(day, *host_.state->book->rsQov);
    const QString& file = shelf_.editions[today].parts.book_file;
    if (file != todays_file_ || !todays_days_) {
        todays_days_.reset();
        todays_book_ = open_database_part(file, {}, {QStringLiteral("QOV"),
                                                     {QStringLiteral("datum"), QStringLiteral("Leitvers"),
                                                      QStringLiteral("Bibelstelle")},
                                                     {QStringLiteral("Datum")}});
        todays_days_ = todays_book_->OpenRecordset(QStringLiteral("QOV"));
        todays_days_->setIndex(QStringLiteral("Datum"));
        todays_file_ = file;
    }
    return day_verse(day, *todays_days_);
}

QString EditionsControl::take_reminder_notice()
{
    return std::exchange(reminder_notice_, {});
}
