// SPDX-License-Identifier: GPL-2.0-or-later
#include "script_session.h"

#include "companion/companion.h"
#include "form1.h"
#include "editions/editions_control.h"
#include "translations/translations_control.h"
#include "html_view.h"
#include "read_aloud.h"
#include "personal_layer.h"
#include "quick_search/quick_search.h"
#include "session_dump.h"
#include "window_picture.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextBlock>
#include <QTimer>

namespace {

// A dark desktop's palette, as dark themes set it.
QPalette dark_palette()
{
    const QColor window(0x35, 0x35, 0x35), base(0x2a, 0x2a, 0x2a), text(0xee, 0xee, 0xee);
    QPalette palette(window);
    for (auto [role, colour] : {std::pair{QPalette::Window, window}, {QPalette::Button, window},
                                {QPalette::Base, base}, {QPalette::AlternateBase, QColor(0x42, 0x42, 0x42)},
                                {QPalette::WindowText, text}, {QPalette::Text, text}, {QPalette::ButtonText, text},
                                {QPalette::ToolTipBase, window}, {QPalette::ToolTipText, text},
                                {QPalette::Highlight, QColor(0x2a, 0x82, 0xda)}, {QPalette::HighlightedText, text},
                                {QPalette::Link, QColor(0x5a, 0xa0, 0xe6)},
                                {QPalette::PlaceholderText, QColor(0xa0, 0xa0, 0xa0)}})
        palette.setColor(role, colour);
    return palette;
}

// Selects in `view` from the first place of the text before ".." to the end
// of the first place after it of the text behind; without "..", the text.
QString select_text(HtmlView& view, const QString& words)
{
    const qsizetype dots = words.indexOf(QStringLiteral(".."));
    const QString from = dots < 0 ? words : words.left(dots);
    const QTextDocument::FindFlags exact = QTextDocument::FindCaseSensitively;
    const QTextCursor first = view.document()->find(from, 0, exact);
    const QTextCursor last = first.isNull() || dots < 0
                                 ? first
                                 : view.document()->find(words.mid(dots + 2), first.selectionStart(), exact);
    if (last.isNull())
        return QStringLiteral("%1 shows no %2").arg(view.objectName(), words);
    QTextCursor selection = first;
    selection.setPosition(first.selectionStart());
    selection.setPosition(last.selectionEnd(), QTextCursor::KeepAnchor);
    // As a user's selection with the mouse, it takes the focus.
    view.setFocus();
    view.setTextCursor(selection);
    return {};
}

// The place in `view`'s viewport where the link `href` begins, scrolled
// into sight; nullopt when the page has no such link.
std::optional<QPoint> link_point(HtmlView& view, const QString& href)
{
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isAnchor() || fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(view.document());
            cursor.setPosition(fragment.position() + std::min(1, fragment.length() - 1));
            QRect place = view.cursorRect(cursor);
            if (!view.viewport()->rect().contains(place.center())) {
                view.verticalScrollBar()->setValue(view.verticalScrollBar()->value() + place.top());
                place = view.cursorRect(cursor);
            }
            return place.center();
        }
    }
    return std::nullopt;
}

QString quick_step(Form1& form, const ScriptStep& step)
{
    auto* quick = form.findChild<QuickSearch*>();
    if (!quick)
        return QStringLiteral("the window has no quick search");
    if (step.kind == ScriptStep::Kind::quicksearch) {
        if (!quick->is_open())
            form.run_key_command(KeyCommand::quick_search);
        quick->set_text(step.text);
        quick->wait_until_settled();
        return {};
    }
    if (!quick->is_open() || !quick->open_entry(step.x))
        return QStringLiteral("the quick search shows no entry %1").arg(step.x);
    return {};
}

QString hover_link(Form1& form, int index, const QString& href)
{
    auto* view = form.findChild<HtmlView*>(QStringLiteral("WB%1").arg(index));
    const std::optional<QPoint> point = view ? link_point(*view, href) : std::nullopt;
    if (!point)
        return QStringLiteral("view %1 shows no link %2").arg(index).arg(href);
    // The passage comes from the quick search's index: a script waits for it.
    if (auto* quick = form.findChild<QuickSearch*>())
        quick->wait_until_settled();
    QHelpEvent rest(QEvent::ToolTip, *point, view->viewport()->mapToGlobal(*point));
    QCoreApplication::sendEvent(view->viewport(), &rest);
    return {};
}

} // namespace

ScriptSession::ScriptSession(Form1& form)
    : form_(form)
{
    form_.set_cursor_source([this] { return cursor_; });
}

QString ScriptSession::run(const std::vector<ScriptStep>& steps)
{
    for (const ScriptStep& step : steps) {
        const QString error = run_step(step);
        if (!error.isEmpty())
            return QStringLiteral("line %1: %2").arg(step.line).arg(error);
        // Between two user actions the window handles what is pending.
        QCoreApplication::processEvents();
    }
    return {};
}

QString ScriptSession::run_step(const ScriptStep& step)
{
    using Kind = ScriptStep::Kind;
    switch (step.kind) {
    case Kind::click:
        form_.but_Click(step.x);
        return {};
    case Kind::choose:
        return choose(step.name, step.x);
    case Kind::type:
        return type(step.name, step.text);
    case Kind::key:
        return press_key(step.name, step.x);
    case Kind::link:
        return follow_link(step.x, step.text);
    case Kind::resize:
        form_.resize(step.x, step.y);
        return {};
    case Kind::cursor:
        cursor_ = QPoint(step.x, step.y);
        form_.Timer1_Timer();
        return {};
    case Kind::selftest:
        if (auto* button = form_.findChild<QPushButton*>(QStringLiteral("Command3")))
            button->click();
        else
            return QStringLiteral("the window has no self-test button");
        return {};
    case Kind::dump:
        return dump(step.text);
    case Kind::screenshot:
        return screenshot(step.text);
    case Kind::shortcut:
        return press_keys(step.text);
    case Kind::select:
        return select_all(step.x);
    case Kind::copyverse:
        if (!form_.copy_verse(step.x, step.y))
            return QStringLiteral("view %1 shows no verse %2").arg(step.x).arg(step.y);
        return {};
    case Kind::pdf:
        if (!form_.save_pdf(step.text))
            return QStringLiteral("cannot write %1").arg(step.text);
        return {};
    case Kind::palette:
        // What a desktop does when the user switches its colours.
        QApplication::setPalette(step.name == u"dark" ? dark_palette() : QApplication::style()->standardPalette());
        return {};
    case Kind::selecttext:
        if (auto* view = form_.findChild<HtmlView*>(QStringLiteral("WB%1").arg(step.x)))
            return select_text(*view, step.text);
        return QStringLiteral("the window has no view WB%1").arg(step.x);
    case Kind::speak:
    case Kind::speakstop:
    case Kind::spoken:
        return speak(step);
    case Kind::read:
        form_.personal().set_read(step.x);
        return {};
    case Kind::star:
    case Kind::note:
        return personal_change(step);
    case Kind::progress:
        form_.personal().show_progress();
        return {};
    case Kind::mynotes:
        form_.personal().show_notes();
        return {};
    case Kind::export_file:
        form_.personal().export_to(step.text);
        return {};
    case Kind::import_file:
        form_.personal().import_from(step.text);
        return {};
    case Kind::quicksearch:
    case Kind::quickopen:
        return quick_step(form_, step);
    case Kind::hoverlink:
        return hover_link(form_, step.x, step.text);
    case Kind::option:
        return form_.companion()->set_option(step.name, step.text);
    case Kind::clock:
        form_.companion()->set_clock(QTime(0, 0).addSecs(step.x * 60));
        return {};
    case Kind::edition: {
        // As the menu: only a usable edition can be chosen.
        const qsizetype edition = form_.editions().edition_of_year(step.x);
        if (edition < 0)
            return QStringLiteral("no usable edition of %1").arg(step.x);
        form_.editions().change_to(edition);
        return {};
    }
    case Kind::addedition:
        form_.editions().add(step.text);
        return {};
    case Kind::translation:
        form_.translations().show(step.text.split(u' '));
        return {};
    case Kind::wait: {
        QEventLoop loop;
        QTimer::singleShot(step.x, &loop, &QEventLoop::quit);
        loop.exec();
        return {};
    }
    }
    return {};
}

QString ScriptSession::personal_change(const ScriptStep& step)
{
    const std::optional<Target> target = step.name == u"day" ? std::optional(Target::day(form_.state().actdate))
                                                             : form_.personal().verse_shown(step.y);
    if (!target)
        return QStringLiteral("the Bible view shows no verse %1").arg(step.y);
    if (step.kind == ScriptStep::Kind::star)
        form_.personal().set_star(*target, step.x);
    else
        form_.personal().save_note(*target, step.text);
    return {};
}

QString ScriptSession::press_keys(const QString& keys)
{
    // Key events sent to a control go through the window's shortcuts first,
    // as the keyboard's own do. They need an active window, which without a
    // window manager (under Xvfb) nobody else makes.
    if (!form_.isActiveWindow())
        QApplication::setActiveWindow(&form_);
    const QKeySequence sequence = QKeySequence::fromString(keys, QKeySequence::PortableText);
    for (int i = 0; i < sequence.count(); ++i) {
        const QKeyCombination combination = sequence[i];
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &form_;
        const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
        const int key = combination.key();
        const bool typed = (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier && key >= 0x20 && key < 0x7F;
        const QString text = typed ? QString(QChar(key)) : QString();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QCoreApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : &form_, &release);
    }
    return {};
}

QString ScriptSession::speak(const ScriptStep& step)
{
    auto* reader = form_.findChild<ReadAloud*>();
    if (step.kind == ScriptStep::Kind::speakstop)
        reader->stop();
    else if (step.kind == ScriptStep::Kind::speak) {
        reader->stop();
        form_.run_key_command(KeyCommand::read_aloud);
    } else if (auto* recording = dynamic_cast<RecordingEngine*>(&reader->engine()))
        recording->finish(step.x);
    else
        return QStringLiteral("spoken needs the recording engine");
    return {};
}

QString ScriptSession::select_all(int view)
{
    auto* target = form_.findChild<HtmlView*>(QStringLiteral("WB%1").arg(view));
    if (!target)
        return QStringLiteral("the window has no view WB%1").arg(view);
    // As a user's selection with the mouse, it takes the focus.
    target->setFocus();
    target->selectAll();
    return {};
}

QString ScriptSession::choose(const QString& list_name, int index)
{
    auto* list = form_.findChild<QComboBox*>(list_name);
    if (!list)
        return QStringLiteral("the window has no list %1").arg(list_name);
    if (index < 0 || index >= list->count())
        return QStringLiteral("%1 has no entry %2 (it has %3)").arg(list_name).arg(index).arg(list->count());
    // Choosing from the drop-down selects the entry and reports the choice,
    // also when the entry was selected already.
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
    return {};
}

QString ScriptSession::type(const QString& field_name, const QString& text)
{
    auto* field = form_.findChild<QLineEdit*>(field_name);
    if (!field)
        return QStringLiteral("the window has no field %1").arg(field_name);
    field->setText(text);
    return {};
}

QString ScriptSession::follow_link(int view, const QString& address)
{
    auto* target = form_.findChild<HtmlView*>(QStringLiteral("WB%1").arg(view));
    if (!target)
        return QStringLiteral("the window has no view WB%1").arg(view);
    Q_EMIT target->navigate_complete(address);
    return {};
}

QString ScriptSession::press_key(const QString& field_name, int code)
{
    auto* field = form_.findChild<QLineEdit*>(field_name);
    if (!field)
        return QStringLiteral("the window has no field %1").arg(field_name);
    int key = Qt::Key_unknown;
    switch (code) {
    case 8: key = Qt::Key_Backspace; break;
    case 9: key = Qt::Key_Tab; break;
    case 13: key = Qt::Key_Return; break;
    case 27: key = Qt::Key_Escape; break;
    default:
        if (code >= 0x20 && code < 0x7F)
            key = QChar(code).toUpper().unicode();
        break;
    }
    const QString text(QChar(static_cast<char16_t>(code)));
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(field, &release);
    return {};
}

QString ScriptSession::dump(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    file.write(QJsonDocument(session_dump(form_)).toJson(QJsonDocument::Indented));
    return {};
}

QString ScriptSession::screenshot(const QString& path)
{
    const QImage picture = shown_picture(form_);
    if (picture.isNull())
        return QStringLiteral("the screen shows no picture of the window");
    if (!picture.save(path, "PNG"))
        return QStringLiteral("cannot write %1").arg(path);
    return {};
}
