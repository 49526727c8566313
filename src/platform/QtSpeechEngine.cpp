#include "QtSpeechEngine.h"
#include "Clock.h"
#include "Services.h"
#include "SoundPlayer.h"

#include <QCoreApplication>
#include <QMutex>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>
#include <cstdio>
#include <atomic>

// What the engine's thread tells the program's thread besides its signals.
struct SpeechShared {
    QMutex mutex;
    QList<SpeechEngine::Voice> voices; // under mutex
    std::atomic<int> finished{0};      // serial of the last sentence the engine finished
    std::atomic<bool> spoke{false};    // the engine has started reading a sentence at least once
};

namespace {
QtSpeechEngine *g_real = nullptr;
void shutDownReal()
{
    if (g_real)
        g_real->shutDown();
}

QTextToSpeech *connectTo(QString name, QObject *parent)
{
    const QStringList engines = QTextToSpeech::availableEngines();
    if (name.isEmpty() && engines.contains(QLatin1String("speechd")))
        name = QStringLiteral("speechd");
    if (engines.isEmpty() || (!name.isEmpty() && !engines.contains(name)))
        return nullptr;
    auto *tts = new QTextToSpeech(name, parent); // may never return when the service hangs
    if (tts->state() == QTextToSpeech::Error) {
        delete tts;
        return nullptr;
    }
    return tts;
}
} // namespace

// Owns the QTextToSpeech, on the engine's thread.
class SpeechWorker : public QObject
{
    Q_OBJECT
public:
    SpeechWorker(std::shared_ptr<SpeechShared> shared, const QString &engine)
        : shared_(std::move(shared)), engine_(engine)
    {
    }

    void start()
    {
        tts_ = connectTo(engine_, this);
        QList<SpeechEngine::Voice> list;
        if (tts_) {
            collectVoices(list);
            connect(tts_, &QTextToSpeech::stateChanged, this, &SpeechWorker::stateChanged);
        }
        {
            QMutexLocker lock(&shared_->mutex);
            shared_->voices = list;
        }
        emit started();
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
        if (state == QTextToSpeech::Speaking) {
            sawSpeaking_ = true;
            shared_->spoke = true;
        } else if (state == QTextToSpeech::Error || (state == QTextToSpeech::Ready && sawSpeaking_)) {
            shared_->finished = current_;
        }
        if (state == QTextToSpeech::Error)
            emit failed();
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

signals:
    void started(); // the voices are in SpeechShared (none without an engine)
    void failed();

private:
    std::shared_ptr<SpeechShared> shared_;
    QString engine_;
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

QtSpeechEngine::QtSpeechEngine(const QString &engine, int startLimitMs)
    : engine_(engine), startLimitMs_(startLimitMs), shared_(std::make_shared<SpeechShared>())
{
}

QtSpeechEngine::~QtSpeechEngine() { shutDown(); }

QString QtSpeechEngine::voiceId(const QString &localeName, const QString &voiceName)
{
    return localeName + QLatin1Char(':') + voiceName;
}

bool QtSpeechEngine::start()
{
    if (thread_)
        return true;
    if (!QCoreApplication::instance()) {
        setAvailability(Availability::Unavailable);
        return false;
    }
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("Voce"));
    worker_ = new SpeechWorker(shared_, engine_);
    worker_->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    QObject::connect(worker_, &SpeechWorker::started, this, &QtSpeechEngine::started, Qt::QueuedConnection);
    QObject::connect(worker_, &SpeechWorker::failed, this, [this] {
        fprintf(stderr, "La sintesi vocale ha dato un errore: le frasi restano scritte.\n");
        setAvailability(Availability::Unavailable);
    }, Qt::QueuedConnection);
    thread_->start();
    QMetaObject::invokeMethod(worker_, [w = worker_] { w->start(); }, Qt::QueuedConnection);
    Services::current().clock->singleShot(startLimitMs_, this, [this] {
        if (availability() != Availability::Starting)
            return;
        fprintf(stderr, "Il servizio di sintesi vocale non risponde: le frasi restano scritte.\n");
        setAvailability(Availability::Unavailable);
    });
    g_real = this;
    qAddPostRoutine(shutDownReal);
    return true;
}

void QtSpeechEngine::started()
{
    bool any = false;
    {
        QMutexLocker lock(&shared_->mutex);
        any = !shared_->voices.isEmpty();
    }
    if (!any)
        fprintf(stderr, "Nessuna voce di sintesi disponibile: le frasi restano scritte.\n");
    else if (!Services::current().sounds->hasOutput())
        fprintf(stderr, "Il computer non ha un'uscita audio: la voce non si sentirebbe, le frasi restano scritte.\n");
    setAvailability(any ? Availability::Ready : Availability::Unavailable);
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
    stopped_ = false;
    saidAtMs_ = Services::current().clock->nowMs();
    readingMs_ = readingTimeMs(text, rate);
    limitMs_ = 2 * readingMs_ + 3000; // an engine that never says it has finished
    if (!start() || !Services::current().sounds->hasOutput())
        return; // nobody would hear it: only the reading time
    if (canSpeak())
        watchFirstSentence();
    QMetaObject::invokeMethod(worker_, [w = worker_, s = serial_, text, rate, pitch, voiceId] {
        w->say(s, text, rate, pitch, voiceId);
    }, Qt::QueuedConnection);
}

// An engine that lists voices but does not start reading in as long as it may take to start is no
// voice at all. Once it has read a sentence it is trusted; a sentence stopped before it started
// proves nothing either way.
void QtSpeechEngine::watchFirstSentence()
{
    if (watching_ || shared_->spoke)
        return;
    watching_ = true;
    Services::current().clock->singleShot(startLimitMs_, this, [this] {
        watching_ = false;
        if (shared_->spoke || stopped_ || !canSpeak())
            return;
        fprintf(stderr, "La sintesi vocale non legge le frasi: le frasi restano scritte.\n");
        setAvailability(Availability::Unavailable);
    });
}

void QtSpeechEngine::stop()
{
    active_ = false;
    stopped_ = true;
    if (worker_)
        QMetaObject::invokeMethod(worker_, [w = worker_] { w->stop(); }, Qt::QueuedConnection);
}

bool QtSpeechEngine::isSpeaking() const
{
    if (!active_)
        return false;
    const qint64 elapsed = Services::current().clock->nowMs() - saidAtMs_;
    bool speaking = elapsed < limitMs_;
    if (canSpeak()) {
        if (shared_->finished >= serial_)
            speaking = false;
    } else if (availability() != Availability::Starting || !Services::current().sounds->hasOutput()) {
        speaking = speaking && elapsed < readingMs_; // silent: only the reading time
    } // starting: read once the engine is up
    active_ = speaking;
    return speaking;
}

QList<SpeechEngine::Voice> QtSpeechEngine::voices()
{
    start();
    QMutexLocker lock(&shared_->mutex);
    return shared_->voices;
}

#include "QtSpeechEngine.moc"
