#include "AmbienteAllineamento.h"
#include "exercises/search/FormEs7.h"
#include "platform/Assistant.h"

class TestFormEs7 : public ProvaConAmbiente<AmbienteAllineamento>
{
    Q_OBJECT

    FormEs7 *apri() { return amb->apri<FormEs7>(); }
    static QTimer *timerLettura(QWidget *s) { return s->findChild<QTimer *>(QStringLiteral("TimerLettura")); }
    static int sbagliato(FormEs7 *s) { return s->ZanfroneGiusto() == 0 ? 1 : 0; }
    static int mostrati(FormEs7 *s)
    {
        int n = 0;
        for (int i = 0; i < Allineamento::kMassimo; ++i)
            n += s->zanfrone(i)->isHidden() ? 0 : 1;
        return n;
    }
    static bool indovina(FormEs7 *s) { return scegliZanfrone(s, s->ZanfroneGiusto()); }

private slots:
    void everyModeJudgesTheChosenClown_data() { righeModi(); }
    void everyModeJudgesTheChosenClown()
    {
        const int modo = modoDellaRiga();
        QPointer<FormEs7> s = apri();
        QVERIFY(s);
        QCOMPARE(frase(s), QStringLiteral("Trova il zanfrone che possiede tutte le caratteristiche"));
        s->mnuLiv_Click(5);
        QCOMPARE(mostrati(s), 12);
        if (modo != 0) {
            QVERIFY(incorniciato(s, 0));
            clicca(s, s->ZanfroneGiusto()); // clicks count only with the mouse
        }
        // Wrong choices are counted and may be repeated; the right one ends the game.
        QVERIFY(scegliZanfrone(s, sbagliato(s)));
        QVERIFY(scegliZanfrone(s, sbagliato(s)));
        QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti 0Errati 2"));
        QCOMPARE(mostrati(s), 12);
        QVERIFY(!evidenziato(s));
        const int giusto = s->ZanfroneGiusto();
        QVERIFY(indovina(s));
        QCOMPARE(mostrati(s), 1);
        QVERIFY(incorniciato(s, giusto));
        if (modo == 0) {
            clicca(s, giusto); // the game is over: clicks change nothing
        } else {
            QVERIFY(evidenziato(s));
            s->TimerScansione_Timer(); // the step goes on, over the target alone
            passo(s);
            QVERIFY(incorniciato(s, giusto));
        }
        QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti 1Errati 2"));

        QVERIFY(rispondi(s, 0));
        QCOMPARE(mostrati(s), 12);
        QVERIFY(riquadro(s)->isHidden() == (modo == 0));
        QVERIFY(!evidenziato(s));
        QCOMPARE(timerLettura(s)->isActive(), modo != 0);
    }

    void aLookAlikeOfTheTargetIsDrawnAgain()
    {
        amb->caso.copione(allineamentoConSosia());
        QPointer<FormEs7> s = apri();
        QVERIFY(s);
        QVERIFY(sosiaRidisegnato(amb->caso, s));
        QVERIFY(scegliZanfrone(s, 0));
        QVERIFY(scegliZanfrone(s, 1));
        QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti 1Errati 1"));
        QVERIFY(s->partitaFinita());
    }

    void readingWaitsForTheFirstTickAndGoesOnAfterTheGame()
    {
        Profilo.ModalitaInput = ModoInput::ScansioneManuale;
        Profilo.TipoCarattere = Lettere::Maiuscolo;
        QPointer<FormEs7> s = apri();
        QVERIFY(s);
        QVERIFY(amb->voce.frasi.isEmpty()); // nothing said as the line-up appears
        QVERIFY(timerLettura(s)->isActive());
        QCOMPARE(timerLettura(s)->interval(), 4000);
        QCOMPARE(righeTesto(s)[0], righeTesto(s)[0].toUpper());
        QVERIFY(s->frasi().FrasiParti[1] != s->frasi().FrasiParti[1].toUpper()); // spoken as built
        for (int t = 0; t < 9; ++t)
            s->TimerLettura_Timer();
        // Eight part sentences in their fixed order, as built, then the first again.
        for (int t = 0; t < 9; ++t)
            QCOMPARE(amb->voce.frasi[t].testo, s->frasi().FrasiParti[t % 8]);
        QVERIFY(indovina(s));
        const int detti = int(amb->voce.frasi.size());
        s->TimerLettura_Timer();
        QCOMPARE(int(amb->voce.frasi.size()), detti + 1);
        conferma(s); // the next game starts the reading over
        QCOMPARE(s->FraseDaLeggere(), 0);
        s->TimerLettura_Timer();
        QCOMPARE(amb->voce.frasi.last().testo, s->frasi().FrasiParti[0]);
    }

    void fiveSolvedGamesGoUp()
    {
        Profilo.PassaggioLivelli = true;
        QPointer<FormEs7> s = apri();
        QVERIFY(s);
        for (int g = 0; g < 5; ++g) {
            QCOMPARE(s->Livello(), 1);
            QVERIFY(indovina(s));
            QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        }
        QCOMPARE(s->Livello(), 2);
        QCOMPARE(AttivitaEseguite[1][2], QStringLiteral("5"));
    }
};

ZANFRONI_TEST_MAIN(TestFormEs7)
#include "tst_formes7.moc"
