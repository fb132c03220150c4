// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The window's side of the Bible translations: the SWORD modules of the
// desktop beside the book's own Bible, looked up at their first use; the
// choice "Übersetzung" of the main one and up to two beside it, kept in the
// settings; and the chapter page side by side in the chosen ones. The window
// hands it what it needs as a TranslationsHost.

#include "bible_frame.h"
#include "speakable_text.h"
#include "sword_library.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>

class QAbstractScrollArea;
class QMenu;
class QSettings;
class QToolButton;
struct OpenBook;

struct TranslationsHost {
    QAbstractScrollArea* bible_view = nullptr;  // the chooser lies over its corner
    // Keeps the choice between runs; none: only for this run.
    std::shared_ptr<QSettings> kept;
    QString sword_folder;  // the SWORD folder alone; empty: where the desktop keeps its modules
    std::function<void(const QString& text)> message;
};

class TranslationsControl : public QObject {
    Q_OBJECT

public:
    explicit TranslationsControl(TranslationsHost host);
    ~TranslationsControl() override;

    // Every Bible module found, usable or not; looked up at the first call.
    const std::vector<BibleModuleInfo>& available();
    // The translations shown, the main one first; "Buch" is the book's Bible.
    const QStringList& shown();
    // Shows `names` as far as they can be chosen (usable, each once, at most
    // three) and keeps the choice.
    void show(const QStringList& names);

    // The chapter page in the translations shown, side by side; nullopt when
    // the book's Bible alone is shown, or when a module fails (then after a
    // message, and the book's Bible alone is shown from then on). A failing
    // book's Bible throws DatabaseError as its chapter page does.
    std::optional<QString> chapter_page(OpenBook& book, int book_number, int chap, const QString& hilitebcv);
    // The short names of the columns of the page last built, in order;
    // empty when it was the book's own chapter page.
    const QStringList& page_columns() const { return page_columns_; }
    // How the columns of that page are read aloud: each translation's name
    // in words and its language.
    const std::vector<SpokenColumn>& page_voices() const { return page_voices_; }
    // The passage of a Bible key in the main translation for a tool tip;
    // nullopt when that is the book's Bible.
    std::optional<QString> passage(OpenBook& book, const QString& key);

    // The modules shown (without the book's Bible) and the library to read
    // them from, for the quick search; no library while none is shown.
    std::pair<QStringList, std::shared_ptr<const SwordLibrary>> searched_modules();

    // The "Übersetzung" menu: the main translation (an unusable module
    // greyed with its reason), then "Daneben" with those shown beside it.
    void fill_menu(QMenu& menu);
    // The views' context menu: the submenu "Übersetzung".
    void add_menu_entries(QMenu& menu);
    // The chooser over the Bible view.
    QToolButton* button() const { return button_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    // Other translations are to be shown: the chapter is built anew.
    void changed();

private:
    void set_shown(QStringList names, bool keep);
    bool usable(const QString& name);
    QString short_name(const QString& name);
    SpokenColumn spoken_column(const QString& name);
    // The source of module `name` in the numbering of `book`'s Bible.
    BibleSource& module_source(OpenBook& book, const QString& name);
    void update_button();

    TranslationsHost host_;
    std::shared_ptr<SwordLibrary> library_;
    QStringList shown_;
    bool restored_ = false;  // the kept choice is read at the first use
    QString frame_file_;     // the Bible whose numbering the sources follow
    std::optional<BibleFrame> frame_;
    std::map<QString, std::unique_ptr<BibleSource>> sources_;
    QStringList page_columns_;
    std::vector<SpokenColumn> page_voices_;
    QToolButton* button_ = nullptr;
};
