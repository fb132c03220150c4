// SPDX-License-Identifier: GPL-2.0-or-later
#include "read_aloud.h"

#include "html_view.h"

#include <QJsonArray>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <QTimer>

ReadAloud::ReadAloud(EngineFactory factory, Message message, QObject* parent)
    : QObject(parent)
    , factory_(std::move(factory))
    , message_(std::move(message))
{
    setObjectName(QStringLiteral("read_aloud"));
}

ReadAloud::~ReadAloud() = default;

SpeechEngine& ReadAloud::engine()
{
    if (!engine_) {
        engine_ = factory_();
        engine_->finished = [this] { say_next(); };
        engine_->failed = [this](const QString& why) {
            stop();
            message_(QStringLiteral("Vorlesen ist nicht verfügbar: ") + why);
        };
    }
    return *engine_;
}

namespace {

// The column of each piece on a page side by side, as pieces_by_column
// takes them: its rows are tables, the first one the columns' names.
std::vector<int> columns_of(QTextDocument& document, const std::vector<Utterance>& pieces)
{
    std::vector<int> columns;
    const QTextTable* names = nullptr;
    for (const Utterance& piece : pieces) {
        QTextCursor cursor(&document);
        cursor.setPosition(piece.start);
        const QTextTable* table = cursor.currentTable();
        if (table && !names)
            names = table;
        const QTextTableCell cell = table ? table->cellAt(cursor) : QTextTableCell();
        columns.push_back(!cell.isValid() ? -1 : table == names ? -2 : cell.column());
    }
    return columns;
}

} // namespace

void ReadAloud::start(HtmlView* view, const QStringList& books, const std::vector<SpokenColumn>& columns)
{
    stop();
    if (const QString why = engine().unavailable_reason(); !why.isEmpty()) {
        message_(QStringLiteral("Vorlesen ist nicht verfügbar: ") + why);
        return;
    }
    if (!view)
        return;
    page_ = view->document()->toRawText();
    pieces_ = page_utterances(page_, verse_marks(view->anchors()), books);
    if (!columns.empty())
        pieces_ = pieces_by_column(pieces_, columns_of(*view->document(), pieces_), columns);
    next_ = 0;
    view_ = view;
    // Another page in the view ends the reading; the same page written
    // anew (at another zoom, in other colours) does not.
    connect(view->document(), &QTextDocument::contentsChanged, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (view_ && view_->document()->toRawText() != page_)
                stop();
            else if (view_)
                mark(&pieces_[next_ - 1]);
        });
    });
    say_next();
}

void ReadAloud::say_next()
{
    if (!view_)
        return;
    if (next_ >= pieces_.size()) {
        stop();
        return;
    }
    const Utterance& piece = pieces_[next_++];
    mark(&piece);
    handed_.append(piece.text);
    handed_languages_.append(piece.language);
    engine_->say(piece.text, piece.language);
}

bool ReadAloud::stop()
{
    if (!view_)
        return false;
    if (engine_)
        engine_->stop();
    mark(nullptr);
    disconnect(view_->document(), nullptr, this, nullptr);
    view_ = nullptr;
    return true;
}

void ReadAloud::mark(const Utterance* piece)
{
    verse_ = piece ? piece->verse : 0;
    if (!piece) {
        view_->setExtraSelections({});
        return;
    }
    QTextEdit::ExtraSelection selection;
    selection.cursor = QTextCursor(view_->document());
    selection.cursor.setPosition(piece->start);
    selection.cursor.setPosition(piece->end, QTextCursor::KeepAnchor);
    selection.format.setBackground(view_->palette().color(QPalette::Highlight));
    selection.format.setForeground(view_->palette().color(QPalette::HighlightedText));
    view_->setExtraSelections({selection});
    // The piece is brought into sight when it is not wholly there.
    QTextCursor at(view_->document());
    at.setPosition(piece->start);
    const QRect top = view_->cursorRect(at);
    at.setPosition(piece->end);
    const QRect bottom = view_->cursorRect(at);
    const QRect seen = view_->viewport()->rect();
    if (top.top() < seen.top() || bottom.bottom() > seen.bottom())
        view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->value() + top.top() - seen.height() / 4);
}

QJsonObject ReadAloud::state()
{
    SpeechEngine& speech = engine();
    return {{"available", speech.unavailable_reason().isEmpty()},
            {"engine", speech.name()},
            {"speaking", speaking()},
            {"utterances", QJsonArray::fromStringList(handed_)},
            {"languages", QJsonArray::fromStringList(handed_languages_)},
            {"verse", verse_},
            {"marked", view_ ? view_->extraSelections().value(0).cursor.selectedText() : QString()}};
}
