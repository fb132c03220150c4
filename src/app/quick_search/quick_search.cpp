// SPDX-License-Identifier: GPL-2.0-or-later
#include "quick_search.h"

#include "database.h"
#include "edition_probe.h"
#include "quick_list.h"
#include "sword_library.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// How an edition's book failed, as start-up judges it: a file refused
// without a reason is damaged, a sound one that fails while it is read
// (`opened`) lacks what it must hold.
FileFailure unread_kind(FileFailure failure, bool opened)
{
    if (!opened)
        return failure == FileFailure::unknown ? FileFailure::damaged : failure;
    return failure == FileFailure::damaged ? failure : FileFailure::incomplete;
}

QuickSearch::Built build_index(const QuickSearch::Sources& sources, bool translations, const std::atomic<bool>& cancel)
{
    const auto failed = [](const QString& why) {
        return QuickSearch::Built{std::make_shared<const SearchIndex>(),
                                  QStringLiteral("Die Schnellsuche kann die Daten nicht lesen: ") + why, false};
    };
    // Connections of its own, without the window's query record: the index
    // is no query of the book's pages.
    try {
        std::vector<std::unique_ptr<Database>> opened;
        std::vector<Database*> books;
        std::vector<std::pair<std::size_t, FileFailure>> unread;
        for (qsizetype i = 0; i < sources.book_paths.size(); ++i) {
            try {
                opened.push_back(OpenDatabase(sources.book_paths[i]));
            } catch (const DatabaseError& e) {
                opened.push_back(nullptr);
                unread.emplace_back(i, unread_kind(e.failure(), false));
            }
            books.push_back(opened.back().get());
        }
        const std::unique_ptr<Database> bible = OpenDatabase(sources.bible_path, false, false, sources.bible_connect);
        Corpus corpus = read_corpus(books, *bible, cancel);
        for (const UnreadBook& book : corpus.unread_books)
            unread.emplace_back(book.book, unread_kind(book.failure, true));
        // Another edition's book that fails leaves its days out; the shown
        // one's, the whole index. The list's line is short; the file is
        // named where the edition is chosen.
        QStringList left_out;
        for (const auto& [book, failure] : unread) {
            if (int(book) == sources.days.shown)
                return failed(file_reason(sources.book_paths[qsizetype(book)], failure));
            left_out << QStringLiteral("Die Schnellsuche lässt den Jahrgang %1 aus: %2")
                            .arg(sources.days.editions[book].first.year())
                            .arg(german_cause(failure));
        }
        if (translations && sources.library && !sources.translations.isEmpty()) {
            // In the numbering of the book's Bible just read.
            const BibleFrame frame(book_verse_counts(corpus));
            for (const QString& name : sources.translations)
                try {
                    add_translation(corpus, *sources.library->open(name, frame), cancel);
                } catch (const BibleModuleError&) {
                    // The chapter page says so when it shows the module; the
                    // search goes on without it.
                }
        }
        return {std::make_shared<const SearchIndex>(std::move(corpus), cancel), left_out.join(QStringLiteral("; ")), true};
    } catch (const std::exception& e) {
        // A file the window could open but cannot read through: the list
        // stays empty and says why.
        return failed(QString::fromStdString(e.what()));
    }
}

} // namespace

QuickSearch::QuickSearch(QWidget* parent, Sources sources)
    : QFrame(parent)
    , sources_(std::move(sources))
{
    setObjectName(QStringLiteral("quicksearch"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);

    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("quickfield"));
    field_->setPlaceholderText(QStringLiteral("Schnellsuche: Wörter, \"Wortfolge\", Bibelstelle oder Datum"));
    field_->setClearButtonEnabled(true);
    counts_ = new QLabel(this);
    counts_->setObjectName(QStringLiteral("quickcounts"));
    list_ = new QListView(this);
    list_->setObjectName(QStringLiteral("quicklist"));
    // Every row has the height of the first: the view never measures the others.
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setFocusPolicy(Qt::NoFocus);
    model_ = new QuickListModel([this](const QString& key) { return passage(key); }, this);
    list_->setModel(model_);
    list_->setItemDelegate(new QuickListDelegate(list_));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(field_);
    layout->addWidget(counts_);
    layout->addWidget(list_, 1);

    connect(field_, &QLineEdit::textChanged, this, &QuickSearch::search);
    connect(list_, &QListView::clicked, this, [this](const QModelIndex& index) { open_entry(index.row()); });
    connect(&index_watcher_, &QFutureWatcherBase::finished, this, &QuickSearch::index_ready);
    connect(&translated_watcher_, &QFutureWatcherBase::finished, this, &QuickSearch::translated_index_ready);
    connect(&search_watcher_, &QFutureWatcherBase::finished, this, &QuickSearch::search_done);
    field_->installEventFilter(this);
    parent->installEventFilter(this);
    hide();
}

QuickSearch::~QuickSearch()
{
    cancel_ = true;
    index_watcher_.waitForFinished();
    translated_watcher_.waitForFinished();
    search_watcher_.waitForFinished();
}

void QuickSearch::start_index()
{
    if (index_ || index_watcher_.isRunning())
        return;
    // The days and the book's Bible first: libsword reads a module's text
    // far slower than the databases, so the further translations come in a
    // second index, which takes the first one's place when it is ready.
    index_watcher_.setFuture(QtConcurrent::run([this] { return build_index(sources_, false, cancel_); }));
}

void QuickSearch::set_sources(Sources sources)
{
    const bool same_files = sources.book_paths == sources_.book_paths && sources.bible_path == sources_.bible_path
                            && sources.translations == sources_.translations;
    const bool begun = index_ || index_watcher_.isRunning();
    if (!same_files && begun) {
        cancel_ = true;
        index_watcher_.waitForFinished();
        translated_watcher_.waitForFinished();
        search_watcher_.waitForFinished();
        cancel_ = false;
        index_.reset();
        index_failure_.clear();
        translated_ = true;
    }
    sources_ = std::move(sources);
    if (!same_files && begun)
        start_index();
    search(field_->text());
}

void QuickSearch::index_ready()
{
    if (index_)
        return;
    const Built built = index_watcher_.result();
    index_ = built.index;
    index_failure_ = built.failure;
    translated_ = sources_.translations.isEmpty();
    if (!translated_ && built.read)
        translated_watcher_.setFuture(QtConcurrent::run([this] { return build_index(sources_, true, cancel_); }));
    search(field_->text());
}

void QuickSearch::translated_index_ready()
{
    // An index of sources replaced meanwhile is dropped.
    if (translated_ || !index_ || !translated_watcher_.isFinished())
        return;
    const Built built = translated_watcher_.result();
    translated_ = true;
    if (!built.read)
        return;
    index_ = built.index;
    index_failure_ = built.failure;
    search(field_->text());
}

void QuickSearch::open()
{
    start_index();
    place_over_parent();
    show();
    raise();
    field_->setFocus();
    field_->selectAll();
    if (generation_ == 0)
        search(field_->text());
}

bool QuickSearch::close_search()
{
    if (isHidden())
        return false;
    hide();
    return true;
}

QString QuickSearch::text() const
{
    return field_->text();
}

void QuickSearch::set_text(const QString& text)
{
    field_->setText(text);
}

void QuickSearch::search(const QString& text)
{
    const int generation = ++generation_;
    std::vector<Note> notes = sources_.notes();
    if (!index_) {
        model_->set_results(QuickResults(nullptr, sources_.buecher, sources_.days, text, {}, notes));
        shown_generation_ = generation;
        counts_->clear();
        return;
    }
    // Setting a new future drops what the one before would report.
    search_watcher_.setFuture(QtConcurrent::run(
        [index = index_, buecher = sources_.buecher, days = sources_.days, text, failure = index_failure_,
         notes = std::move(notes)] {
            return QuickResults(index, buecher, days, text, failure, notes);
        }));
    searched_generation_ = generation;
}

void QuickSearch::search_done()
{
    if (searched_generation_ != generation_ || searched_generation_ == shown_generation_)
        return;
    shown_generation_ = searched_generation_;
    model_->set_results(search_watcher_.result());
    // An empty field has nothing to count.
    const QString counts = field_->text().trimmed().isEmpty() ? QString() : model_->results().counts();
    counts_->setText(counts);
    if (model_->rowCount() > 0)
        list_->setCurrentIndex(model_->index(0));
}

void QuickSearch::wait_until_settled()
{
    if (!index_) {
        start_index();
        index_watcher_.waitForFinished();
        index_ready();
    }
    if (!translated_) {
        translated_watcher_.waitForFinished();
        search_watcher_.waitForFinished();
        translated_index_ready();
    }
    search_watcher_.waitForFinished();
    search_done();
}

const QuickResults& QuickSearch::results() const
{
    return model_->results();
}

bool QuickSearch::open_entry(int row)
{
    if (row < 0 || row >= model_->rowCount())
        return false;
    const QuickEntry entry = model_->entry(row);
    const QString words = model_->results().marked_words(row);
    switch (entry.kind) {
    case QuickEntry::Kind::notice:
        return true;
    case QuickEntry::Kind::date:
    case QuickEntry::Kind::day:
        close_search();
        Q_EMIT day_chosen(QDate::fromString(entry.target, Qt::ISODate), entry.edition, words);
        return true;
    case QuickEntry::Kind::reference:
    case QuickEntry::Kind::verse:
        close_search();
        Q_EMIT passage_chosen(entry.target);
        return true;
    case QuickEntry::Kind::note:
        // The day or the verse the note is on, without marks: the words
        // matched are the note's, not the page's.
        close_search();
        if (const QDate day = QDate::fromString(entry.target, Qt::ISODate); day.isValid())
            Q_EMIT day_chosen(day, -1, {});
        else
            Q_EMIT passage_chosen(entry.target);
        return true;
    }
    return true;
}

QString QuickSearch::passage(const QString& key)
{
    if (!index_) {
        start_index();
        return index_pending_notice();
    }
    return passage_text(*index_, sources_.buecher, key);
}

void QuickSearch::place_over_parent()
{
    const QSize area = parentWidget()->size();
    const int width = std::min(area.width() - 20, std::max(area.width() * 4 / 5, 400));
    setGeometry((area.width() - width) / 2, area.height() / 12, width, area.height() * 3 / 4);
}

bool QuickSearch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && is_open())
        place_over_parent();
    if (watched != field_ || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // The list moves while the field keeps the focus and the typing.
        QCoreApplication::sendEvent(list_, event);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        open_entry(list_->currentIndex().isValid() ? list_->currentIndex().row() : 0);
        return true;
    default:
        return QFrame::eventFilter(watched, event);
    }
}
