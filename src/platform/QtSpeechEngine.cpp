#include "QtSpeechEngine.h"

#include <QCoreApplication>
#include <QMutex>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>
#include <QWaitCondition>
#include <atomic>

// What the engine's thread tells the program's thread.
struct SpeechShared {
    QMutex mutex;
    QWaitCondition started;
    enum Status { Starting, Ready, Unavailable };
    std::atomic<int> status{Starting};
    QList<SpeechEngine::Voice> voices; // under mutex
    std::atomic<int> finished{0};      // serial of the last sentence the engine finished
};

namespace {
QtSpeechEngine *g_real = nullptr;
void shutDownReal()
{
    if (g_real)
        g_real->shutDown();
}
} // namespace

// Owns the QTextToSpeech, on the engine's thread.
class SpeechWorker : public QObject
{
public:
    explicit SpeechWorker(std::shared_ptr<SpeechShared> shared) : shared_(std::move(shared)) {}

    void start()
    {
        const QStringList engines = QTextToSpeech::availableEngines();
        if (!engines.isEmpty()) {
            const QString name = engines.contains(QLatin1String("speechd")) ? QStringLiteral("speechd") : QString();
            tts_ = new QTextToSpeech(name, this);
            if (tts_->state() == QTextToSpeech::Error) {
                delete tts_;
                tts_ = nullptr;
            }
        }
        QList<SpeechEngine::Voice> list;
        if (tts_) {
            collectVoices(list);
            connect(tts_, &QTextToSpeech::stateChanged, this, &SpeechWorker::stateChanged);
        } else {
            fprintf(stderr, "Sintesi vocale non disponibile: il personaggio parlerà in silenzio.\n");
        }
        QMutexLocker lock(&shared_->mutex);
        shared_->voices = list;
        shared_->status = tts_ ? SpeechShared::Ready : SpeechShared::Unavailable;
        shared_->started.wakeAll();
    }

    void say(int serial, const QString &text, int speed, int pitch, const QString &voiceId)
    {
        current_ = serial;
        sawSpeaking_ = false;
        if (!tts_) {
            shared_->finished = serial;
            return;
        }
        const int index = SpeechEngine::voiceIndex(ids_, voiceId);
        const QVoice &wanted = index >= 0 ? qvoices_[index] : defaultVoice_;
        if (index != voiceIndex_) {
            tts_->setLocale(index >= 0 ? locales_[index] : defaultLocale_);
            tts_->setVoice(wanted);
            voiceIndex_ = index;
        }
        tts_->setRate(SpeechEngine::rateFor(speed));
        tts_->setPitch(SpeechEngine::pitchFor(pitch));
        tts_->say(text);
    }

    void stop()
    {
        if (tts_)
            tts_->stop();
    }

private:
    void stateChanged(QTextToSpeech::State state)
    {
        if (state == QTextToSpeech::Speaking)
            sawSpeaking_ = true;
        else if (state == QTextToSpeech::Error || (state == QTextToSpeech::Ready && sawSpeaking_))
            shared_->finished = current_;
    }

    void collectVoices(QList<SpeechEngine::Voice> &list)
    {
        // Italian voices first, then those of the system's language; not the whole world's.
        QList<QLocale> locales;
        const QList<QLocale> available = tts_->availableLocales();
        for (const QLocale &l : available)
            if (l.language() == QLocale::Italian)
                locales << l;
        defaultLocale_ = locales.isEmpty() ? QLocale(QLocale::Italian, QLocale::Italy) : locales.first();
        const QLocale system = QLocale::system();
        if (system.language() != QLocale::Italian && system.language() != QLocale::C)
            for (const QLocale &l : available)
                if (l.language() == system.language())
                    locales << l;
        for (const QLocale &l : locales) {
            tts_->setLocale(l);
            const QList<QVoice> vs = tts_->availableVoices();
            for (const QVoice &v : vs) {
                qvoices_ << v;
                locales_ << l;
                ids_ << SpeechEngine::Voice{QtSpeechEngine::voiceId(l.name(), v.name()), QString()};
                list << SpeechEngine::Voice{ids_.last().id,
                                            v.name() + QStringLiteral(" (") + l.nativeLanguageName() + QLatin1Char(')')};
            }
        }
        tts_->setLocale(defaultLocale_);
        defaultVoice_ = tts_->voice();
    }

    std::shared_ptr<SpeechShared> shared_;
    QTextToSpeech *tts_ = nullptr;
    QList<QVoice> qvoices_;
    QList<QLocale> locales_;
    QList<SpeechEngine::Voice> ids_;
    QVoice defaultVoice_;
    QLocale defaultLocale_;
    int voiceIndex_ = -1;
    int current_ = 0;
    bool sawSpeaking_ = false;
};

QtSpeechEngine::QtSpeechEngine() : shared_(std::make_shared<SpeechShared>()) {}

QtSpeechEngine::~QtSpeechEngine() { shutDown(); }

QString QtSpeechEngine::voiceId(const QString &localeName, const QString &voiceName)
{
    return localeName + QLatin1Char(':') + voiceName;
}

bool QtSpeechEngine::start()
{
    if (thread_)
        return true;
    // ZANFRONI_SENZA_VOCE=1 (tests, machines without sound): silent from the start.
    if (!QCoreApplication::instance() || qEnvironmentVariableIntValue("ZANFRONI_SENZA_VOCE") != 0) {
        shared_->status = SpeechShared::Unavailable;
        return false;
    }
    shared_->status = SpeechShared::Starting;
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("Voce"));
    worker_ = new SpeechWorker(shared_);
    worker_->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_->start();
    startClock_.start();
    QMetaObject::invokeMethod(worker_, [w = worker_] { w->start(); }, Qt::QueuedConnection);
    g_real = this;
    qAddPostRoutine(shutDownReal);
    return true;
}

void QtSpeechEngine::shutDown()
{
    if (!thread_)
        return;
    if (worker_)
        QMetaObject::invokeMethod(worker_, [w = worker_] { w->stop(); }, Qt::QueuedConnection);
    thread_->quit();
    // A stuck speech service must not keep the program from ending: the thread is then left behind.
    if (thread_->wait(1000))
        delete thread_;
    thread_ = nullptr;
    worker_ = nullptr;
    active_ = false;
    if (g_real == this)
        g_real = nullptr;
}

void QtSpeechEngine::say(const QString &text, int rate, int pitch, const QString &voiceId)
{
    ++serial_;
    active_ = true;
    clock_.start();
    readingMs_ = readingTimeMs(text, rate);
    limitMs_ = 2 * readingMs_ + 3000; // an engine that never says it has finished
    if (!start())
        return;
    QMetaObject::invokeMethod(worker_, [w = worker_, s = serial_, text, rate, pitch, voiceId] {
        w->say(s, text, rate, pitch, voiceId);
    }, Qt::QueuedConnection);
}

void QtSpeechEngine::stop()
{
    active_ = false;
    if (worker_)
        QMetaObject::invokeMethod(worker_, [w = worker_] { w->stop(); }, Qt::QueuedConnection);
}

bool QtSpeechEngine::isSpeaking() const
{
    if (!active_)
        return false;
    const qint64 elapsed = clock_.elapsed();
    bool speaking = elapsed < limitMs_;
    const int status = shared_->status;
    if (status == SpeechShared::Ready) {
        if (shared_->finished >= serial_)
            speaking = false;
    } else if (status == SpeechShared::Unavailable || startClock_.elapsed() > 5000) {
        speaking = speaking && elapsed < readingMs_; // silent: only the reading time
    }
    active_ = speaking;
    return speaking;
}

QList<SpeechEngine::Voice> QtSpeechEngine::voices()
{
    if (!start())
        return {};
    QMutexLocker lock(&shared_->mutex);
    if (shared_->status == SpeechShared::Starting)
        shared_->started.wait(&shared_->mutex, 250); // never freeze a screen: callers ask again
    return shared_->voices;
}
