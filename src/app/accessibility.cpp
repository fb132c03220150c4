// SPDX-License-Identifier: GPL-2.0-or-later
#include "accessibility.h"

#include "html_view.h"
#include "key_commands.h"
#include "picture_button.h"
#include "speakable_text.h"

#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

namespace {

// A picture button is a push button; one without a name (the logos) a picture.
// The role is asked anew each time: the interface may be made before the
// button is named.
class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Button)
    {
    }

    QAccessible::Role role() const override
    {
        return widget()->accessibleName().isEmpty() ? QAccessible::Graphic : QAccessible::Button;
    }

    // The keys alone: the tool tip, which Qt would give instead, repeats the name.
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? widget()->accessibleDescription() : QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return role() == QAccessible::Button ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && role() == QAccessible::Button)
            static_cast<PictureButton*>(widget())->click();
    }
};

// The offset in the read text of document position `position`.
int offset_in(const ReadingText& text, int position)
{
    return static_cast<int>(std::lower_bound(text.positions.begin(), text.positions.end(), position)
                            - text.positions.begin());
}

// A view's page as a screen reader takes it in: the text without the marks
// where pictures, frames and table cells stand, offsets counted in it.
class ViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ViewAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::EditableText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? reading().text : QAccessibleWidget::text(t);
    }

    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        const QTextCursor cursor = view()->textCursor();
        if (index == 0 && cursor.hasSelection()) {
            *start = offset_of(cursor.selectionStart());
            *end = offset_of(cursor.selectionEnd());
        }
    }
    int selectionCount() const override { return view()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override
    {
        QTextCursor cursor = view()->textCursor();
        cursor.clearSelection();
        view()->setTextCursor(cursor);
    }
    void setSelection(int, int start, int end) override
    {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(position_of(start));
        cursor.setPosition(position_of(end), QTextCursor::KeepAnchor);
        view()->setTextCursor(cursor);
    }

    int cursorPosition() const override { return offset_of(view()->textCursor().position()); }
    void setCursorPosition(int offset) override
    {
        QTextCursor cursor = view()->textCursor();
        cursor.setPosition(position_of(offset));
        view()->setTextCursor(cursor);
    }

    QString text(int start, int end) const override
    {
        const QString all = reading().text;
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(reading().text.size()); }

    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(view()->document());
        cursor.setPosition(position_of(offset));
        const QRect rect = view()->cursorRect(cursor);
        return QRect(view()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = view()->viewport()->mapFromGlobal(point);
        return offset_of(view()->cursorForPosition(local).position());
    }
    void scrollToSubstring(int start, int) override
    {
        QTextCursor cursor(view()->document());
        cursor.setPosition(position_of(start));
        const QRect rect = view()->cursorRect(cursor);
        view()->verticalScrollBar()->setValue(view()->verticalScrollBar()->value() + rect.top());
    }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    HtmlView* view() const { return static_cast<HtmlView*>(widget()); }

    ReadingText reading() const { return reading_text(view()->document()->toRawText()); }

    int offset_of(int position) const { return offset_in(reading(), position); }
    int position_of(int offset) const
    {
        const ReadingText read = reading();
        const std::vector<int>& positions = read.positions;
        if (positions.empty())
            return 0;
        if (offset >= static_cast<int>(positions.size()))
            return positions.back() + 1;
        return positions[static_cast<std::size_t>(std::max(offset, 0))];
    }
};

// The view reports its changes in the document's raw text, marks and all;
// assistive technology is told them as the whole read text, old and new,
// instead. (Caret and selection it asks of the view's interface.)
void tell_in_read_text(QAccessibleEvent* event)
{
    static std::map<QObject*, QString> told;  // the text each view was last told to have
    QAccessibleEvent* tell = event;
    std::optional<QAccessibleTextUpdateEvent> update;
    const QAccessible::Event type = event->type();
    auto* view = qobject_cast<HtmlView*>(event->object());
    if (view && (type == QAccessible::TextInserted || type == QAccessible::TextRemoved || type == QAccessible::TextUpdated)) {
        const QString now = reading_text(view->document()->toRawText()).text;
        if (now == told[view])
            return;
        update.emplace(view, 0, std::exchange(told[view], now), now);
        tell = &*update;
    }
    // Without a handler of its own the event goes to the desktop's bridge.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(tell);
    QAccessible::installUpdateHandler(tell_in_read_text);
}

QAccessibleInterface* program_controls(const QString& class_name, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (class_name == u"PictureButton")
        return new PictureButtonAccessible(widget);
    if (class_name == u"HtmlView")
        return new ViewAccessible(widget);
    // The program's window is announced as a window (a frame) with its title.
    if (class_name == u"Form1")
        return new QAccessibleWidget(widget, QAccessible::Window);
    // The rows and the search panel are groups within it, not windows.
    if (class_name == u"QFrame" && qstrcmp(object->metaObject()->className(), "QFrame") == 0 && !widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}

} // namespace

void install_accessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(program_controls);
        QAccessible::installUpdateHandler(tell_in_read_text);
        return true;
    }();
    Q_UNUSED(installed);
}

QString command_keys(Command command)
{
    using C = Command;
    using K = KeyCommand;
    // The keys run the button of the current mode, so each button of a pair
    // shares its key.
    const std::pair<C, K> keys[] = {
        {C::previous_day, K::previous}, {C::previous_chapter, K::previous}, {C::next_day, K::next},
        {C::next_chapter, K::next}, {C::today, K::today}, {C::book_search_panel, K::find},
        {C::bible_search_panel, K::find}, {C::help, K::help}, {C::bible_help, K::help},
        {C::open_bible, K::bible}, {C::close_bible, K::bible},
    };
    for (const auto& [button, key] : keys) {
        if (button != command)
            continue;
        for (const KeyCommandRow& row : key_command_table())
            if (row.command == key)
                return key_sequences(row).value(0).toString(QKeySequence::NativeText);
    }
    return {};
}
