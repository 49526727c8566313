#include "AmbienteAllineamento.h"
#include "exercises/search/FormEs7.h"
#include "platform/Assistant.h"

class TestFormEs7 : public QObject
{
    Q_OBJECT
    std::unique_ptr<AmbienteEsercizi> amb;

    FormEs7 *apri() { return amb->apri<FormEs7>(QStringLiteral("FormEs7"), QStringLiteral("Indovina chi?")); }
    static QTimer *timer2(QWidget *s) { return s->findChild<QTimer *>(QStringLiteral("Timer2")); }
    static int sbagliato(FormEs7 *s) { return s->ZanfroneGiusto() == 0 ? 1 : 0; }
    static int mostrati(FormEs7 *s)
    {
        int n = 0;
        for (int i = 0; i < Allineamento::kMassimo; ++i)
            n += s->zanfrone(i)->isHidden() ? 0 : 1;
        return n;
    }
    static void indovina(FormEs7 *s) { scegliZanfrone(s, s->ZanfroneGiusto()); }

private slots:
    void init() { amb = nuovoAmbienteAllineamento(); }
    void cleanup() { amb.reset(); }

    void mouseWrongChoicesRepeatTheRightOneEndsTheGame()
    {
        QPointer<FormEs7> s = apri();
        QVERIFY(s);
        QCOMPARE(frase(s), QStringLiteral("Trova il zanfrone che possiede tutte le caratteristiche"));
        s->mnuLiv_Click(5);
        QCOMPARE(mostrati(s), 12);
        clicca(s, sbagliato(s));
        clicca(s, sbagliato(s));
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 2"));
        QCOMPARE(mostrati(s), 12);
        const int giusto = s->ZanfroneGiusto();
        clicca(s, giusto);
        QCOMPARE(mostrati(s), 1);
        QVERIFY(incorniciato(s, giusto));
        clicca(s, giusto); // the game is over: clicks change nothing
        QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti 1Errati 2"));

        QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        QCOMPARE(mostrati(s), 12);
        QVERIFY(riquadro(s)->isHidden());
        QVERIFY(!timer2(s)->isActive());
    }

    void everyScanningModeJudgesTheFramedClown_data()
    {
        QTest::addColumn<int>("modo");
        for (int m = 1; m <= 3; ++m)
            QTest::addRow("mode %d", m) << m;
    }
    void everyScanningModeJudgesTheFramedClown()
    {
        QFETCH(int, modo);
        Profilo.ModalitaInput = qint16(modo);
        Profilo.ParlatoAttivo = false;
        QPointer<FormEs7> s = apri();
        QVERIFY(s);
        s->mnuLiv_Click(4);
        QVERIFY(incorniciato(s, 0));
        QVERIFY(portaA(s, sbagliato(s)));
        scegli(s);
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 1"));
        QVERIFY(!evidenziato(s));
        indovina(s);
        QCOMPARE(mostrati(s), 1);
        QVERIFY(evidenziato(s));
        QVERIFY(incorniciato(s, s->ZanfroneGiusto()));
        s->Timer1_Timer(); // the step goes on, over the target alone
        if (modo != 2)
            tasto(s, Qt::Key_Right);
        QVERIFY(incorniciato(s, s->ZanfroneGiusto()));
        scegli(s);
        QCOMPARE(mostrati(s), 9);
        QCOMPARE(s->PosizioneScansione(), 0);
        QVERIFY(!evidenziato(s));
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 1"));
    }

    void readingWaitsForTheFirstTickAndGoesOnAfterTheGame()
    {
        Profilo.ModalitaInput = 1;
        Profilo.TipoCarattere = QStringLiteral("maiuscolo");
        QPointer<FormEs7> s = apri();
        QVERIFY(s);
        QVERIFY(amb->voce.frasi.isEmpty()); // nothing said as the line-up appears
        QVERIFY(timer2(s)->isActive());
        QCOMPARE(timer2(s)->interval(), 4000);
        QCOMPARE(righeTesto(s)[0], righeTesto(s)[0].toUpper());
        QVERIFY(s->frasi().FrasiParti[1] != s->frasi().FrasiParti[1].toUpper()); // spoken as built
        for (int t = 0; t < 9; ++t)
            s->Timer2_Timer();
        // Eight part sentences in their fixed order, as built, then the first again.
        for (int t = 0; t < 9; ++t)
            QCOMPARE(amb->voce.frasi[t].testo, s->frasi().FrasiParti[t % 8]);
        indovina(s);
        const int detti = int(amb->voce.frasi.size());
        s->Timer2_Timer();
        QCOMPARE(int(amb->voce.frasi.size()), detti + 1);
        scegli(s); // the next game starts the reading over
        QCOMPARE(s->FraseDaLeggere(), 0);
        s->Timer2_Timer();
        QCOMPARE(amb->voce.frasi.last().testo, s->frasi().FrasiParti[0]);
    }

    void fiveSolvedGamesGoUp()
    {
        Profilo.PassaggioLivelli = true;
        QPointer<FormEs7> s = apri();
        QVERIFY(s);
        for (int g = 0; g < 5; ++g) {
            QCOMPARE(s->Livello(), 1);
            indovina(s);
            QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        }
        QCOMPARE(s->Livello(), 2);
        QCOMPARE(AttivitaEseguite[1][2], QStringLiteral("5"));
    }
};

QTEST_MAIN(TestFormEs7)
#include "tst_formes7.moc"
