// SPDX-License-Identifier: GPL-2.0-or-later
// The window's controls: names, places, fonts, colours, pictures, tool tips
// and stacking order. Widgets created later lie above earlier siblings, so
// each container creates its controls from the bottom of the stacking order up.

#include "form1.h"

#include "accessibility.h"
#include "dark_page.h"
#include "html_view.h"
#include "picture_button.h"
#include "pictures.h"
#include "rectangle_shape.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace {

QFont verdana(qreal points, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// A label box in the colours of a field: text on the field's background,
// black on white on a light desktop, and following a dark one.
void set_field_colours(QWidget* widget)
{
    widget->setForegroundRole(QPalette::Text);
    widget->setBackgroundRole(QPalette::Base);
    widget->setAutoFillBackground(true);
}

QFrame* borderless_frame(const QString& name, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::NoFrame);
    return frame;
}

// The top of the logos and lists in the two button rows, level with the buttons.
constexpr float row_top = 120;

} // namespace

void Form1::create_controls()
{
    install_accessibility();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Selunar"));
    setWindowIcon(window_icon());
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);

    layout_.bg = {0, 0, 7000, 480};
    layout_.sframe = {0, 600, 6855, 2895};
    layout_.WB0 = {1020, 4440, 9615, 5415};
    layout_.headline0 = {0, 0, 7000, 480};
    layout_.headline1 = {0, 3600, 7000, 480};
    layout_.WB1 = {600, 4740, 9615, 5415};

    bg = new RectangleShape(Qt::transparent, Qt::transparent, this);
    bg->setObjectName(QStringLiteral("bg"));

    sframe = borderless_frame(QStringLiteral("sframe"), this);
    sframe->setAccessibleName(QStringLiteral("Suche"));
    sframe->setBackgroundRole(QPalette::Base);
    sframe->setAutoFillBackground(true);
    create_search_panel();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    Timer1->start();

    WB[0] = create_view(0);
    headline[0] = borderless_frame(QStringLiteral("headline0"), this);
    headline[0]->setAccessibleName(QStringLiteral("Andacht"));
    create_day_row();
    headline[1] = borderless_frame(QStringLiteral("headline1"), this);
    headline[1]->setAccessibleName(QStringLiteral("Bibel"));
    create_bible_row();
    colour_strip();
    WB[1] = create_view(1);

    Command3 = new QPushButton(QStringLiteral("Test Bibelstellen"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    place(Command3, {7020, 60, 1335, 375});
    Command3->hide();
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);

    create_actions();
    create_companion();
    create_translations();
    apply_layout();
}

void Form1::colour_strip()
{
    // The strip's grey, or its dark counterpart on a dark desktop. The rows
    // let the strip show through, so that the two never differ.
    const QColor light(217, 217, 225);
    bg->set_colours(dark_desktop() ? dark_colour(light) : light, palette().color(QPalette::WindowText));
}

void Form1::create_day_row()
{
    Image1 = new PictureButton([](qreal ratio) { return logo_picture(0, ratio); }, headline[0]);
    Image1->setObjectName(QStringLiteral("Image1"));
    place(Image1, {120, row_top, 705, 300});
    create_buttons(ButtonGroup::day_row, headline[0]);
}

void Form1::create_bible_row()
{
    Image2 = new PictureButton([](qreal ratio) { return logo_picture(1, ratio); }, headline[1]);
    Image2->setObjectName(QStringLiteral("Image2"));
    place(Image2, {120, row_top, 705, 300});
    create_buttons(ButtonGroup::bible_row, headline[1]);

    books = new QComboBox(headline[1]);
    books->setObjectName(QStringLiteral("books"));
    place(books, {3120, row_top, 1875, 315});
    chaps = new QComboBox(headline[1]);
    chaps->setObjectName(QStringLiteral("chaps"));
    place(chaps, {5040, row_top, 705, 315});
    for (QComboBox* list : {books, chaps})
        list->setFont(verdana(8.25, false));
    // The program's own selections raise these too; navbusy makes them no-ops.
    connect(books, &QComboBox::currentIndexChanged, this, &Form1::books_Click);
    connect(chaps, &QComboBox::currentIndexChanged, this, &Form1::chaps_Click);
    setTabOrder(books, chaps);
}

void Form1::create_search_panel()
{
    const auto label = [this](const QString& name, const QString& caption, const TwipsRect& rect,
                              qreal points) {
        auto* widget = new QLabel(caption, sframe);
        widget->setObjectName(name);
        widget->setFont(verdana(points, true));
        set_field_colours(widget);
        widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        place(widget, rect);
        return widget;
    };
    const auto text_field = [this](const QString& name, float top) {
        auto* field = new QLineEdit(sframe);
        field->setObjectName(name);
        field->setFont(verdana(8.25, false));
        place(field, {1800, top, 3615, 285});
        field->installEventFilter(this);
        return field;
    };
    const auto list = [this](const QString& name, float top, void (Form1::*chosen)()) {
        auto* combo = new QComboBox(sframe);
        combo->setObjectName(name);
        combo->setFont(verdana(8.25, false));
        place(combo, {1800, top, 3615, 315});
        // Only the user's choice searches; the program never selects here.
        connect(combo, &QComboBox::activated, this, chosen);
        return combo;
    };

    SL = label(QStringLiteral("SL"), QStringLiteral("Suche in \"Selunar\""), {0, 0, 4095, 375}, 12);
    SVT = label(QStringLiteral("SVT"), QStringLiteral("Volltext"), {0, 480, 1695, 375}, 8.25);
    inpvolltext = text_field(QStringLiteral("inpvolltext"), 480);
    SBst = label(QStringLiteral("SBst"), QStringLiteral("Bibelstelle"), {0, 960, 1695, 375}, 8.25);
    inpbibel = list(QStringLiteral("inpbibel"), 960, &Form1::inpbibel_Click);
    SBer = label(QStringLiteral("SBer"), QStringLiteral("Bereich"), {0, 1440, 1695, 375}, 8.25);
    inpbereich = list(QStringLiteral("inpbereich"), 1440, &Form1::inpbereich_Click);
    sAutor = label(QStringLiteral("sAutor"), QStringLiteral("Autor"), {0, 1920, 1695, 375}, 8.25);
    inpautor = list(QStringLiteral("inpautor"), 1920, &Form1::inpautor_Click);
    sDatum = label(QStringLiteral("sDatum"), QStringLiteral("Datum"), {0, 2400, 1695, 375}, 8.25);
    inpdatum = text_field(QStringLiteral("inpdatum"), 2340);
    inpdatum->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));

    create_buttons(ButtonGroup::search_go, sframe);
    create_buttons(ButtonGroup::book_go, sframe);

    for (auto [caption, field] : {std::pair<QLabel*, QWidget*>{SVT, inpvolltext}, {SBst, inpbibel}, {SBer, inpbereich},
                                  {sAutor, inpautor}, {sDatum, inpdatum}})
        caption->setBuddy(field);  // a screen reader names the field by its caption
    setTabOrder(inpvolltext, inpbibel);
    setTabOrder(inpbibel, inpbereich);
    setTabOrder(inpbereich, inpautor);
    setTabOrder(inpautor, inpdatum);
}

void Form1::create_buttons(ButtonGroup group, QWidget* container)
{
    // Tab goes through a row from left to right, whatever the buttons' numbers.
    std::vector<CommandRow> rows;
    for (const CommandRow& row : command_table())
        if (row.group == group)
            rows.push_back(row);
    std::stable_sort(rows.begin(), rows.end(), [](const CommandRow& a, const CommandRow& b) {
        return std::pair(a.top, a.left) < std::pair(b.top, b.left);
    });
    PictureButton* previous = nullptr;
    for (const CommandRow& row : rows) {
        const int number = button_number(row.command);
        const TwipsRect rect = button_place(row);
        for (bool pressed : {false, true}) {
            auto* button = new PictureButton(
                [number, pressed](qreal ratio) { return button_picture(number, pressed, ratio); }, container);
            const int member = pressed ? number + 100 : number;
            button->setObjectName(QStringLiteral("but%1").arg(member));
            button->setToolTip(QString::fromUtf8(row.tool_tip));
            // The go buttons bear the word they are named by.
            button->setAccessibleName(is_go_button(row) ? QStringLiteral("Suchen") : button->toolTip());
            button->setAccessibleDescription(command_keys(row.command));
            place(button, rect);
            connect(button, &PictureButton::clicked, this, [this, member] { but_Click(member); });
            if (pressed) {
                button->hide();
                twins_[number] = button;
            } else {
                button->setFocusPolicy(Qt::TabFocus);
                if (previous)
                    setTabOrder(previous, button);
                previous = button;
                buttons_[number] = button;
            }
        }
    }
}

HtmlView* Form1::create_view(int index)
{
    auto* view = new HtmlView(this);
    view->setObjectName(QStringLiteral("WB%1").arg(index));
    view->setAccessibleName(index == 0 ? QStringLiteral("Andacht") : QStringLiteral("Bibeltext"));
    connect(view, &HtmlView::navigate_complete, this,
            [this, index](const QString& address) { WB_NavigateComplete2(index, address); });
    view->installEventFilter(this);
    view->set_reference([this, index](int start, int end) { return reference_of(index, start, end); });
    view->set_menu_entries([this, index](QMenu& menu, int position) { add_menu_entries(index, menu, position); });
    return view;
}

PictureButton* Form1::button(Command command) const
{
    return buttons_[button_number(command)];
}

PictureButton* Form1::twin(Command command) const
{
    return twins_[button_number(command)];
}

void Form1::place(QWidget* widget, const TwipsRect& rect)
{
    widget->setGeometry(scale_.pixels(rect));
}

void Form1::apply_layout()
{
    place(WB[0], layout_.WB0);
    place(WB[1], layout_.WB1);
    place(headline[0], layout_.headline0);
    place(headline[1], layout_.headline1);
    place(bg, layout_.bg);
    place(sframe, layout_.sframe);
}
