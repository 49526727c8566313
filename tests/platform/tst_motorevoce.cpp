#include "MotoreFinto.h"
#include "ServiziDiProva.h"
#include "platform/QtSpeechEngine.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

Q_IMPORT_PLUGIN(PluginMotoreFinto)

using Modo = MotoreFinto::Modo;
using Availability = SpeechEngine::Availability;

// The real engine on its own thread, over a QTextToSpeech engine that behaves as each case says.
class TestMotoreVoce : public QObject
{
    Q_OBJECT

    static constexpr int kLimite = 400; // ms the engine is given to answer

private slots:
    void aServiceThatNeverAnswersNeverHoldsTheCallerAndIsNotHeard()
    {
        ServiziDiProva servizi;
        MotoreFinto::imposta(Modo::Bloccato);
        QtSpeechEngine motore(QStringLiteral("finto"), kLimite);
        QSignalSpy cambi(&motore, &SpeechEngine::availabilityChanged);
        QElapsedTimer t;
        t.start();
        QVERIFY(motore.voices().isEmpty());
        motore.say(QStringLiteral("Ciao bambini."), 130, 100, QString());
        QVERIFY(motore.voices().isEmpty());
        QVERIFY2(t.elapsed() < 50, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(motore.availability(), Availability::Starting);
        QVERIFY(!motore.canSpeak());
        QVERIFY(motore.isSpeaking());

        servizi.orologio.avanza(kLimite - 1);
        QCOMPARE(motore.availability(), Availability::Starting);
        servizi.orologio.avanza(1);
        QCOMPARE(motore.availability(), Availability::Unavailable);
        QCOMPARE(cambi.size(), 1);
        // A service that answers late is heard from then on.
        MotoreFinto::sblocca(Modo::Legge);
        QTRY_VERIFY_WITH_TIMEOUT(motore.canSpeak(), 3000);
        QCOMPARE(cambi.size(), 2);
        QCOMPARE(motore.voices().size(), 1);
        QCOMPARE(motore.voices()[0].id, QtSpeechEngine::voiceId(QStringLiteral("it_IT"), QStringLiteral("Finta")));
        motore.shutDown();
    }

    void aVoiceThatReadsIsHeardAndEndsItsSentences()
    {
        ServiziDiProva servizi;
        MotoreFinto::imposta(Modo::Legge);
        QtSpeechEngine motore(QStringLiteral("finto"), kLimite);
        motore.prepare();
        QTRY_VERIFY_WITH_TIMEOUT(motore.canSpeak(), 3000);
        const QString frase = QStringLiteral("Il zanfrone ha il cappello rosso e le scarpe blu.");
        motore.say(frase, 130, 100, QString());
        QVERIFY(motore.isSpeaking());
        QTRY_VERIFY_WITH_TIMEOUT(!motore.isSpeaking(), 2000);
        QCOMPARE(MotoreFinto::frasiLette(), 1);
        servizi.orologio.avanza(kLimite); // past the watch on the first sentence
        QVERIFY(motore.canSpeak());
        motore.shutDown();
    }

    // Where the system has no audio output, a voice that reads is not heard and is given nothing to read.
    void withoutAnAudioOutputAVoiceIsNotHeard()
    {
        ServiziDiProva servizi;
        servizi.suoni.uscita = false;
        MotoreFinto::imposta(Modo::Legge);
        QtSpeechEngine motore(QStringLiteral("finto"), kLimite);
        motore.prepare();
        QTRY_COMPARE_WITH_TIMEOUT(motore.availability(), Availability::Ready, 3000);
        QVERIFY(!motore.canSpeak());
        QCOMPARE(motore.voices().size(), 1);
        const QString frase = QStringLiteral("Ciao bambini.");
        motore.say(frase, 130, 100, QString());
        QVERIFY(motore.isSpeaking()); // for as long as the balloon is to be read
        servizi.orologio.avanza(SpeechEngine::readingTimeMs(frase, 130));
        QVERIFY(!motore.isSpeaking());
        QTest::qWait(100);
        QCOMPARE(MotoreFinto::frasiLette(), 0);
        servizi.suoni.uscita = true; // a device plugged in is heard at the next sentence
        QVERIFY(motore.canSpeak());
        motore.shutDown();
    }

    void noVoiceAFailureOrASilentVoiceAreNotHeard()
    {
        ServiziDiProva servizi;
        for (const Modo modo : {Modo::SenzaVoci, Modo::Errore, Modo::Muto}) {
            MotoreFinto::imposta(modo);
            QtSpeechEngine motore(QStringLiteral("finto"), kLimite);
            motore.prepare();
            QTRY_VERIFY_WITH_TIMEOUT(motore.availability() != Availability::Starting, 3000);
            if (modo == Modo::SenzaVoci) {
                QCOMPARE(motore.availability(), Availability::Unavailable);
                continue;
            }
            QVERIFY(motore.canSpeak()); // it lists a voice...
            motore.say(QStringLiteral("Ciao."), 130, 100, QString());
            // ...but the first sentence fails, or does not start in time.
            if (modo == Modo::Muto)
                servizi.orologio.avanza(kLimite); // it never starts reading
            QTRY_COMPARE_WITH_TIMEOUT(motore.availability(), Availability::Unavailable, 3000);
            servizi.orologio.avanza(SpeechEngine::readingTimeMs(QStringLiteral("Ciao."), 130));
            QVERIFY(!motore.isSpeaking());
            motore.shutDown();
        }
    }
};

ZANFRONI_TEST_MAIN(TestMotoreVoce)
#include "tst_motorevoce.moc"
