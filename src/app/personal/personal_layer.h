// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The window's side of the reader's own layer: the store opened at start,
// the keys and context-menu entries, the corner controls of the day page,
// the marks in a chapter, the note editor, the pages and the export and
// import. The window hands it what it needs to know as a PersonalHost.

#include "key_commands.h"
#include "personal_data.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class DayCorner;
class HtmlView;
class NoteEditor;
class PersonalStore;
class QMenu;
struct FormState;

struct PersonalHost {
    QWidget* window = nullptr;
    HtmlView* day_view = nullptr;
    const FormState* state = nullptr;
    std::function<QDate()> today;
    // Writes `page` into the day view and shows it, titled `title`.
    std::function<void(const QString& page, const QString& title)> show_page;
    // The verse of the chapter page shown: verse `verse`, or (0) the one at
    // document position `position`, -1 meaning the text cursor's.
    std::function<std::optional<Target>(int verse, int position)> verse;
    // Shows the chapter page again, at the verse `key`.
    std::function<void(const QString& key)> show_verse;
    std::function<void(const QString& text)> message;
    // The years of the other editions, and changing to the one of a year
    // (false when it cannot be shown).
    std::function<std::vector<int>()> other_years;
    std::function<bool(int year)> change_edition;
};

class PersonalLayer : public QObject {
    Q_OBJECT

public:
    // `path`: the store's file; empty for none (keys then only tell so).
    PersonalLayer(PersonalHost host, QString path);
    ~PersonalLayer() override;

    // Opens the store; a message tells of a newer or damaged file.
    void open();
    // The store, or nullptr when there is none.
    const PersonalStore* store() const { return store_.get(); }

    // The keys of the layer (star_day, mark_read, progress, note, my_notes).
    void run_key_command(KeyCommand command);
    void add_menu_entries(int view, QMenu& menu, int position);
    // The day view shows the day page of `day`, or (invalid) another page.
    void page_shown(QDate day);
    // `page`, a chapter of `book`, with a star before each starred verse and
    // a link to each verse's note; the page itself without any.
    QString marked_chapter(const QString& page, int book, int chap) const;
    // A link of the layer's: "NOTIZ|<verse key>|" opens the verse's note,
    // "FORTSCHRITT|<year>|" that edition's progress.
    void follow_link(const QString& address);

    // What the keys, menus and controls do; false (after a message) when
    // there is no store or it refuses the change.
    bool set_read(bool read);
    bool set_star(const Target& target, bool starred);
    bool save_note(const Target& target, const QString& text);
    void show_progress();
    void show_notes();
    bool export_to(const QString& path);
    bool import_from(const QString& path);
    void open_note(const Target& target);
    // Verse `verse` of the chapter page shown; nullopt when it shows none.
    std::optional<Target> verse_shown(int verse) const { return verse > 0 ? host_.verse(verse, 0) : std::nullopt; }
    // Closes the open note editors, each saving its text.
    void close_editors();
    // The notes as the store holds them now; none without a store or while
    // it cannot be read.
    std::vector<Note> notes() const;

private:
    bool change(const std::function<void()>& work);
    bool usable();
    void changed(const Target& target);
    Target current_day() const;
    QString title_of(const Target& target) const;

    PersonalHost host_;
    QString path_;
    std::unique_ptr<PersonalStore> store_;
    DayCorner* corner_ = nullptr;
    QDate shown_day_;
    std::map<Target, QPointer<NoteEditor>> editors_;
};
