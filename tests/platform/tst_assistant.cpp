#include "ServiziDiProva.h"
#include "platform/AssistantBalloon.h"
#include "platform/AssistantFigure.h"
#include "platform/PathResolver.h"
#include "platform/QtSpeechEngine.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

class TestAssistant : public QObject
{
    Q_OBJECT

    static QStringList testi(const VoceFinta &v)
    {
        QStringList t;
        for (const auto &f : v.frasi)
            t << f.testo;
        return t;
    }

    // A screen with the character loaded on it, speaking through a fake voice that is heard.
    struct Scena {
        ServiziDiProva servizi{ServiziDiProva::Udibile};
        VoceFinta &voce = servizi.voce;
        QWidget schermo;
        Assistant assistente{&schermo};
        Scena()
        {
            schermo.resize(1024, 768);
            schermo.show();
            assistente.Load(QStringLiteral("Merlin"));
            assistente.setGeometry(QRect(40, 500, 148, 148));
        }
        QWidget *figura() { return schermo.findChild<QWidget *>(QStringLiteral("Personaggio")); }
        AssistantBalloon *fumetto() { return schermo.findChild<AssistantBalloon *>(QStringLiteral("Fumetto")); }
    };

private slots:
    void tagsGiveSpeedAndPitchAndAreNeverRead()
    {
        const struct { QString in; int spd, pit; QString text; } casi[] = {
            {QStringLiteral("\\Spd=130\\\\Pit=100\\Ciao"), 130, 100, QStringLiteral("Ciao")},
            {QStringLiteral("Ciao \\Pau=300\\ mondo\\Emp\\!"), -1, -1, QStringLiteral("Ciao mondo!")},
            {QStringLiteral("C:\\Pitagora \\Spd=x"), -1, -1, QStringLiteral("C:\\Pitagora")},
        };
        for (const auto &c : casi) {
            const SpeechTags t = SpeechTags::parse(c.in);
            QCOMPARE(t.speed, c.spd);
            QCOMPARE(t.pitch, c.pit);
            QCOMPARE(t.text, c.text);
        }

        Scena s;
        VoceFinta &voce = s.voce;
        s.assistente.Show();
        s.assistente.Speak(QStringLiteral("\\Spd=170\\\\Pit=250\\Il fumetto è visibile."));
        QCOMPARE(testi(voce), QStringList{QStringLiteral("Il fumetto è visibile.")});
        QCOMPARE(QPoint(voce.frasi[0].velocita, voce.frasi[0].tono), QPoint(170, 250));
        // Speed and pitch map onto the engine's range, clamped.
        QCOMPARE(SpeechEngine::rateFor(130), 0.0);
        QCOMPARE(SpeechEngine::rateFor(10), -1.0);
        QCOMPARE(SpeechEngine::pitchFor(9999), 1.0);
    }

    void sentencesQueueAndStopAllInterrupts()
    {
        Scena s;
        VoceFinta &voce = s.voce;
        s.assistente.Show();
        voce.parla = true;
        s.assistente.Speak(QStringLiteral("Uno."));
        s.assistente.Speak(QStringLiteral("Due."));
        s.assistente.Speak(QStringLiteral("Tre."));
        QCOMPARE(testi(voce), QStringList{QStringLiteral("Uno.")});
        voce.parla = false;
        QTRY_COMPARE(testi(voce).size(), 2);

        // StopAll ends the sentence being read and empties the queue.
        voce.parla = true;
        s.assistente.StopAll();
        QCOMPARE(voce.fermate, 1);
        s.assistente.Speak(QStringLiteral("Cinque."));
        voce.parla = false;
        QTest::qWait(350);
        QCOMPARE(testi(voce), (QStringList{QStringLiteral("Uno."), QStringLiteral("Due."), QStringLiteral("Cinque.")}));
        QVERIFY(s.figura()->isVisible());
    }

    void hideWaitsForTheSentenceAndHiddenCharactersAreSilent()
    {
        Scena s;
        VoceFinta &voce = s.voce;
        s.assistente.Speak(QStringLiteral("Mai mostrato."));
        QVERIFY(voce.frasi.isEmpty());

        s.assistente.Show();
        voce.parla = true;
        s.assistente.Speak(QStringLiteral("Ciao bambini."));
        s.assistente.Hide();
        s.assistente.Speak(QStringLiteral("Dopo il Hide."));
        QTest::qWait(250);
        QVERIFY(s.figura()->isVisible()); // the sentence is read whole
        voce.parla = false;
        QTRY_VERIFY(!s.figura()->isVisible());
        QCOMPARE(testi(voce), QStringList{QStringLiteral("Ciao bambini.")});

        // StopAll does not lose a Hide that was waiting for the sentence: it hides at once.
        s.assistente.Show();
        voce.parla = true;
        s.assistente.Speak(QStringLiteral("Vado."));
        s.assistente.Hide();
        QVERIFY(s.figura()->isVisible()); // waiting for "Vado."
        s.assistente.StopAll();
        QVERIFY(!s.figura()->isVisible());
        QVERIFY(!s.fumetto() || !s.fumetto()->isVisible());
        voce.parla = false;
        s.assistente.Speak(QStringLiteral("Nascosto."));
        QTest::qWait(50);
        QVERIFY(!s.figura()->isVisible());
        QCOMPARE(testi(voce).last(), QStringLiteral("Vado."));
    }

    void charactersAndFallback()
    {
        const QStringList installati = Assistant::installedCharacters();
        QVERIFY2(installati.contains(QStringLiteral("Merlin")), qPrintable(installati.join(',')));
        for (const QString &nome : installati) {
            AssistantFigure f(nullptr);
            QVERIFY2(f.load(Assistant::characterFile(nome)), qPrintable(nome));
            // Each one visibly talks and blinks.
            const QSize dim(128, 128);
            QVERIFY2(f.frame(true, false, dim) != f.frame(false, false, dim), qPrintable(nome));
            QVERIFY2(f.frame(false, true, dim) != f.frame(false, false, dim), qPrintable(nome));
        }

        Scena s;
        QVERIFY(!s.assistente.FallbackFigure());
        for (const QString &strano : {QStringLiteral("Nessuno"), QStringLiteral("../merlin"), QString()}) {
            s.assistente.Load(strano);
            QVERIFY(s.assistente.FallbackFigure());
            QVERIFY(!s.figura()->isVisible()); // a loaded character starts hidden
        }
        // A broken drawing is not a crash either.
        QTemporaryDir cartella;
        QDir().mkpath(cartella.filePath(QStringLiteral("Personaggi")));
        for (const char *nome : {"Alfa.PNG", "note.txt", "rotto.svg"}) {
            QFile f(cartella.filePath(QStringLiteral("Personaggi/") + QLatin1String(nome)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<svg");
        }
        PathResolver::setProgramFolder(cartella.path());
        QCOMPARE(Assistant::installedCharacters(), (QStringList{QStringLiteral("Alfa"), QStringLiteral("Rotto")}));
        s.assistente.Load(QStringLiteral("Rotto"));
        QVERIFY(s.assistente.FallbackFigure());
        PathResolver::setProgramFolder(QString());
    }

    void voicesByIdFallBackToTheDefault()
    {
        Scena s;
        VoceFinta &voce = s.voce;
        voce.voci = {{QStringLiteral("it_IT:Italian"), QStringLiteral("Italian")},
                     {QStringLiteral("it_IT:Italian+Marco"), QStringLiteral("Marco")}};
        QCOMPARE(SpeechEngine::voiceIndex(voce.voci, QStringLiteral("{it_IT:Italian+Marco}")), 1);
        QCOMPARE(SpeechEngine::voiceIndex(voce.voci, QStringLiteral("{7EF71701-A92D-11d1-B17B-0020AFED142E}")), -1);

        s.assistente.setTTSModeID(QStringLiteral("{it_IT:Italian+Marco}"));
        s.assistente.Show();
        s.assistente.Speak(QStringLiteral("Ciao."));
        QCOMPARE(voce.frasi.last().voce, QStringLiteral("it_IT:Italian+Marco"));
    }

    void withoutAnEngineSpeechIsSilentButTakesItsTime()
    {
        ServiziDiProva servizi;
        QtSpeechEngine motore(QStringLiteral("nessuno")); // an engine the system does not have
        QElapsedTimer t;
        t.start();
        QVERIFY(motore.voices().isEmpty());
        motore.say(QStringLiteral("Ciao bambini."), 130, 100, QStringLiteral("it_IT:Italian"));
        QVERIFY(t.elapsed() < 500);
        QTRY_COMPARE(motore.availability(), SpeechEngine::Availability::Unavailable);
        // Long enough to read the balloon, and no longer.
        servizi.orologio.avanza(SpeechEngine::readingTimeMs(QStringLiteral("Ciao bambini."), 130) - 1);
        QVERIFY(motore.isSpeaking());
        servizi.orologio.avanza(1);
        QVERIFY(!motore.isSpeaking());
    }

    void balloonFollowsItsStyle()
    {
        Scena s;
        VoceFinta &voce = s.voce;
        s.assistente.Show();
        voce.parla = true;
        s.assistente.setBalloonStyle(0);
        s.assistente.Speak(QStringLiteral("Senza fumetto."));
        QVERIFY(!s.fumetto() || !s.fumetto()->isVisible());
        s.assistente.StopAll();

        // Sized to the text it shows it whole; else a long sentence goes in pages.
        const QString lunga = QStringLiteral("Il pagliaccio ha il cappello rosso, la camicia gialla, i pantaloni verdi e le scarpe blu.");
        s.assistente.setBalloonStyle(Assistant::BalloonOn | Assistant::BalloonSizeToText);
        s.assistente.setBalloonFont(QStringLiteral("Liberation Sans"), 16);
        s.assistente.Speak(lunga);
        AssistantBalloon *f = s.fumetto();
        QVERIFY(f && f->isVisible());
        QCOMPARE(f->shownText(), lunga);
        s.assistente.StopAll();
        s.assistente.setBalloonStyle(Assistant::BalloonOn);
        s.assistente.Speak(lunga);
        QVERIFY(f->isVisible() && f->pageCount() > 1);
        f->setProgress(1.0);
        QVERIFY(lunga.endsWith(f->shownText().split(QLatin1Char('\n')).last()));

        // Beside the figure, not over it, wherever the figure stands.
        for (const QRect &g : {QRect(40, 500, 148, 148), QRect(870, 300, 148, 148), QRect(400, 0, 148, 148)}) {
            s.assistente.setGeometry(g);
            QVERIFY(s.schermo.rect().contains(f->geometry()));
            QVERIFY(!f->geometry().contains(g.center()));
        }
        voce.parla = false;
        QTRY_VERIFY(!f->isVisible());

        // While no voice is heard the balloon writes every sentence whole, whatever its style.
        for (const auto motore : {SpeechEngine::Availability::Starting, SpeechEngine::Availability::Unavailable}) {
            voce.disponibilita(motore);
            voce.parla = true;
            s.assistente.setBalloonStyle(0);
            s.assistente.Speak(lunga);
            QVERIFY(f->isVisible());
            QCOMPARE(f->shownText(), lunga);
            s.assistente.StopAll();
        }
    }
};

ZANFRONI_TEST_MAIN(TestAssistant)
#include "tst_assistant.moc"
