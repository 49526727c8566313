#define QT_STATICPLUGIN
#include "MotoreFinto.h"

#include <QSemaphore>
#include <QTextToSpeechEngine>
#include <QTextToSpeechPlugin>
#include <QTimer>
#include <atomic>

namespace {
std::atomic<MotoreFinto::Modo> g_modo{MotoreFinto::Modo::Legge};
std::atomic<int> g_lette{0};
QSemaphore g_sblocco;

class Motore : public QTextToSpeechEngine
{
public:
    explicit Motore(QObject *parent) : QTextToSpeechEngine(parent) {}

    QList<QLocale> availableLocales() const override { return {italiano()}; }
    QList<QVoice> availableVoices() const override
    {
        if (g_modo == MotoreFinto::Modo::SenzaVoci)
            return {};
        return {createVoice(QStringLiteral("Finta"), italiano(), QVoice::Female, QVoice::Adult, {})};
    }
    void say(const QString &) override
    {
        if (g_modo == MotoreFinto::Modo::Errore) {
            cambia(QTextToSpeech::Error);
        } else if (g_modo == MotoreFinto::Modo::Legge) {
            cambia(QTextToSpeech::Speaking);
            QTimer::singleShot(30, this, [this] {
                ++g_lette;
                cambia(QTextToSpeech::Ready);
            });
        }
    }
    void stop(QTextToSpeech::BoundaryHint) override {}
    void pause(QTextToSpeech::BoundaryHint) override {}
    void resume() override {}
    double rate() const override { return 0; }
    bool setRate(double) override { return true; }
    double pitch() const override { return 0; }
    bool setPitch(double) override { return true; }
    QLocale locale() const override { return italiano(); }
    bool setLocale(const QLocale &) override { return true; }
    double volume() const override { return 1; }
    bool setVolume(double) override { return true; }
    QVoice voice() const override { return availableVoices().value(0); }
    bool setVoice(const QVoice &) override { return true; }
    QTextToSpeech::State state() const override { return stato_; }
    QTextToSpeech::ErrorReason errorReason() const override { return QTextToSpeech::ErrorReason::NoError; }
    QString errorString() const override { return {}; }

private:
    static QLocale italiano() { return QLocale(QLocale::Italian, QLocale::Italy); }
    void cambia(QTextToSpeech::State s)
    {
        stato_ = s;
        emit stateChanged(s);
    }
    QTextToSpeech::State stato_ = QTextToSpeech::Ready;
};
} // namespace

class PluginMotoreFinto : public QObject, public QTextToSpeechPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.qt.speech.tts.plugin/6.0" FILE "motorefinto.json")
    Q_INTERFACES(QTextToSpeechPlugin)

public:
    QTextToSpeechEngine *createTextToSpeechEngine(const QVariantMap &, QObject *parent, QString *) const override
    {
        if (g_modo == MotoreFinto::Modo::Bloccato)
            g_sblocco.acquire();
        return new Motore(parent);
    }
};

void MotoreFinto::imposta(Modo modo)
{
    g_modo = modo;
    g_lette = 0;
}

void MotoreFinto::sblocca(Modo poi)
{
    g_modo = poi;
    g_sblocco.release();
}

int MotoreFinto::frasiLette() { return g_lette; }

#include "MotoreFinto.moc"
