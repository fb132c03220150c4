// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's one window: every control, every event handler and the state
// of the run. Its handlers are spread over the form1_*.cpp files, one concern
// each; the commands of its buttons are listed in commands.h.

#include "commands.h"
#include "dialogs.h"
#include "form_layout.h"
#include "form_settings.h"
#include "form_state.h"
#include "key_commands.h"
#include "shown_page.h"
#include "twips.h"

#include <QDate>
#include <QPoint>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class Companion;
class EditionsControl;
class HtmlView;
class PersonalLayer;
class PictureButton;
class ReadAloud;
class QComboBox;
class QFrame;
class QLabel;
class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QSettings;
class QTimer;
class QuickSearch;
class RectangleShape;
class TranslationsControl;
struct SearchQuery;
struct Shelf;

class Form1 : public QWidget {
    Q_OBJECT

public:
    using Settings = FormSettings;

    explicit Form1(Settings settings);
    ~Form1() override;

    // Start-up before the window is shown: places the window, opens the
    // databases, reads the templates and fills the lists. Throws StartupError.
    void Form_Load();
    // The first activation: shows the window, shows today's page (or the
    // last day's, after the out-of-range message) and prepares the Bible view.
    void Form_Activate();

    // The click on a picture button: runs the command numbered `Index`
    // (a hover twin's number less 100); other numbers do nothing.
    void but_Click(int Index);
    // The reference self-test: every stored key of every day of the shown
    // edition goes through the Bible navigation; keys that cannot be shown
    // are reported.
    void Command3_Click();
    // One tick of the hover timer.
    void Timer1_Timer();
    // A view has completed a navigation to `address` (a followed link).
    void WB_NavigateComplete2(int index, const QString& address);

    // A keyboard command, as its keys run it.
    void run_key_command(KeyCommand command);
    // The context menu's "Vers kopieren" on verse `verse` of view `view`;
    // false when the view shows no such verse.
    bool copy_verse(int view, int verse);
    // Writes the visible page as PDF into `path`; false when it cannot.
    bool save_pdf(const QString& path);

    // Where the hover tick reads the cursor position (screen pixels); by
    // default the real mouse cursor.
    void set_cursor_source(std::function<QPoint()> source);

    const FormState& state() const { return state_; }
    // The zoom of both views in percent.
    int zoom() const { return zoom_; }
    // Where the window keeps its place, or nullptr when it keeps none.
    const QSettings* kept_settings() const { return settings_.kept.get(); }
    // The places of the views, rows, strip background and search panel (twips).
    const FormGeometry& layout_twips() const { return layout_; }
    const TwipsScale& twips_scale() const { return scale_; }
    // Every message box text so far, oldest first.
    const QStringList& messages() const { return messages_.texts(); }
    // Every source text handed to either database since the lists were read.
    const QStringList& queries() const { return queries_; }
    // The reader's own layer: progress, favourites, notes.
    PersonalLayer& personal() const { return *personal_; }
    // The daily companion: options, reminder, tray, later starts.
    Companion* companion() const { return companion_; }
    // The editions on the shelf, the change between them, adding one.
    EditionsControl& editions() const { return *editions_; }
    // The translations of the Bible mode: the chooser and the chapter side by side.
    TranslationsControl& translations() const { return *translations_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Controls (form1_controls.cpp)
    void create_controls();
    void create_day_row();
    void create_bible_row();
    void colour_strip();
    void create_search_panel();
    void create_buttons(ButtonGroup group, QWidget* container);
    HtmlView* create_view(int index);
    void place(QWidget* widget, const TwipsRect& rect);
    void apply_layout();
    PictureButton* button(Command command) const;
    PictureButton* twin(Command command) const;

    // Layout (form1_layout.cpp)
    void size_window_at_start();
    void fit_outer_size();
    void Form_Resize();

    // Lists (form1_lists.cpp)
    void fill_lists();

    // Commands (form1_commands.cpp)
    void run_command(Command command);
    void step_list(QComboBox* list, int step);
    void inpautor_Click();
    void inpbereich_Click();
    void inpbibel_Click();
    void inpdatum_KeyPress(int KeyAscii);
    void inpvolltext_KeyPress(int KeyAscii);

    // Pages (form1_pages.cpp). A day page or a list ends the marking of the
    // search words once it is shown; a page that fails keeps them.
    void show_day(QDate datum);
    void show_book_list(const SearchQuery& query);
    void show_bible_list(const SearchQuery& query);
    // Writes `page` into WB(view), shows that view and hides the other.
    void show_page(int view, const QString& page, ShownPage shown);
    void show_message(const QString& text);
    // Runs `work`; a failure is reported in a message and the program goes on.
    void report_failures(const std::function<void()>& work);
    // Moves to today, or to the last day after the out-of-range message.
    void go_to_today();

    // Search panel and searches (form1_search.cpp)
    void showsuche(int mode);
    void search_full_text();
    void search_bible_reference();
    void search_topic_area();
    void search_date();
    void search_author();

    // Bible mode (form1_bible.cpp)
    void bible_activate(bool show);
    bool bible_navigate(const QString& bcv, bool hilite, bool dosetchaps = false);
    void setchaps(int book);
    void create_translations();
    // The "Übersetzung" menu over the page, where the keyboard is.
    void run_translation_command();
    void books_Click();
    void chaps_Click();
    bool bible_mode() const;

    // Keyboard commands (form1_keys.cpp)
    void create_actions();
    void set_zoom(int percent);
    bool dark_desktop() const;
    void present_pages();

    // Reading: titles, copies, print (form1_reading.cpp)
    // A view was shown or hidden: the title follows, and so does the panel.
    void views_changed();
    void refresh_title();
    QString reference_of(int view, int start, int end) const;
    void add_menu_entries(int view, QMenu& menu, int position);
    // Verse `verse` of view `view` (0: the verse at `position`); nullopt when
    // the view shows no chapter or no such verse.
    std::optional<VerseRange> verse_range(int view, int verse, int position = -1) const;
    HtmlView* visible_view() const;
    void copy_selection();
    void print_page();
    void ask_pdf();

    // The kept place (form1_place.cpp)
    void restore_place();
    void keep_place();

    // The reader's own layer (form1_personal.cpp)
    void create_personal();
    // The quick search (form1_quick.cpp)
    void wire_quick_search();
    // The daily companion (form1_companion.cpp)
    void create_companion();
    // Editions (form1_editions.cpp): the open book replaced whole by `book`
    // (its queries so far in `record`): its `day` in the day view, the Bible
    // at its place, the views shown as before.
    void create_editions(Shelf shelf);
    void replace_book(std::unique_ptr<OpenBook> book, QStringList record, QDate day);
    void run_edition_command(KeyCommand command);

    Settings settings_;
    MessageBoxes messages_;
    QStringList queries_;
    TwipsScale scale_;
    FormGeometry layout_;
    std::function<QPoint()> cursor_source_;
    FormState state_;
    int zoom_ = 100;
    bool restore_bible_mode_ = false;
    std::map<KeyCommand, QAction*> key_actions_;  // the keyboard's actions, also in the views' menus
    std::array<ShownPage, 2> shown_{};
    ReadAloud* read_aloud_ = nullptr;              // reads the visible page aloud
    std::unique_ptr<PersonalLayer> personal_;
    Companion* companion_ = nullptr;               // a child of the window
    EditionsControl* editions_ = nullptr;          // a child of the window, made with the open book
    TranslationsControl* translations_ = nullptr;  // a child of the Bible view

    QPushButton* Command3 = nullptr;               // hidden button, starts the reference self-test
    std::array<HtmlView*, 2> WB{};                 // the day view (0) and the Bible view (1)
    std::array<QFrame*, 2> headline{};             // the button rows of the day view and the Bible view
    QTimer* Timer1 = nullptr;                      // the hover timer, ten ticks a second
    QFrame* sframe = nullptr;                      // the search panel, seen when both views are hidden
    RectangleShape* bg = nullptr;                  // the strip behind the button rows
    PictureButton* Image1 = nullptr;               // the logo of the day row
    PictureButton* Image2 = nullptr;               // the logo of the Bible row
    std::array<PictureButton*, 20> buttons_{};     // the command buttons, by number
    std::array<PictureButton*, 20> twins_{};       // their pressed pictures, shown while hovered
    QComboBox* books = nullptr;                    // the Bible's books, in the Bible row
    QComboBox* chaps = nullptr;                    // the chapters of the current book
    QLabel* SL = nullptr;                          // the search panel's heading, names what is searched
    QLabel* SVT = nullptr;                         // caption of the full-text field
    QLabel* SBst = nullptr;                        // caption of the reference list
    QLabel* SBer = nullptr;                        // caption of the topic list
    QLabel* sAutor = nullptr;                      // caption of the author list
    QLabel* sDatum = nullptr;                      // caption of the date field
    QLineEdit* inpvolltext = nullptr;              // the words of a full-text search
    QComboBox* inpbibel = nullptr;                 // the books for the reference search
    QComboBox* inpbereich = nullptr;               // the topics for the topic search
    QComboBox* inpautor = nullptr;                 // the authors for the author search
    QLineEdit* inpdatum = nullptr;                 // the date to go to
    QuickSearch* quick_ = nullptr;                 // the quick search over the views
};
