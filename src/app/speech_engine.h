// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What reads text aloud: the desktop's speech (QTextToSpeech), or a recording
// engine that only notes what it is given, for scripted sessions and tests.

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;
    // The engine's name, as the dump and the messages give it.
    virtual QString name() const = 0;
    // Why it cannot speak (German, for the user), or empty when it can.
    virtual QString unavailable_reason() const = 0;
    // Starts saying `text`, in a voice of `language` (a language code) where
    // there is one, else in German; `finished` runs when it has been said to
    // its end.
    virtual void say(const QString& text, const QString& language = {}) = 0;
    // Stops at once; `finished` does not run for what was cut off.
    virtual void stop() = 0;

    std::function<void()> finished;
    // A failure while speaking, with the engine's words.
    std::function<void(const QString&)> failed;
};

// Notes every text it is given and says it to its end only when told to.
class RecordingEngine : public SpeechEngine {
public:
    QString name() const override { return QStringLiteral("recording"); }
    QString unavailable_reason() const override { return {}; }
    void say(const QString& text, const QString& language = {}) override;
    void stop() override { saying_ = false; }

    // The text being said comes to its end, `count` times over (each end may
    // start the next text); stops early when nothing is being said.
    void finish(int count);
    const QStringList& texts() const { return texts_; }

private:
    QStringList texts_;
    bool saying_ = false;
};

// The engine a session uses. SELUNAR_SPEECH may name a speech engine of the
// desktop ("speechd") or "recording"; without it, a scripted session records
// and the window speaks through the desktop's first engine.
std::unique_ptr<SpeechEngine> make_speech_engine(bool scripted);
