#pragma once
#include "Assistant.h"

#include <QElapsedTimer>
#include <memory>

class QThread;
class SpeechWorker;
struct SpeechShared;

// The system's speech engine (QTextToSpeech on speech-dispatcher, Italian by default).
// The engine lives on a thread of its own, started on first use: connecting takes a second or more
// and a stuck speech service must never freeze a screen. Without an engine it is silent, but still
// "speaks" for about the reading time, so the balloon stays up long enough to be read.
class QtSpeechEngine final : public SpeechEngine
{
public:
    QtSpeechEngine();
    ~QtSpeechEngine() override;

    void say(const QString &text, int rate, int pitch, const QString &voiceId) override;
    void stop() override;
    bool isSpeaking() const override;
    // The engine's voices, Italian ones first; waits four seconds at most for the engine to start.
    QList<Voice> voices() override;
    void prepare() override { start(); }

    // Ids of our own: locale name + ":" + voice name, e.g. "it_IT:Italian".
    static QString voiceId(const QString &localeName, const QString &voiceName);

    // Ends the engine's thread (at the latest when the application object goes).
    void shutDown();

private:
    bool start();

    std::shared_ptr<SpeechShared> shared_;
    QThread *thread_ = nullptr;
    SpeechWorker *worker_ = nullptr;
    int serial_ = 0;
    mutable bool active_ = false;
    QElapsedTimer clock_;
    QElapsedTimer startClock_;
    int readingMs_ = 0;
    int limitMs_ = 0;
};
