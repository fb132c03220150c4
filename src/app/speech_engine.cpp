// SPDX-License-Identifier: GPL-2.0-or-later
#include "speech_engine.h"

#include <QLocale>
#include <QTextToSpeech>

#include <optional>

namespace {

// The desktop's speech through QTextToSpeech, in a German voice when it has one.
class DesktopEngine : public SpeechEngine {
public:
    explicit DesktopEngine(const QString& engine)
    {
        const QStringList engines = QTextToSpeech::availableEngines();
        if (engines.isEmpty()) {
            reason_ = QStringLiteral("Es ist keine Sprachausgabe installiert.");
            return;
        }
        const QString chosen = engine.isEmpty() ? engines.first() : engine;
        if (!engines.contains(chosen)) {
            reason_ = QStringLiteral("Die Sprachausgabe „%1“ ist nicht installiert (vorhanden: %2).")
                          .arg(chosen, engines.join(QStringLiteral(", ")));
            return;
        }
        speech_ = std::make_unique<QTextToSpeech>(chosen);
        if (speech_->state() == QTextToSpeech::Error) {
            reason_ = QStringLiteral("Die Sprachausgabe „%1“ meldet: %2").arg(chosen, speech_->errorString());
            return;
        }
        german_ = locale_of(QLocale::German).value_or(speech_->locale());
        speech_->setLocale(german_);
        if (speech_->availableVoices().isEmpty()) {
            reason_ = QStringLiteral("Die Sprachausgabe „%1“ hat keine Stimme.").arg(chosen);
            return;
        }
        QObject::connect(speech_.get(), &QTextToSpeech::stateChanged, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Ready && saying_) {
                saying_ = false;
                if (finished)
                    finished();
            } else if (state == QTextToSpeech::Error && failed) {
                saying_ = false;
                failed(speech_->errorString());
            }
        });
    }

    QString name() const override { return speech_ ? speech_->engine() : QString(); }
    QString unavailable_reason() const override { return reason_; }

    void say(const QString& text, const QString& language) override
    {
        const QLocale wanted = language.isEmpty() ? german_ : locale_of(QLocale(language).language()).value_or(german_);
        if (speech_->locale() != wanted)
            speech_->setLocale(wanted);
        saying_ = true;
        speech_->say(text);
    }

    void stop() override
    {
        saying_ = false;
        speech_->stop();
    }

private:
    std::optional<QLocale> locale_of(QLocale::Language language) const
    {
        for (const QLocale& locale : speech_->availableLocales())
            if (locale.language() == language)
                return locale;
        return std::nullopt;
    }

    std::unique_ptr<QTextToSpeech> speech_;
    QLocale german_;
    QString reason_;
    bool saying_ = false;
};

} // namespace

void RecordingEngine::say(const QString& text, const QString&)
{
    texts_.append(text);
    saying_ = true;
}

void RecordingEngine::finish(int count)
{
    for (int i = 0; i < count && saying_; ++i) {
        saying_ = false;
        if (finished)
            finished();
    }
}

std::unique_ptr<SpeechEngine> make_speech_engine(bool scripted)
{
    const QString wanted = qEnvironmentVariable("SELUNAR_SPEECH");
    if (wanted == u"recording" || (wanted.isEmpty() && scripted))
        return std::make_unique<RecordingEngine>();
    return std::make_unique<DesktopEngine>(wanted);
}
