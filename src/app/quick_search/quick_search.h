// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The quick search over the window: a field and a live result list. The
// index is built on a worker thread at first use; every change of the text
// starts a search on a worker, and an answer that a newer text has overtaken
// is dropped, so typing never waits and the list belongs to the text shown.

#include "quick_results.h"

#include <QDate>
#include <QFrame>
#include <QFutureWatcher>

#include <atomic>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QListView;
class QuickListModel;
class SwordLibrary;

class QuickSearch : public QFrame {
    Q_OBJECT

public:
    // What the index is read from: the book file of every edition and the
    // shown edition's Bible file (opened once more, on the worker, so the
    // window's own connections and their record stay untouched), the Bible's
    // book list, the editions' days and the reader's notes as they are now
    // (asked at each search, on this thread); and the further translations
    // shown, read from `library` on the worker as well.
    struct Sources {
        QStringList book_paths;
        QString bible_path;
        QString bible_connect;
        Buecher buecher;
        BookYears days;
        std::function<std::vector<Note>()> notes;
        QStringList translations = {};  // module names
        std::shared_ptr<const SwordLibrary> library = {};
    };

    // An index, or an empty one and why it could not be read.
    struct Built {
        std::shared_ptr<const SearchIndex> index;
        // Why it is empty, or which editions' days it lacks and why.
        QString failure;
        bool read = true;  // false: nothing was read, the index is empty
    };

    QuickSearch(QWidget* parent, Sources sources);
    ~QuickSearch() override;

    // Starts building the index on a worker, unless it is built or being built.
    void start_index();
    // Another edition is shown, or other files are to be searched: an index
    // of other files is built anew (at once when one was built or begun).
    void set_sources(Sources sources);
    // Shows the field and list over the parent, the field focused with its
    // text selected.
    void open();
    // Hides them; false when they were not shown.
    bool close_search();
    bool is_open() const { return !isHidden(); }

    QString text() const;
    // Puts `text` into the field as typing does.
    void set_text(const QString& text);
    // Waits for the index (with every translation shown) and the search of
    // the current text, and shows its list.
    void wait_until_settled();
    // Opens entry `row` of the list as Enter does; false for no such entry.
    bool open_entry(int row);
    const QuickResults& results() const;

    // The passage of a Bible key for a tool tip: reference and verses; while
    // the index is being built, a notice; empty when the key names no verse.
    QString passage(const QString& key);

Q_SIGNALS:
    // A day of edition `edition` (-1: the one holding it) to show, with the
    // words to mark on its page ("Hirte;Hirten;").
    void day_chosen(QDate day, int edition, const QString& marked_words);
    // A Bible key to show as its link would.
    void passage_chosen(const QString& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void index_ready();
    void translated_index_ready();
    void search(const QString& text);
    void search_done();
    void place_over_parent();

    Sources sources_;
    std::atomic<bool> cancel_{false};
    std::shared_ptr<const SearchIndex> index_;
    QString index_failure_;
    QFutureWatcher<Built> index_watcher_;
    QFutureWatcher<Built> translated_watcher_;  // the index with the further translations
    bool translated_ = true;  // the index holds every translation shown
    QFutureWatcher<QuickResults> search_watcher_;
    int generation_ = 0;     // of the text last typed
    int searched_generation_ = 0;  // of the search running or done last
    int shown_generation_ = 0;     // of the list shown

    QLineEdit* field_ = nullptr;
    QLabel* counts_ = nullptr;
    QListView* list_ = nullptr;
    QuickListModel* model_ = nullptr;
};
