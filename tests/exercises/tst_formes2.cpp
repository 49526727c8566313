#include "AmbienteEsercizi.h"
#include "Estrazioni.h"
#include "exercises/sentences/FormEs2.h"
#include "platform/Assistant.h"
#include "platform/MovieView.h"
#include "platform/VbColor.h"

#include <QMenu>

class TestFormEs2 : public ProvaConAmbiente<AmbienteEsercizi>
{
    Q_OBJECT

    FormEs2 *apri() { return amb->apri<FormEs2>(); }
    static int giusta(FormEs2 *s) { return s->frasi().Diverso[s->frasi().Parte][0]; }
    static QString ultimaDetta(const AmbienteEsercizi &a) { return a.voce.frasi.last().testo; }

    // Answers rightly in the present mode and checks the completed, spoken sentence.
    void rispondiGiusto(FormEs2 *s)
    {
        const QString domanda = frase(s);
        const int g = giusta(s);
        QVERIFY(rispondi(s, g));
        const QString atteso = domanda.trimmed() + QLatin1Char(' ') + pulsante(s, g)->text();
        QCOMPARE(frase(s), atteso);
        QVERIFY(!frase(s).contains(QStringLiteral("  ")));
        if (Profilo.ParlatoAttivo)
            QVERIFY(ultimaDetta(*amb).endsWith(atteso));
        else
            QVERIFY(amb->voce.frasi.isEmpty()); // the hidden assistant stays silent
    }

private slots:
    void everyModeCompletesAndSpeaksTheRightAnswer_data() { righeModi(); }
    void everyModeCompletesAndSpeaksTheRightAnswer()
    {
        modoDellaRiga();
        QPointer<FormEs2> s = apri();
        QVERIFY(s);
        const QString domanda = frase(s);
        QVERIFY(domanda.endsWith(QStringLiteral("sono "))); // no full stop: it waits for the word
        QVERIFY(rispondi(s, 1 - giusta(s)));
        QCOMPARE(frase(s), domanda); // a wrong answer leaves the sentence open
        for (int q = 0; q < 3; ++q) {
            rispondiGiusto(s);
            QVERIFY(rispondi(s, 2));
        }
        QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti 3Errati 1"));
    }

    void pairsAreNeverAskedTwiceAndHatsOnlyWhenBothShowThem()
    {
        Profilo.ModalitaInput = ModoInput::ScansioneManuale;
        QPointer<FormEs2> s = apri();
        QVERIFY(s);
        for (int coppia = 0; coppia < 2; ++coppia) { // eight answers: no reward in between
            QSet<int> chieste;
            const auto &f = s->frasi();
            for (int q = 0; q < 4; ++q) {
                QVERIFY(!chieste.contains(f.Parte));
                chieste << f.Parte;
                if (f.Parte == 1)
                    QCOMPARE(f.aspetto[0][9] + f.aspetto[1][9], 2);
                rispondiGiusto(s);
                tasto(s, Qt::Key_Return);
            }
        }
    }

    void capitalsSpeechOffAndLevels()
    {
        Profilo.TipoCarattere = Lettere::Maiuscolo;
        Profilo.ParlatoAttivo = false;
        QPointer<FormEs2> s = apri();
        QVERIFY(s);
        QVERIFY(!s->Assistente()->Visible());
        QVERIFY(!pulsante(s, 0)->haImmagine());
        QCOMPARE(pulsante(s, 0)->text(), QStringLiteral("UGUALI"));
        rispondiGiusto(s);
        QCOMPARE(frase(s), frase(s).toUpper());

        s->mnuLiv_Click(3);
        QCOMPARE(pannello(s, 3), QStringLiteral("Livello 3"));
        s->mnuLiv_Click(4); // there is no level 4
        QCOMPARE(s->Livello(), 3);
    }

    void partsCalledDifferentNeverShareAColour()
    {
        Profilo.Colori[3][0] = Profilo.Colori[1][0]; // blue painted green
        // The hats differ: green on the left; on the right row 3 (green too) is passed over for red.
        amb->caso.copione({d(1, 2), d(0, 4), d(2, 4), d(1, 4)});
        QPointer<FormEs2> s = apri();
        QVERIFY(s);
        QCOMPARE(amb->caso.rimasti(), 0);
        QCOMPARE(s->frasi().aspetto[1][Parti::Cappello], 2);
        const char *const parti[] = {"cappello", "capelli", "camicia", "gile", "bottoni", "pantaloni", "scarpe"};
        auto *sinistro = filmato(s);
        auto *destro = s->findChild<MovieView *>(QStringLiteral("SecondoZanfrone"));
        for (int i = 1; i <= Parti::kColorate; ++i) {
            const QString oggetto = QString::fromLatin1(parti[i - 1]) + QStringLiteral(".interno");
            QCOMPARE(sinistro->fillOf(oggetto) != destro->fillOf(oggetto), s->frasi().Diverso[i][0] == 1);
        }
    }

    void bothClownsArePaintedAndTheRewardTakesTheLeftOne()
    {
        amb->scrivi(QStringLiteral("suoni/si/2.wav"), "RIFF");
        QPointer<FormEs2> s = apri();
        QVERIFY(s);
        auto *sinistro = filmato(s);
        auto *destro = s->findChild<MovieView *>(QStringLiteral("SecondoZanfrone"));
        const auto &f = s->frasi();
        for (int c = 0; c < 2; ++c)
            QCOMPARE((c ? destro : sinistro)->fillOf(QStringLiteral("camicia.interno")),
                     VbColor::fromHex6(Profilo.Colori[f.aspetto[c][3]][0]));
        for (int q = 0; q < 9; ++q) {
            rispondiGiusto(s);
            QTest::mouseClick(pulsante(s, 2), Qt::LeftButton);
        }
        // The tenth right answer is spoken whole, then the reward takes the left clown's place.
        const QString domanda = frase(s);
        const int g = giusta(s);
        amb->caso.copione({0.9, 0.1}); // the first draw picks the movie (3 of 3), the second the sound (1 of 2)
        QTest::mouseClick(pulsante(s, g), Qt::LeftButton);
        QVERIFY(s->PremioMostrato());
        QCOMPARE(amb->caso.rimasti(), 0);
        QVERIFY(sinistro->Movie().endsWith(QStringLiteral("\\animazioni\\3.swf")));
        QVERIFY(amb->suoni.suonati.last().endsWith(QStringLiteral("/suoni/si/1.wav")));
        QVERIFY(ultimaDetta(*amb).endsWith(domanda.trimmed() + QLatin1Char(' ') + pulsante(s, g)->text()));
        QVERIFY(sinistro->Movie().contains(QStringLiteral("\\animazioni\\")));
        QVERIFY(destro->Movie().endsWith(QStringLiteral("zanfrone1.swf")));
        QTest::mouseClick(pulsante(s, 2), Qt::LeftButton);
        QVERIFY(sinistro->Movie().endsWith(QStringLiteral("zanfrone1.swf")));
        QVERIFY(frase(s).endsWith(QStringLiteral("sono ")));
    }
};

ZANFRONI_TEST_MAIN(TestFormEs2)
#include "tst_formes2.moc"
