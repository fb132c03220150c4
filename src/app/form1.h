#pragma once
// The program's one window: it holds the whole state of a run (databases,
// templates, current date and Bible position), every control, and every
// event handler. Its handlers are spread over the form1_*.cpp files, one
// concern each.

#include "dialogs.h"
#include "form_layout.h"
#include "form_state.h"
#include "twips.h"

#include <QDate>
#include <QPoint>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>

class HtmlView;
class PictureButton;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class RectangleShape;

class Form1 : public QWidget, private FormState {
    Q_OBJECT

public:
    struct Settings {
        QString apppath;              // the data folder
        std::function<QDate()> today; // today's date
        MessageBoxes::Mode messages = MessageBoxes::Mode::Show;
    };

    explicit Form1(Settings settings);
    ~Form1() override;

    // Start-up before the window is shown: places the window, opens the
    // databases, reads the templates and fills the lists. Throws StartupError.
    void Form_Load();
    // The first activation: shows the window, shows today's page (or the
    // last day's, after the out-of-range message) and prepares the Bible view.
    void Form_Activate();

    // The click on a picture button; index + 100 is the button's hover twin.
    void but_Click(int Index);
    // The reference self-test: every stored key of every day of 2024 goes
    // through the Bible navigation; keys that cannot be shown are reported.
    void Command3_Click();
    // One tick of the hover timer.
    void Timer1_Timer();
    // A view has completed a navigation to `address` (a followed link).
    void WB_NavigateComplete2(int index, const QString& address);

    // Where the hover tick reads the cursor position (screen pixels); by
    // default the real mouse cursor.
    void set_cursor_source(std::function<QPoint()> source);

    const FormState& state() const { return *this; }
    // The places of the views, rows, strip background and search panel (twips).
    const FormGeometry& layout_twips() const { return layout_; }
    const TwipsScale& twips_scale() const { return scale_; }
    // Every message box text so far, oldest first.
    const QStringList& messages() const { return messages_.texts(); }
    // Every source text handed to either database since the lists were read.
    const QStringList& queries() const { return queries_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Controls (form1_controls.cpp)
    void create_controls();
    void create_day_row();
    void create_bible_row();
    void create_search_panel();
    HtmlView* create_view(int index);
    void create_button(int index, QWidget* container, float left, float top,
                       const QString& tool_tip);
    void place(QWidget* widget, const TwipsRect& rect);
    void apply_layout();
    PictureButton* but(int index) const;

    // Layout (form1_layout.cpp)
    void size_window_at_start();
    void fit_outer_size();
    void Form_Resize();

    // Lists (form1_lists.cpp)
    void fill_lists();

    // Commands (form1_commands.cpp)
    void run_command(int k);
    void step_list(QComboBox* list, int step);
    void inpautor_Click();
    void inpbereich_Click();
    void inpbibel_Click();
    void inpdatum_KeyPress(int KeyAscii);
    void inpvolltext_KeyPress(int KeyAscii);

    // Pages (form1_pages.cpp)
    QString loadday(QDate datum);
    QString displiste(const QString& sql, int anzentry);
    QString dispbibelliste(const QString& sql);
    // Writes `page` into WB(view), shows that view and hides the other.
    void show_page(int view, const QString& page);
    void show_message(const QString& text);
    // Runs `work`; a failure is reported in a message and the program goes on.
    void report_failures(const std::function<void()>& work);

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
    void books_Click();
    void chaps_Click();

    Settings settings_;
    MessageBoxes messages_;
    QStringList queries_;
    TwipsScale scale_;
    FormGeometry layout_;
    std::function<QPoint()> cursor_source_;

    QPushButton* Command3 = nullptr;
    std::array<HtmlView*, 2> WB{};
    std::array<QFrame*, 2> headline{};
    QTimer* Timer1 = nullptr;
    QFrame* sframe = nullptr;
    RectangleShape* bg = nullptr;
    PictureButton* Image1 = nullptr;
    PictureButton* Image2 = nullptr;
    std::array<PictureButton*, 20> buttons_{};     // but(0) .. but(19)
    std::array<PictureButton*, 20> twins_{};       // but(100) .. but(119)
    std::array<TwipsRect, 20> button_places_{};    // within their containers
    QComboBox* books = nullptr;
    QComboBox* chaps = nullptr;
    QLabel* SL = nullptr;
    QLabel* SVT = nullptr;
    QLabel* SBst = nullptr;
    QLabel* SBer = nullptr;
    QLabel* sAutor = nullptr;
    QLabel* sDatum = nullptr;
    QLineEdit* inpvolltext = nullptr;
    QComboBox* inpbibel = nullptr;
    QComboBox* inpbereich = nullptr;
    QComboBox* inpautor = nullptr;
    QLineEdit* inpdatum = nullptr;
};
