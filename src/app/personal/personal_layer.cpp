// SPDX-License-Identifier: GPL-2.0-or-later
#include "personal_layer.h"

#include "bible_position.h"
#include "day_corner.h"
#include "exchange.h"
#include "form_state.h"
#include "html_view.h"
#include "note_editor.h"
#include "personal_pages.h"
#include "personal_store.h"
#include "dates.h"
#include "verse_reference.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>

#include <array>

namespace {

// Book, chapter and verse of a verse key known to be valid.
std::array<int, 3> verse_numbers(const QString& key)
{
    int book = 0, chap = 0, verse = 0;
    setactbcv(key, book, chap, verse);
    return {book, chap, verse};
}

} // namespace

PersonalLayer::PersonalLayer(PersonalHost host, QString path)
    : host_(std::move(host)), path_(std::move(path))
{
}

PersonalLayer::~PersonalLayer() = default;

void PersonalLayer::open()
{
    if (path_.isEmpty())
        return;
    PersonalStore::Opened opened = PersonalStore::open(path_, QDateTime::currentDateTime());
    store_ = std::move(opened.store);
    if (!opened.message.isEmpty())
        host_.message(opened.message);
    if (!store_)
        return;
    corner_ = new DayCorner(host_.day_view);
    corner_->hide();
    connect(corner_->read_button(), &QToolButton::clicked, this, [this](bool on) { set_read(on); });
    connect(corner_->star_button(), &QToolButton::clicked, this,
            [this](bool on) { set_star(current_day(), on); });
    connect(corner_->note_button(), &QToolButton::clicked, this, [this] {
        page_shown(shown_day_);
        open_note(current_day());
    });
}

bool PersonalLayer::usable()
{
    if (!store_)
        host_.message(QStringLiteral("Es ist keine persönliche Datei geöffnet: Gelesenes, Merker und Notizen "
                                     "können nicht gespeichert werden."));
    return store_ != nullptr;
}

bool PersonalLayer::change(const std::function<void()>& work)
{
    if (!usable())
        return false;
    try {
        work();
        return true;
    } catch (const std::exception& e) {
        host_.message(QString::fromStdString(e.what()));
        page_shown(shown_day_);
        return false;
    }
}

std::vector<Note> PersonalLayer::notes() const
{
    if (!store_)
        return {};
    // Asked at every key typed into the quick search: a store that fails to
    // read leaves the search to the book, and says so when it is next used.
    try {
        return store_->data().notes;
    } catch (const std::exception&) {
        return {};
    }
}

Target PersonalLayer::current_day() const
{
    return Target::day(host_.state->actdate);
}

QString PersonalLayer::title_of(const Target& target) const
{
    if (target.kind == Target::Kind::day)
        return format_long_date(target.date());
    const auto [book, chap, verse] = verse_numbers(target.key);
    const BuchRow* row = find_buch(host_.state->book->lists.buecher, book);
    return bible_reference(row ? row->buch.toString() : QString(), chap, verse, verse);
}

void PersonalLayer::run_key_command(KeyCommand command)
{
    switch (command) {
    case KeyCommand::star_day:
        if (usable())
            set_star(current_day(), !store_->is_starred(current_day()));
        break;
    case KeyCommand::mark_read:
        if (usable())
            set_read(!store_->is_read(current_day().date()));
        break;
    case KeyCommand::progress:
        show_progress();
        break;
    case KeyCommand::note: {
        // In the Bible the note belongs to the verse the reader is at.
        const std::optional<Target> verse = host_.day_view->isHidden() ? host_.verse(0, -1) : std::nullopt;
        open_note(verse.value_or(current_day()));
        break;
    }
    case KeyCommand::my_notes:
        show_notes();
        break;
    default:
        break;
    }
}

void PersonalLayer::add_menu_entries(int view, QMenu& menu, int position)
{
    if (!store_)
        return;
    menu.addSeparator();
    const auto add = [&](const QString& text, std::function<void()> work, std::optional<bool> checked = {}) {
        QAction* action = menu.addAction(text);
        action->setCheckable(checked.has_value());
        action->setChecked(checked.value_or(false));
        connect(action, &QAction::triggered, this, std::move(work));
    };
    if (view == 0 && shown_day_.isValid()) {
        const Target day = current_day();
        const bool read = store_->is_read(day.date());
        const bool starred = store_->is_starred(day);
        add(QStringLiteral("Bibellese gelesen"), [this, read] { set_read(!read); }, read);
        add(QStringLiteral("Andacht merken"), [this, day, starred] { set_star(day, !starred); }, starred);
        add(QStringLiteral("Notiz …"), [this, day] { open_note(day); });
    }
    if (const std::optional<Target> verse = view == 1 ? host_.verse(0, position) : std::nullopt) {
        const bool starred = store_->is_starred(*verse);
        add(QStringLiteral("Vers merken"), [this, verse, starred] { set_star(*verse, !starred); }, starred);
        add(QStringLiteral("Notiz zum Vers …"), [this, verse] { open_note(*verse); });
    }
    add(QStringLiteral("Lesefortschritt"), [this] { show_progress(); });
    add(QStringLiteral("Meine Notizen"), [this] { show_notes(); });
    add(QStringLiteral("Exportieren …"), [this] {
        QString filter;
        QString path = QFileDialog::getSaveFileName(host_.window, QStringLiteral("Exportieren"),
                                                    QDir::home().filePath(QStringLiteral("Meine Notizen.md")),
                                                    QStringLiteral("Markdown (*.md);;JSON (*.json)"), &filter);
        // The ending chooses the format; a name without one takes the chosen filter's.
        if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
            path += filter.startsWith(u"JSON") ? QStringLiteral(".json") : QStringLiteral(".md");
        if (!path.isEmpty())
            export_to(path);
    });
    add(QStringLiteral("Importieren …"), [this] {
        const QString path = QFileDialog::getOpenFileName(host_.window, QStringLiteral("Importieren"), QDir::homePath(),
                                                          QStringLiteral("JSON (*.json)"));
        if (!path.isEmpty())
            import_from(path);
    });
}

void PersonalLayer::page_shown(QDate day)
{
    shown_day_ = day;
    if (!corner_)
        return;
    corner_->setVisible(day.isValid());
    if (day.isValid())
        corner_->set_state(store_->is_read(day), store_->is_starred(Target::day(day)),
                           !store_->notes(Target::day(day)).isEmpty());
}

QString PersonalLayer::marked_chapter(const QString& page, int book, int chap) const
{
    return store_ ? ::marked_chapter(page, book, chap, store_->data()) : page;
}

void PersonalLayer::follow_link(const QString& address)
{
    if (const int year = progress_link_year(address)) {
        if (host_.change_edition(year))
            show_progress();
        return;
    }
    if (!address.startsWith(u"NOTIZ|"))
        return;
    const Target verse{Target::Kind::verse, address.section(u'|', 1, 1)};
    if (verse.valid())
        open_note(verse);
}

void PersonalLayer::changed(const Target& target)
{
    if (target.kind == Target::Kind::day) {
        page_shown(shown_day_);
        return;
    }
    // The chapter shows its marks anew when it is the verse's.
    const std::optional<Target> shown = host_.verse(verse_numbers(target.key)[2], 0);
    if (shown == target)
        host_.show_verse(target.key);
}

bool PersonalLayer::set_read(bool read)
{
    const bool done = change([&] { store_->set_read(current_day().date(), read); });
    page_shown(shown_day_);
    return done;
}

bool PersonalLayer::set_star(const Target& target, bool starred)
{
    const bool done = change([&] { store_->set_star(target, starred); });
    changed(target);
    return done;
}

bool PersonalLayer::save_note(const Target& target, const QString& text)
{
    const bool done = change([&] { store_->set_note(target, text); });
    changed(target);
    return done;
}

void PersonalLayer::show_progress()
{
    if (!usable())
        return;
    const FormState& state = *host_.state;
    change([&] {
        const std::vector<DayReading> readings = book_readings(*state.book->rsQov, state.book->firstdate, state.book->lastdate);
        host_.show_page(progress_page(state.book->firstdate, state.book->lastdate, host_.today(), store_->data().read,
                                      readings, host_.other_years()),
                        QStringLiteral("Lesefortschritt"));
    });
}

void PersonalLayer::show_notes()
{
    if (!usable())
        return;
    change([&] {
        host_.show_page(notes_page(store_->data(), [this](const QString& key) { return title_of({Target::Kind::verse, key}); }),
                        QStringLiteral("Meine Notizen"));
    });
}

bool PersonalLayer::export_to(const QString& path)
{
    if (!usable())
        return false;
    QString failure;
    const VerseLookup verse = [this](const QString& key) {
        const auto [book, chap, number] = verse_numbers(key);
        Recordset& texts = *host_.state->book->rsTexte;
        texts.Seek(QStringLiteral("="), {qint64(book), qint64(chap), qint64(number)});
        const bool found = !texts.NoMatch() && texts.HasField(QStringLiteral("Bible_Text"));
        return VerseText{title_of({Target::Kind::verse, key}),
                         found ? texts.Fields(QStringLiteral("Bible_Text")).toString() : QString()};
    };
    const bool done = change([&] { failure = export_file(path, store_->data(), verse); });
    if (!failure.isEmpty())
        host_.message(failure);
    return done && failure.isEmpty();
}

bool PersonalLayer::import_from(const QString& path)
{
    const bool done = change([&] { host_.message(import_file(path, *store_)); });
    page_shown(shown_day_);
    return done;
}

void PersonalLayer::open_note(const Target& target)
{
    if (!usable())
        return;
    QPointer<NoteEditor>& editor = editors_[target];
    if (!editor) {
        editor = new NoteEditor(title_of(target), store_->notes(target).join(QStringLiteral("\n\n")),
                                [this, target](const QString& text) { return save_note(target, text); }, host_.window);
    }
    editor->show();
    editor->raise();
    editor->activateWindow();
}

void PersonalLayer::close_editors()
{
    for (auto& [target, editor] : editors_)
        if (editor)
            editor->close();
}
