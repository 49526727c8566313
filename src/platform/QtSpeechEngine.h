#pragma once
#include "Assistant.h"

#include <memory>

class QThread;
class SpeechWorker;
struct SpeechShared;

// The system's speech engine (QTextToSpeech on speech-dispatcher, Italian by default).
// The engine lives on a thread of its own, started on first use: connecting takes a second or more
// and a stuck speech service must never freeze a screen. It is Unavailable when it gives no voice,
// fails, does not answer within startLimitMs, or does not start its first sentence within as long. Without an
// engine, or with no audio output to hear it through (nothing is then sent to the service), it is silent,
// but still "speaks" for about the reading time, so the balloon can be read.
class QtSpeechEngine final : public SpeechEngine
{
    Q_OBJECT
public:
    // `engine`: the QTextToSpeech engine to use; empty for speech-dispatcher, or the system's default.
    explicit QtSpeechEngine(const QString &engine = {}, int startLimitMs = 5000);
    ~QtSpeechEngine() override;

    void say(const QString &text, int rate, int pitch, const QString &voiceId) override;
    void stop() override;
    bool isSpeaking() const override;
    // The engine's voices, Italian ones first.
    QList<Voice> voices() override;
    void prepare() override { start(); }

    // Ids of our own: locale name + ":" + voice name, e.g. "it_IT:Italian".
    static QString voiceId(const QString &localeName, const QString &voiceName);

    // Ends the engine's thread (at the latest when the application object goes).
    void shutDown();

private:
    bool start();
    void started();
    void watchFirstSentence();

    QString engine_;
    int startLimitMs_;
    std::shared_ptr<SpeechShared> shared_;
    QThread *thread_ = nullptr;
    SpeechWorker *worker_ = nullptr;
    int serial_ = 0;
    bool watching_ = false;
    bool stopped_ = false;
    mutable bool active_ = false;
    qint64 saidAtMs_ = 0;
    int readingMs_ = 0;
    int limitMs_ = 0;
};
