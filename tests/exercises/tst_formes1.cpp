#include "AmbienteEsercizi.h"
#include "Estrazioni.h"
#include "exercises/sentences/FormEs1.h"
#include "platform/Assistant.h"
#include "platform/MovieView.h"
#include "platform/VbColor.h"

#include <QAction>
#include <QMenu>

class TestFormEs1 : public ProvaConAmbiente<AmbienteEsercizi>
{
    Q_OBJECT

    FormEs1 *apri() { return amb->apri<FormEs1>(); }

    // Manual scanning: the highlight brought to the wanted answer, then Enter.
    static void rispondiScansione(FormEs1 *s, bool giusta)
    {
        const int voluta = giusta ? s->frasi().Risposta : 1 - s->frasi().Risposta;
        QVERIFY(porta(s, voluta));
        QCOMPARE(pulsante(s, voluta)->sfondo(), evidenza());
        tasto(s, Qt::Key_Return);
    }

private slots:
    void roadOfOneAnswerInManualScanning()
    {
        Profilo.ModalitaInput = ModoInput::ScansioneManuale;
        Profilo.PassaggioLivelli = true;
        QPointer<FormEs1> s = apri();
        QVERIFY(s);
        QVERIFY(!s->findChild<QMenu *>(QStringLiteral("mnuLivelli"))->menuAction()->isVisible());
        QCOMPARE(pulsante(s, 0)->sfondo(), evidenza());
        QVERIFY(amb->voce.frasi.last().testo.endsWith(frase(s)));

        // Space alternates between the two answers: the disabled next button is passed over.
        tasto(s, Qt::Key_Space);
        QCOMPARE(s->IndiceScansione(), 1);
        tasto(s, Qt::Key_Space);
        QCOMPARE(s->IndiceScansione(), 0);

        // A wrong answer: failure sound, "Errati 1", the highlight stays.
        rispondiScansione(s, false);
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 1"));
        QCOMPARE(amb->suonati("suoni/no"), 1);
        QCOMPARE(s->IndiceScansione(), 1 - s->frasi().Risposta);

        const Aspetto primo = s->frasi().aspetto;
        QCOMPARE(filmato(s)->fillOf(QStringLiteral("gile.interno")), VbColor::fromHex6(Profilo.Colori[primo[4]][0]));
        const QString domanda = frase(s);
        rispondiScansione(s, true);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 1"));
        QCOMPARE(amb->suonati("suoni/si"), 1);
        QCOMPARE(s->IndiceScansione(), 2);
        tasto(s, Qt::Key_Space); // nothing but the next question now
        QCOMPARE(s->IndiceScansione(), 2);
        QCOMPARE(frase(s), domanda);
        tasto(s, Qt::Key_Return);
        QCOMPARE(s->IndiceScansione(), 0);

        // Seven more right answers: 8 - 1 = 7 reaches the threshold at the next question.
        QList<Aspetto> clowns{s->frasi().aspetto};
        for (int q = 2; q <= 8; ++q) {
            rispondiScansione(s, true);
            tasto(s, Qt::Key_Return);
            clowns << s->frasi().aspetto;
        }
        // A clown lasts four questions: questions 1-4 and 5-8 each share one, the ninth is new.
        QVERIFY(clowns[0] == primo && clowns[2] == primo && clowns[3] != primo);
        QVERIFY(clowns[6] == clowns[3] && clowns[7] != clowns[3]);
        QCOMPARE(s->Livello(), 2);
        QCOMPARE(pannello(s, 1) + pannello(s, 3), QStringLiteral("Esatti 0Livello 2"));
        QCOMPARE(AttivitaEseguite[1][2] + AttivitaEseguite[1][3], QStringLiteral("81"));

        // The tenth right answer since opening brings a reward in place of the clown.
        rispondiScansione(s, true);
        tasto(s, Qt::Key_Return);
        QVERIFY(!s->PremioMostrato());
        rispondiScansione(s, true);
        QVERIFY(s->PremioMostrato());
        QVERIFY(filmato(s)->Movie().contains(QStringLiteral("\\animazioni\\")));
        tasto(s, Qt::Key_Return);
        QVERIFY(!s->PremioMostrato());
        QVERIFY(filmato(s)->Movie().endsWith(QStringLiteral("\\swf\\zanfrone1.swf")));

        s->mnuesci_Click();
        QTRY_VERIFY(!s);
        QCOMPARE(AttivitaEseguite[2][1] + AttivitaEseguite[2][2] + AttivitaEseguite[2][3], QStringLiteral("220"));
        QCOMPARE(NumeroAttivita, qint16(3));
        QCOMPARE(Schermi::attivo()->nome(), FormMenu::Nome);
    }

    void everyModeAnswers_data() { righeModi(); }
    void everyModeAnswers()
    {
        const int modo = modoDellaRiga();
        Profilo.VelocitaScansione = 0; // out of range: never a zero interval
        QPointer<FormEs1> s = apri();
        QVERIFY(s);
        QVERIFY(s->Assistente()->Visible());
        QCOMPARE(timerScansione(s)->isActive(), modo == 2);
        if (modo == 2)
            QCOMPARE(timerScansione(s)->interval(), 1000);
        const int giusta = s->frasi().Risposta;
        if (modo == 0) {
            tasto(s, Qt::Key_Return); // keys do nothing with the mouse
            muovi(pulsante(s, 1));
            QCOMPARE(pulsante(s, 1)->sfondo(), evidenza());
            muovi(pulsante(s, 0));
            QCOMPARE(pulsante(s, 0)->sfondo().name() + pulsante(s, 1)->sfondo().name(),
                     evidenza().name() + VbColor::toQColor(Profilo.ColorePulsanti).name());
            muovi(s->area()); // the pointer left the buttons
            QVERIFY(pulsante(s, 0)->sfondo() != evidenza());
        } else {
            QTest::mouseClick(pulsante(s, giusta), Qt::LeftButton); // clicks count only with the mouse
            muovi(pulsante(s, 1)); // and the pointer never moves the switch's highlight
            muovi(s->area());
            QCOMPARE(pulsante(s, 0)->sfondo(), evidenza());
        }
        if (modo == 3) {
            tasto(s, Qt::Key_Left); // from the first answer back past the disabled next button
            QCOMPARE(s->IndiceScansione(), 1);
        }
        QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti 0Errati 0"));
        QVERIFY(rispondi(s, 1 - giusta));
        QVERIFY(rispondi(s, 1 - giusta)); // each wrong answer counts
        QVERIFY(rispondi(s, giusta));
        QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti 1Errati 2"));
        QVERIFY(!pulsante(s, 0)->isEnabled() && !pulsante(s, 1)->isEnabled() && pulsante(s, 2)->isEnabled());
        const int detti = amb->voce.frasi.size();
        QVERIFY(rispondi(s, 2));
        QVERIFY(pulsante(s, 0)->isEnabled() && !pulsante(s, 2)->isEnabled());
        QCOMPARE(amb->voce.frasi.size(), detti + 1);
    }

    void speechOffShowsCaptionsAndNeverTheAssistant()
    {
        Profilo.ParlatoAttivo = false;
        Profilo.TipoCarattere = Lettere::Maiuscolo;
        QPointer<FormEs1> s = apri();
        QVERIFY(s);
        QVERIFY(!s->Assistente()->Visible());
        QVERIFY(amb->voce.frasi.isEmpty());
        QCOMPARE(pulsante(s, 0)->text(), QStringLiteral("VERO"));
        QCOMPARE(frase(s), frase(s).toUpper());
    }

    // The switch held past the key repeat delay of an X server without detectable auto-repeat:
    // the highlight stays, nothing is chosen while it is down, the release chooses once.
    void automaticScanningHoldsWhileTheSwitchIsDown()
    {
        Profilo.ModalitaInput = ModoInput::ScansioneAutomatica;
        Schermo::tastiFisici().attendeCoppie = true;
        QPointer<FormEs1> s = apri();
        QVERIFY(s);
        QVERIFY(porta(s, s->frasi().Risposta));
        Tasti::tieni(s, Qt::Key_Space, 30);
        QTest::qWait(50);
        QVERIFY(!timerScansione(s)->isActive());
        QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti 0Errati 0"));
        Tasti::rilascia(s, Qt::Key_Space);
        QTRY_COMPARE(pannello(s, 1), QStringLiteral("Esatti 1"));
        QVERIFY(timerScansione(s)->isActive());
        s->TimerScansione_Timer(); // resting on the next button
        QCOMPARE(s->IndiceScansione(), 2);
    }

    // A worn switch (or key) touching again 10 ms after the release: one step, one choice.
    void aBouncingSwitchStepsAndChoosesOnce_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("manual scanning") << 1;
        QTest::newRow("keyboard") << 3;
    }
    void aBouncingSwitchStepsAndChoosesOnce()
    {
        const int modo = modoDellaRiga();
        QPointer<FormEs1> s = apri();
        QVERIFY(s);
        Tasti::rimbalza(s, modo == 1 ? Qt::Key_Space : Qt::Key_Right);
        QCOMPARE(s->IndiceScansione(), 1);
        Tasti::rimbalza(s, Qt::Key_Return);
        QCOMPARE(pannello(s, 1).right(1).toInt() + pannello(s, 2).right(1).toInt(), 1);
    }

    void aBouncedSwitchChoosesOnce()
    {
        Profilo.ModalitaInput = ModoInput::ScansioneManuale;
        QPointer<FormEs1> s = apri();
        QVERIFY(s);
        amb->servizi.orologio.passoMs = 0; // time passes only as the test says
        amb->servizi.orologio.avanza(200);
        QVERIFY(porta(s, s->frasi().Risposta));
        const QString domanda = frase(s);
        tasto(s, Qt::Key_Return);
        tasto(s, Qt::Key_Return); // the bounce
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 1"));
        QCOMPARE(frase(s), domanda);
        amb->servizi.orologio.avanza(200);
        tasto(s, Qt::Key_Return);
        QCOMPARE(s->IndiceScansione(), 0);
    }

    void levelMenuChoiceWritesARowAndAsksAtOnce()
    {
        QPointer<FormEs1> s = apri();
        QVERIFY(s);
        QAction *quattro = s->findChild<QAction *>(QStringLiteral("mnuLiv_4"));
        QCOMPARE(quattro->shortcut(), QKeySequence(Qt::Key_F4));
        QTest::mouseClick(pulsante(s, 1 - s->frasi().Risposta), Qt::LeftButton);
        const int detti = amb->voce.frasi.size();
        quattro->trigger();
        QCOMPARE(AttivitaEseguite[1][1] + AttivitaEseguite[1][3], QStringLiteral("11"));
        QCOMPARE(pannello(s, 2) + pannello(s, 3), QStringLiteral("Errati 0Livello 4"));
        QVERIFY(frase(s).contains(QStringLiteral(" e ")));
        QCOMPARE(amb->voce.frasi.size(), detti + 1);
    }

    // With the mouse the success sound is drawn before the reward movie, while scanning after it.
    void soundAndRewardDrawInTheOrderOfTheInputMode_data() { righeModi(); }
    void soundAndRewardDrawInTheOrderOfTheInputMode()
    {
        const int modo = modoDellaRiga();
        amb->scrivi(QStringLiteral("suoni/si/2.wav"), "RIFF");
        QPointer<FormEs1> s = apri();
        QVERIFY(s);
        for (int q = 0; q < 9; ++q) {
            QVERIFY(rispondi(s, s->frasi().Risposta));
            QVERIFY(rispondi(s, 2));
        }
        amb->caso.copione({0.9, 0.1}); // sound first: 2 of 2, then movie 1 of 3; movie first: 3 of 3, then sound 1 of 2
        QVERIFY(rispondi(s, s->frasi().Risposta));
        QVERIFY(s->PremioMostrato());
        QCOMPARE(amb->caso.rimasti(), 0);
        const bool mouse = modo == 0;
        QVERIFY(amb->suoni.suonati.last().endsWith(mouse ? QStringLiteral("/suoni/si/2.wav") : QStringLiteral("/suoni/si/1.wav")));
        QVERIFY(filmato(s)->Movie().endsWith(mouse ? QStringLiteral("\\animazioni\\1.swf") : QStringLiteral("\\animazioni\\3.swf")));
    }

    void aFalseClauseNeverNamesTheWordOfTheColourShown()
    {
        for (int col = 1; col <= 4; ++col) // blue renamed "verde", like row 1
            Profilo.Colori[3][col] = Profilo.Colori[1][col];
        // A green hat, a false clause about it: row 3 ("verde") is passed over for row 2.
        amb->caso.copione(::clown(1, 1) + std::vector<double>{d(1, 2), d(0, 9), d(2, 4), d(1, 4)});
        QPointer<FormEs1> s = apri();
        QVERIFY(s);
        QCOMPARE(amb->caso.rimasti(), 0);
        QCOMPARE(frase(s), QStringLiteral("Il cappello è rosso."));
        QTest::mouseClick(pulsante(s, 1), Qt::LeftButton);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 1"));
    }

    void automaticLevelsTurnTheMenuAndItsKeysOff()
    {
        Profilo.PassaggioLivelli = true;
        QPointer<FormEs1> s = apri();
        QVERIFY(s);
        QAction *due = s->findChild<QAction *>(QStringLiteral("mnuLiv_2"));
        QVERIFY(!due->isEnabled());
        due->trigger();
        s->mnuLiv_Click(2);
        QCOMPARE(s->Livello(), 1);
        QCOMPARE(NumeroAttivita, qint16(1));
    }

    void aRewardStopsWhenTheLevelChanges()
    {
        QPointer<FormEs1> s = apri();
        QVERIFY(s);
        for (int q = 0; q < 10; ++q) {
            QTest::mouseClick(pulsante(s, s->frasi().Risposta), Qt::LeftButton);
            if (q < 9)
                QTest::mouseClick(pulsante(s, 2), Qt::LeftButton);
        }
        QVERIFY(s->PremioMostrato());
        s->mnuLiv_Click(3);
        QVERIFY(!s->PremioMostrato());
        QVERIFY(!frase(s).isEmpty());
    }

    void systemCloseLeavesLikeEsciAndAFullTableIsHarmless()
    {
        QPointer<FormEs1> s = apri();
        QVERIFY(s);
        QTest::mouseClick(pulsante(s, s->frasi().Risposta), Qt::LeftButton);
        amb->servizi.stampanti.stampanti.clear();
        QTimer chiudi; // the picture page, closed as soon as it shows
        connect(&chiudi, &QTimer::timeout, [] {
            if (QWidget *m = QApplication::activeModalWidget())
                m->close();
        });
        chiudi.start(20);
        s->mnuPag_Click();
        s->mnuStOr_Click(); // no printer: a message, no dialog
        QCOMPARE(amb->dialoghi.messaggi.size(), 1);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 1")); // nothing restarted
        s->close(); // Alt+F4
        QTRY_VERIFY(!s);
        QCOMPARE(AttivitaEseguite[1][2], QStringLiteral("1"));
        QCOMPARE(NumeroAttivita, qint16(2));
        QCOMPARE(Schermi::attivo()->nome(), FormMenu::Nome);

        // Row 500 is the last: the opening that fills it keeps it, later stretches are not written.
        NumeroAttivita = kRigheAttivita - 1;
        Profilo.PassaggioLivelli = true;
        s = apri();
        QVERIFY(s);
        for (int q = 0; q < 8; ++q) {
            QTest::mouseClick(pulsante(s, s->frasi().Risposta), Qt::LeftButton);
            QTest::mouseClick(pulsante(s, 2), Qt::LeftButton);
        }
        QCOMPARE(s->Livello(), 2);
        s->mnuesci_Click();
        QTRY_VERIFY(!s);
        s = apri();
        QVERIFY(s);
        QTest::mouseClick(pulsante(s, s->frasi().Risposta), Qt::LeftButton);
        s->mnuesci_Click();
        QTRY_VERIFY(!s);
        QCOMPARE(NumeroAttivita, qint16(kRigheAttivita + 4));
        const QStringList riga{AttivitaEseguite[kRigheAttivita][0], AttivitaEseguite[kRigheAttivita][1],
                               AttivitaEseguite[kRigheAttivita][2], AttivitaEseguite[kRigheAttivita][3]};
        QCOMPARE(riga, QStringList({QStringLiteral("Vero - falso"), QStringLiteral("1"), QStringLiteral("7"), QStringLiteral("0")}));
    }
};

ZANFRONI_TEST_MAIN(TestFormEs1)
#include "tst_formes1.moc"
