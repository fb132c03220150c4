// SPDX-License-Identifier: GPL-2.0-or-later
#include "session_dump.h"

#include "companion/companion_dump.h"
#include "editions/edition_bar.h"
#include "editions/editions_control.h"
#include "translations/translations_control.h"
#include "form1.h"
#include "html_view.h"
#include "exchange.h"
#include "kept_place.h"
#include "read_aloud.h"
#include "personal_layer.h"
#include "personal_store.h"
#include "quick_search/quick_search.h"
#include "wait_cursor.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSettings>
#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QToolTip>

namespace {

QJsonValue date_value(const QDate& date)
{
    return date.isValid() ? QJsonValue(date.toString(Qt::ISODate)) : QJsonValue();
}

QJsonValue date_value(const std::optional<QDate>& date)
{
    return date ? date_value(*date) : QJsonValue();
}

// What `part` reads from the control `name`, or null when the window has no
// such control.
template <class Widget, class Part>
QJsonValue of_control(const Form1& form, const QString& name, Part part)
{
    const Widget* widget = form.findChild<Widget*>(name);
    return widget ? QJsonValue(part(*widget)) : QJsonValue();
}

QJsonObject list_state(const QComboBox& list)
{
    QJsonArray items;
    for (int i = 0; i < list.count(); ++i)
        items.append(list.itemText(i));
    const int index = list.currentIndex();
    return {{"count", list.count()},
            {"index", index},
            {"text", list.currentText()},
            {"items", items},
            {"data", index >= 0 ? QJsonValue::fromVariant(list.itemData(index)) : QJsonValue()}};
}

QJsonArray rect_value(const TwipsRect& rect)
{
    return {rect.left, rect.top, rect.width, rect.height};
}

QJsonObject visibility(const Form1& form)
{
    QJsonObject visible;
    for (const QWidget* widget : form.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        // Qt's own inner widgets carry names beginning with "qt_".
        if (!name.isEmpty() && !name.startsWith(u"qt_"))
            visible.insert(name, !widget->isHidden());
    }
    return visible;
}

QJsonObject window_geometry(const Form1& form)
{
    const TwipsScale& scale = form.twips_scale();
    const QRect frame = form.frameGeometry();
    return {{"left", scale.twips_x(frame.x())},
            {"top", scale.twips_y(frame.y())},
            {"width", scale.twips_x(frame.width())},
            {"height", scale.twips_y(frame.height())},
            {"client_width", scale.twips_x(form.width())},
            {"client_height", scale.twips_y(form.height())},
            {"twips_per_pixel", QJsonArray{scale.per_pixel_x, scale.per_pixel_y}}};
}

// The control with the keyboard focus: the nearest of it and its containers
// that has a name of the program's own.
QJsonValue focus_name()
{
    for (const QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(u"qt_"))
            return name;
    }
    return QJsonValue();
}

QJsonObject clipboard_value()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return {{"text", data && data->hasText() ? QJsonValue(data->text()) : QJsonValue()},
            {"html", data && data->hasHtml() ? QJsonValue(data->html()) : QJsonValue()}};
}

// The place the settings hold, as the next start reads it.
QJsonValue kept_value(const Form1& form)
{
    const QSettings* settings = form.kept_settings();
    if (!settings)
        return QJsonValue();
    const KeptPlace place = read_kept_place(*settings, form.state().book->lists.buecher);
    const auto frame = [](const QRect& r) { return QJsonArray{r.x(), r.y(), r.width(), r.height()}; };
    return QJsonObject{
        {"geometry", place.geometry ? QJsonValue(frame(*place.geometry)) : QJsonValue()},
        {"zoom", place.zoom},
        {"bible_position", place.actbcv},
        {"bible_mode", place.bible_mode}};
}

// The reader's own layer as read back from its store; null without one.
QJsonValue personal_value(const Form1& form)
{
    const PersonalStore* store = form.personal().store();
    if (!store)
        return QJsonValue();
    QJsonObject value = personal_json(store->data());
    value.insert(QStringLiteral("file"), store->path());
    value.insert(QStringLiteral("read_only"), store->read_only());
    const auto checked = [](const QToolButton& button) { return button.isChecked(); };
    value.insert(QStringLiteral("corner"),
                 QJsonObject{{"read", of_control<QToolButton>(form, QStringLiteral("personal_read"), checked)},
                             {"star", of_control<QToolButton>(form, QStringLiteral("personal_star"), checked)},
                             {"note", of_control<QToolButton>(form, QStringLiteral("personal_note"), checked)}});
    return value;
}

QJsonValue quick_search_value(const Form1& form)
{
    const auto* quick = form.findChild<QuickSearch*>();
    if (!quick || !quick->is_open())
        return QJsonValue();
    const QuickResults& results = quick->results();
    static const char* const kinds[] = {"reference", "date", "day", "verse", "notice", "note"};
    QJsonArray hits;
    for (int i = 0; i < std::min(results.size(), 200); ++i) {
        const QuickEntry entry = results.entry(i);
        hits.append(QJsonObject{{"kind", kinds[static_cast<int>(entry.kind)]},
                                {"target", entry.target},
                                {"label", entry.label},
                                {"text", entry.text}});
    }
    return QJsonObject{{"text", quick->text()}, {"days", results.days()}, {"verses", results.verses()},
                       {"hits", hits}};
}

// The translations shown and every module found, looked up if they were not yet.
QJsonValue translations_value(const Form1& form)
{
    TranslationsControl& translations = form.translations();
    QJsonArray available;
    for (const BibleModuleInfo& module : translations.available())
        available.append(QJsonObject{{"name", module.name},
                                     {"description", module.description},
                                     {"language", module.language},
                                     {"usable", module.usable},
                                     {"reason", module.reason}});
    return QJsonObject{{"shown", QJsonArray::fromStringList(translations.shown())},
                       {"columns", QJsonArray::fromStringList(translations.page_columns())},
                       {"button", translations.button()->text()},
                       {"available", available}};
}

// The shelf: the year shown, every edition with its folder and whether it
// can be used, and the line under the day page as shown.
QJsonValue editions_value(const Form1& form)
{
    const Shelf& shelf = form.editions().shelf();
    QJsonArray list;
    for (const Edition& edition : shelf.editions)
        list.append(QJsonObject{{"year", edition.year ? QJsonValue(edition.year) : QJsonValue()},
                                {"folder", edition.folder},
                                {"usable", edition.usable},
                                {"reason", edition.reason}});
    const EditionBar& bar = *form.editions().bar();
    QJsonArray years;
    for (const QToolButton* button : bar.year_buttons())
        if (!bar.isHidden())
            years.append(button->text().toInt());
    const Edition* shown = shelf.shown_edition();
    return QJsonObject{{"shown", shown ? QJsonValue(shown->year) : QJsonValue()},
                       {"list", list},
                       {"this_day", years},
                       {"notice", bar.isHidden() ? QString() : bar.notice()}};
}

} // namespace

QJsonObject session_dump(const Form1& form)
{
    const FormState& s = form.state();
    const auto page = [](const HtmlView& view) { return view.page_text(); };
    const auto top_anchor = [](const HtmlView& view) {
        const std::optional<QString> top = view.top_anchor();
        return top ? QJsonValue(*top) : QJsonValue();
    };
    const auto text = [](const auto& control) { return control.text(); };

    QJsonObject lists;
    for (const char* name : {"inpbibel", "inpbereich", "inpautor", "books", "chaps"})
        lists.insert(QLatin1String(name), of_control<QComboBox>(form, QLatin1String(name), list_state));

    const FormGeometry& g = form.layout_twips();
    return {
        {"actdate", date_value(s.actdate)},
        {"firstdate", date_value(s.book->firstdate)},
        {"lastdate", date_value(s.book->lastdate)},
        {"testdatum", date_value(s.testdatum)},
        {"actbcv", s.actbcv},
        {"hilitebcv", s.hilitebcv},
        {"suchworte", s.suchworte},
        {"suchmode", s.suchmode},
        {"navbusy", s.navbusy},
        {"wb0visible", s.wb0visible},
        {"visible", visibility(form)},
        {"html", QJsonObject{{"WB0", of_control<HtmlView>(form, QStringLiteral("WB0"), page)},
                             {"WB1", of_control<HtmlView>(form, QStringLiteral("WB1"), page)}}},
        {"top_anchor", QJsonObject{{"WB1", of_control<HtmlView>(form, QStringLiteral("WB1"), top_anchor)}}},
        {"lists", lists},
        {"fields",
         QJsonObject{{"inpvolltext", of_control<QLineEdit>(form, QStringLiteral("inpvolltext"), text)},
                     {"inpdatum", of_control<QLineEdit>(form, QStringLiteral("inpdatum"), text)}}},
        {"captions", QJsonObject{{"SL", of_control<QLabel>(form, QStringLiteral("SL"), text)}}},
        {"geometry", QJsonObject{{"WB0", rect_value(g.WB0)},
                                 {"WB1", rect_value(g.WB1)},
                                 {"headline0", rect_value(g.headline0)},
                                 {"headline1", rect_value(g.headline1)},
                                 {"bg", rect_value(g.bg)},
                                 {"sframe", rect_value(g.sframe)}}},
        {"window", window_geometry(form)},
        {"messages", QJsonArray::fromStringList(form.messages())},
        {"queries", QJsonArray::fromStringList(form.queries())},
        {"pointer", WaitCursor::showing() ? "wait" : "default"},
        {"zoom", form.zoom()},
        {"title", form.windowTitle()},
        {"clipboard", clipboard_value()},
        {"focus", focus_name()},
        {"settings", kept_value(form)},
        {"speech", form.findChild<ReadAloud*>()->state()},
        {"personal", personal_value(form)},
        {"quicksearch", quick_search_value(form)},
        {"tooltip", QToolTip::isVisible() ? QJsonValue(QToolTip::text()) : QJsonValue()},
        {"options", options_value(*form.companion())},
        {"notifications", notifications_value(*form.companion())},
        {"tray", tray_value(*form.companion())},
        {"editions", editions_value(form)},
        {"translations", translations_value(form)},
    };
}
