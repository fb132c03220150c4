// SPDX-License-Identifier: GPL-2.0-or-later
#include "translations_control.h"

#include "book_bible_source.h"
#include "menu_label.h"
#include "open_book.h"
#include "overlay_button.h"
#include "side_by_side_page.h"
#include "source_passage.h"
#include "translation_choice.h"

#include <QAbstractScrollArea>
#include <QActionGroup>
#include <QEvent>
#include <QMenu>
#include <QSettings>
#include <QToolButton>

namespace {

const QString book_bible = QStringLiteral("Buch");
const QString kept_key = QStringLiteral("bible/translations");

// The chooser stands in the top right corner of the view's visible area.
void place_in_corner(const QAbstractScrollArea& view, QToolButton& button)
{
    const QRect area = view.viewport()->geometry();
    const QSize size = button.sizeHint().boundedTo(area.size());
    button.setGeometry(area.right() + 1 - size.width(), area.top(), size.width(), size.height());
    button.raise();
}

} // namespace

TranslationsControl::TranslationsControl(TranslationsHost host) : QObject(host.bible_view), host_(std::move(host))
{
    shown_ = {book_bible};
    button_ = overlay_button(QStringLiteral("translation"), QStringLiteral("Übersetzung"),
                             QStringLiteral("Übersetzung wählen"), host_.bible_view);
    button_->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(button_);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        // Filled anew each time, so that it shows the modules as they are now.
        menu->clear();
        qDeleteAll(menu->findChildren<QMenu*>(Qt::FindDirectChildrenOnly));
        qDeleteAll(menu->findChildren<QActionGroup*>(Qt::FindDirectChildrenOnly));
        fill_menu(*menu);
    });
    button_->setMenu(menu);
    // The view's scroll bar comes and goes with the page, narrowing its visible area.
    host_.bible_view->installEventFilter(this);
    host_.bible_view->viewport()->installEventFilter(this);
    update_button();
}

TranslationsControl::~TranslationsControl() = default;

const std::vector<BibleModuleInfo>& TranslationsControl::available()
{
    if (!library_)
        library_ = host_.sword_folder.isEmpty() ? std::make_shared<SwordLibrary>()
                                                : std::make_shared<SwordLibrary>(host_.sword_folder);
    return library_->modules();
}

const QStringList& TranslationsControl::shown()
{
    if (!restored_) {
        restored_ = true;
        if (host_.kept)
            set_shown(host_.kept->value(kept_key).toStringList(), false);
    }
    return shown_;
}

void TranslationsControl::show(const QStringList& names)
{
    shown();
    set_shown(names, true);
}

void TranslationsControl::set_shown(QStringList names, bool keep)
{
    // Nothing but the book's Bible needs no module looked up.
    names = only_book_bible(names) ? QStringList{book_bible}
                                   : shown_translations(names, [this](const QString& name) { return usable(name); });
    if (keep && host_.kept) {
        host_.kept->setValue(kept_key, names);
        host_.kept->sync();
    }
    if (names == shown_)
        return;
    shown_ = names;
    update_button();
    Q_EMIT changed();
}

bool TranslationsControl::usable(const QString& name)
{
    for (const BibleModuleInfo& module : available())
        if (module.name == name)
            return module.usable;
    return false;
}

SpokenColumn TranslationsControl::spoken_column(const QString& name)
{
    for (const BibleModuleInfo& module : available())
        if (module.name == name)
            return {module.description.isEmpty() ? module.short_name : module.description, module.language};
    return {QStringLiteral("Elberfelder"), QString()};
}

QString TranslationsControl::short_name(const QString& name)
{
    if (name == book_bible)
        return QStringLiteral("Elberfelder");
    for (const BibleModuleInfo& module : available())
        if (module.name == name)
            return module.short_name;
    return name;
}

BibleSource& TranslationsControl::module_source(OpenBook& book, const QString& name)
{
    // Another edition may bring a Bible of another numbering.
    if (!frame_ || frame_file_ != book.files.bible_file) {
        sources_.clear();
        frame_ = BookBibleSource(*book.rsTexte).frame();
        frame_file_ = book.files.bible_file;
    }
    std::unique_ptr<BibleSource>& source = sources_[name];
    if (!source)
        source = library_->open(name, *frame_);
    return *source;
}

std::optional<QString> TranslationsControl::chapter_page(OpenBook& book, int book_number, int chap,
                                                         const QString& hilitebcv)
{
    page_columns_.clear();
    page_voices_.clear();
    if (only_book_bible(shown()))
        return std::nullopt;
    std::vector<TranslationColumn> columns;
    try {
        for (const QString& name : shown_) {
            BookBibleSource book_source(*book.rsTexte);
            BibleSource& source = name == book_bible ? book_source : module_source(book, name);
            TranslationColumn column{source.short_name(), source.has_book(book_number), {}};
            if (column.has_book)
                column.verses = source.chapter(book_number, chap);
            columns.push_back(std::move(column));
        }
    } catch (const BibleModuleError& error) {
        host_.message(QString::fromUtf8(error.what()));
        // The book's own page is built in its place now, so nothing is
        // announced; the kept choice stays for a later start.
        sources_.clear();
        shown_ = {book_bible};
        update_button();
        return std::nullopt;
    }
    for (const TranslationColumn& column : columns)
        page_columns_.append(column.short_name);
    for (const QString& name : shown_)
        page_voices_.push_back(spoken_column(name));
    return side_by_side_chapter(book_number, chap, columns, book.tplbibel, book.tplvers, book.lists.buecher, hilitebcv);
}

std::optional<QString> TranslationsControl::passage(OpenBook& book, const QString& key)
{
    const QString& main = shown().front();
    if (main == book_bible)
        return std::nullopt;
    try {
        return source_passage(module_source(book, main), book.lists.buecher, key);
    } catch (const BibleModuleError&) {
        // The page itself says so when it is built; a tool tip stays quiet.
        return QString();
    }
}

std::pair<QStringList, std::shared_ptr<const SwordLibrary>> TranslationsControl::searched_modules()
{
    QStringList modules = shown();
    modules.removeAll(book_bible);
    if (modules.isEmpty())
        return {};
    return {modules, library_};
}

void TranslationsControl::fill_menu(QMenu& menu)
{
    const QStringList current = shown();
    const auto describe = [](const BibleModuleInfo& module) {
        QString text = module.short_name + QStringLiteral(" – ") + module.description;
        if (!module.language.isEmpty())
            text += QStringLiteral(" (") + module.language + u')';
        if (!module.usable)
            text += QStringLiteral(": ") + module.reason;
        return menu_label(text);
    };

    menu.addSection(QStringLiteral("Übersetzung"));
    auto* mains = new QActionGroup(&menu);
    const auto add_main = [&](const QString& name, const QString& text, bool enabled, const QString& tip) {
        QAction* action = menu.addAction(text);
        action->setObjectName(QStringLiteral("main:") + name);
        action->setCheckable(true);
        action->setChecked(current.front() == name);
        action->setEnabled(enabled);
        action->setToolTip(tip);
        mains->addAction(action);
        connect(action, &QAction::triggered, this, [this, name] { show(with_main_translation(shown_, name)); });
    };
    add_main(book_bible, QStringLiteral("Elberfelder – die Bibel des Buches"), true, {});
    for (const BibleModuleInfo& module : available())
        add_main(module.name, describe(module), module.usable, module.detail);

    QMenu* beside = menu.addMenu(QStringLiteral("Daneben"));
    beside->setObjectName(QStringLiteral("beside"));
    const auto add_beside = [&](const QString& name, const QString& text, bool usable) {
        QAction* action = beside->addAction(text);
        action->setObjectName(QStringLiteral("beside:") + name);
        action->setCheckable(true);
        const bool checked = current.indexOf(name) > 0;
        action->setChecked(checked);
        // Three columns at most; the main one is not beside itself.
        action->setEnabled(usable && current.front() != name && (checked || current.size() < max_translations));
        connect(action, &QAction::triggered, this, [this, name] { show(with_translation_toggled(shown_, name)); });
    };
    add_beside(book_bible, QStringLiteral("Elberfelder – die Bibel des Buches"), true);
    for (const BibleModuleInfo& module : available())
        add_beside(module.name, describe(module), module.usable);
}

void TranslationsControl::add_menu_entries(QMenu& menu)
{
    QMenu* submenu = menu.addMenu(QStringLiteral("Übersetzung"));
    submenu->setObjectName(QStringLiteral("translations"));
    fill_menu(*submenu);
}

void TranslationsControl::update_button()
{
    QStringList names;
    for (const QString& name : shown_)
        names.append(menu_label(short_name(name)));
    button_->setText(QStringLiteral("Übersetzung: ") + names.join(QStringLiteral(" · ")));
    place_in_corner(*host_.bible_view, *button_);
}

bool TranslationsControl::eventFilter(QObject* watched, QEvent* event)
{
    const bool view = watched == host_.bible_view || watched == host_.bible_view->viewport();
    if (view && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        place_in_corner(*host_.bible_view, *button_);
    return QObject::eventFilter(watched, event);
}
