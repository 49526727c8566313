#include "AmbienteAllineamento.h"
#include "exercises/search/FormEs6.h"
#include "platform/Assistant.h"

#include <QMenu>

class TestFormEs6 : public ProvaConAmbiente<AmbienteAllineamento>
{
    Q_OBJECT

    FormEs6 *apri() { return amb->apri<FormEs6>(); }
    static QTimer *timer(QWidget *s, const char *nome) { return s->findChild<QTimer *>(QString::fromLatin1(nome)); }
    QStringList detti() const
    {
        QStringList l;
        for (const auto &f : amb->voce.frasi)
            l << f.testo;
        return l;
    }
    // Removes every intruder from the last one back, by the present input mode.
    static void eliminaTutti(FormEs6 *s)
    {
        for (int i = s->NumeroZanfroni() - 1; i >= 0; --i) {
            if (i == s->ZanfroneGiusto() || !s->mostrato(i))
                continue;
            QVERIFY(scegliZanfrone(s, i));
        }
    }

    // A left click on clown `i` with the mouse, at its middle.
    static void clicMouse(FormEs6 *s, int i)
    {
        QTest::mouseClick(s->zanfrone(i), Qt::LeftButton, {}, s->zanfrone(i)->rect().center());
    }

    void prepara() override
    {
        ProvaConAmbiente::prepara();
        // The line-up clown answers a click anywhere on its drawing.
        amb->scrivi(QStringLiteral("swf/zanfrone4.svg"),
                    "<svg xmlns='http://www.w3.org/2000/svg' xmlns:z='urn:zanfroni' z:clic='tutto' viewBox='0 0 10 10'>"
                    "<rect id='camicia.interno' width='10' height='10'/></svg>");
    }

private slots:
    void aLookAlikeOfTheTargetIsDrawnAgainSoTheGameCanEnd()
    {
        amb->caso.copione(allineamentoConSosia());
        QPointer<FormEs6> s = apri();
        QVERIFY(s);
        QVERIFY(sosiaRidisegnato(amb->caso, s));
        QVERIFY(scegliZanfrone(s, 0));
        QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti 1Errati 0"));
        QVERIFY(s->partitaFinita() && pulsante(s, 0)->isEnabled());
    }

    void everyModeRemovesTheIntrudersOnce_data() { righeModi(); }
    void everyModeRemovesTheIntrudersOnce()
    {
        const int modo = modoDellaRiga();
        QPointer<FormEs6> s = apri();
        QVERIFY(s);
        QCOMPARE(frase(s), QStringLiteral("Elimina i zanfroni che non possiedono tutte le caratteristiche"));
        QCOMPARE(timer(s, "TimerLettura")->isActive(), modo != 0); // the mouse never has the sentences read
        s->mnuLiv_Click(2);
        // The painted clowns are the drawn ones, and the sentences are the target's.
        for (int i = 0; i < s->NumeroZanfroni(); ++i)
            QCOMPARE(s->zanfrone(i)->fillOf(QStringLiteral("camicia.interno")),
                     VbColor::fromHex6(Profilo.Colori[s->allineamento().Aspetti[i][Parti::Camicia]][0]));
        QCOMPARE(righeTesto(s), s->frasi().Righe);
        if (modo != 0) {
            QVERIFY(incorniciato(s, 0));
            clicca(s, 1); // clicks count only with the mouse
            QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 0"));
        }

        const int giusto = s->ZanfroneGiusto();
        const int intruso = giusto == 3 ? 2 : 3;
        QVERIFY(scegliZanfrone(s, intruso));
        if (modo != 0)
            conferma(s); // the frame has not moved: the removed clown is not counted again
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 1"));
        QVERIFY(s->zanfrone(intruso)->isHidden());
        QVERIFY(scegliZanfrone(s, giusto));
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 1"));
        QVERIFY(!s->zanfrone(giusto)->isHidden());

        eliminaTutti(s);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti %1").arg(s->NumeroZanfroni() - 1));
        QCOMPARE(amb->suonati("si"), s->NumeroZanfroni() - 1);
        QVERIFY(s->partitaFinita());
        QVERIFY(incorniciato(s, giusto));
        if (modo == 0) {
            QVERIFY(pulsante(s, 0)->isEnabled());
            const int no = amb->suonati("no");
            clicMouse(s, giusto); // the game is over: the winner's frame is not a question
            clicMouse(s, giusto);
            QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti %1Errati 1").arg(s->NumeroZanfroni() - 1));
            QCOMPARE(amb->suonati("no"), no);
        } else {
            // The highlight rests on the new-game button: no step moves it.
            QVERIFY(evidenziato(s));
            s->TimerScansione_Timer();
            passo(s);
            passo(s, Qt::Key_Down);
            QCOMPARE(s->IndiceScansione(), 0);
        }
        QVERIFY(rispondi(s, 0));
        QVERIFY(!s->partitaFinita());
        QVERIFY(!evidenziato(s));
        QCOMPARE(s->Eliminati(), 0);
    }

    void keyboardRowsWrapInTheirColumnAndSkipRemovedClowns()
    {
        Profilo.ModalitaInput = ModoInput::Tastiera;
        QPointer<FormEs6> s = apri();
        QVERIFY(s);
        tasto(s, Qt::Key_Down); // level 1: one row
        QCOMPARE(s->PosizioneScansione(), 0);
        s->mnuLiv_Click(4);
        QVERIFY(portaA(s, 7));
        tasto(s, Qt::Key_Down);
        QCOMPARE(s->PosizioneScansione(), 1);
        tasto(s, Qt::Key_Up);
        QCOMPARE(s->PosizioneScansione(), 7);
    }

    void readingStartsAtOnceFollowsTheShownClownsAndPausesAfterTheGame()
    {
        Profilo.ModalitaInput = ModoInput::ScansioneManuale;
        QPointer<FormEs6> s = apri();
        QVERIFY(s);
        QVERIFY(!s->findChild<QWidget *>(QStringLiteral("PannelloIcone"))->isHidden());
        QCOMPARE(detti().last(), s->frasi().FrasiParti[0]);
        QVERIFY(timer(s, "TimerLettura")->isActive());
        QVERIFY(timer(s, "TimerIntervalloLettura")->isActive());
        QCOMPARE(timer(s, "TimerLettura")->interval(), 4 * 250 * 2 + 3000);
        s->TimerLettura_Timer();
        s->TimerLettura_Timer();
        QCOMPARE(detti().mid(detti().size() - 2), (QStringList{s->frasi().FrasiParti[1], s->frasi().FrasiParti[2]}));

        s->mnuLiv_Click(5);
        QCOMPARE(detti().last(), s->frasi().FrasiParti[0]); // a new game starts the reading again
        QCOMPARE(timer(s, "TimerLettura")->interval(), 4 * 250 * 12 + 3000);
        const int intruso = s->ZanfroneGiusto() == 0 ? 1 : 0;
        QVERIFY(portaA(s, intruso));
        conferma(s);
        s->TimerIntervalloLettura_Timer();
        QCOMPARE(timer(s, "TimerLettura")->interval(), 4 * 250 * 11 + 3000);
        Profilo.VelocitaScansione = 60; // past what a 16-bit interval holds
        s->TimerIntervalloLettura_Timer();
        QCOMPARE(timer(s, "TimerLettura")->interval(), 60 * 250 * 11 + 3000);

        eliminaTutti(s);
        const int detteAllaFine = int(detti().size());
        s->TimerLettura_Timer();
        QCOMPARE(int(detti().size()), detteAllaFine);
        // The part icons speak in every mode, as built.
        QTest::mouseClick(s->findChild<QWidget *>(QStringLiteral("IconeParti_7")), Qt::LeftButton);
        QCOMPARE(detti().last(), s->frasi().FrasiParti[7]);
    }

    void eighteenRemovalsGoUpALevel()
    {
        Profilo.PassaggioLivelli = true;
        QPointer<FormEs6> s = apri();
        QVERIFY(s);
        QVERIFY(!s->findChild<QMenu *>(QStringLiteral("mnuLivelli"))->menuAction()->isVisible());
        // Eighteen removals at level 1 (one a game): the nineteenth game is at level 2.
        for (int g = 0; g < 18; ++g) {
            QCOMPARE(s->Livello(), 1);
            eliminaTutti(s);
            QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        }
        QCOMPARE(s->Livello(), 2);
        QCOMPARE(AttivitaEseguite[1][2], QStringLiteral("18"));
    }
};

ZANFRONI_TEST_MAIN(TestFormEs6)
#include "tst_formes6.moc"
