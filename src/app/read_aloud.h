// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reading the page of a view aloud, one piece after the other, each piece
// marked in the view and scrolled to while it is said.

#include "speech_engine.h"
#include "speakable_text.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

class HtmlView;

class ReadAloud : public QObject {
    Q_OBJECT

public:
    using EngineFactory = std::function<std::unique_ptr<SpeechEngine>()>;
    using Message = std::function<void(const QString&)>;

    // The engine is made when it is first needed; `message` shows why
    // reading aloud cannot be done.
    ReadAloud(EngineFactory factory, Message message, QObject* parent);
    ~ReadAloud() override;

    // Reads the page of `view` aloud from its top, saying the references to
    // `books` in words; a page read before is stopped. A page of the
    // translations `columns` side by side is read one translation after the
    // other, each in its language.
    void start(HtmlView* view, const QStringList& books, const std::vector<SpokenColumn>& columns = {});
    // Stops reading; false when nothing was being read.
    bool stop();
    bool speaking() const { return view_ != nullptr; }

    // The engine, made now if it was not yet.
    SpeechEngine& engine();
    // available, engine, speaking, utterances (every text handed to the
    // engine, in order), languages (the language of each, "" for German), verse (the verse being read, 0 for none) and
    // marked (the text marked in the view as the piece being read).
    QJsonObject state();

private:
    void say_next();
    void mark(const Utterance* piece);

    EngineFactory factory_;
    Message message_;
    std::unique_ptr<SpeechEngine> engine_;
    QPointer<HtmlView> view_;
    QString page_;  // the view's raw text when reading began
    std::vector<Utterance> pieces_;
    std::size_t next_ = 0;
    int verse_ = 0;
    QStringList handed_;
    QStringList handed_languages_;
};
