#include "Estrazioni.h"
#include "exercises/sentences/FrasiInsiemi.h"
#include "platform/Rnd.h"
#include "shell/Profilo.h"

#include <QtTest>

namespace {
// What the child sees: a clause about the hat's colour holds only while the hat is shown; a colour
// holds when it is painted or named like the one the clause names, or like a row that is.
bool visibile(const FrasiInsiemi &f, int parte, int valore)
{
    if (parte == Parti::Cappello && f.aspetto.conCappello != 1)
        return false;
    const int riga = f.aspetto[parte];
    if (parte < Parti::Cappello || parte > Parti::kColorate)
        return riga == valore;
    const Accordo accordo = AccordoParte(parte);
    const auto simili = [accordo](int a, int b) {
        return CodiceColore(a) == CodiceColore(b) || ParolaColore(a, accordo) == ParolaColore(b, accordo);
    };
    bool come[Parti::kColori + 1] = {};
    come[valore] = true;
    for (int giro = 0; giro < Parti::kColori; ++giro)
        for (int a = 1; a <= Parti::kColori; ++a)
            for (int b = 1; b <= Parti::kColori; ++b)
                come[a] = come[a] || (come[b] && simili(a, b));
    return come[riga];
}
} // namespace

class TestFrasiInsiemi : public ProvaRegole
{
    Q_OBJECT
    static constexpr int kCatena = 5; // a table whose rows are alike only through a third

    QString frase(int livello, const std::vector<double> &disegni)
    {
        FrasiInsiemi f;
        servizi->caso.copione(disegni);
        f.ScriviFrase(livello);
        return TuttoUsato(servizi->caso, f.Frase);
    }

private slots:
    void oneClauseAtLevelOne()
    {
        // Colour words agree with the part.
        QCOMPARE(frase(1, {d(2, 9), d(1, 4)}), QStringLiteral("Ha la camicia rossa"));
        // Bucket and hat: present or absent at even chances.
        QCOMPARE(frase(1, {d(7, 9), d(0, 2)}), QStringLiteral("E' senza secchio"));
        QCOMPARE(frase(1, {d(8, 9), d(1, 2)}), QStringLiteral("Ha il cappello"));
        QCOMPARE(frase(7, {}), QString()); // no such level: nothing drawn
    }

    void twoClausesAndTheirDraws()
    {
        Profilo.Colori[1][1] = QStringLiteral("Verde");
        Profilo.Colori[4][4] = QStringLiteral("GIALLE");
        // Level 2: the second clause in lower case, colour word included; the first keeps its capitals.
        QCOMPARE(frase(2, {d(0, 7), d(0, 4), d(6, 9), d(3, 4)}), QStringLiteral("Ha il cappello Verde e le scarpe gialle"));
        // The same part again, then the hat's presence beside its colour: drawn anew, colour each time.
        QCOMPARE(frase(2, {d(0, 7), d(0, 4), d(0, 9), d(2, 4), d(8, 9), d(1, 2), d(7, 9), d(0, 2)}),
                 QStringLiteral("Ha il cappello Verde ma non il secchio"));
        // Level 3: both clauses lower case; the value is drawn once, after the last part.
        QCOMPARE(frase(3, {d(1, 7), d(2, 4), d(1, 9), d(7, 9), d(0, 2)}),
                 QStringLiteral("O ha i capelli blu o almeno non ha il secchio"));
        // Level 4: either, but not both.
        QCOMPARE(frase(4, {d(6, 7), d(1, 4), d(8, 9), d(1, 2)}),
                 QStringLiteral("O ha le scarpe rosse o ha il cappello, ma non tutte e due le qualità"));
    }

    void scriptedClowns()
    {
        FrasiInsiemi f;
        f.Parte1 = 1;
        f.Colore1 = 1; // "Ha il cappello verde"
        // Not fitting, the hat hidden and green: redrawn green, then a hidden hat never green.
        servizi->caso.copione(std::vector<double>{d(1, 100)} + clown(0, 0) + std::vector<double>{d(0, 4), d(0, 4), d(2, 4)});
        f.ImpostaColori(1);
        QCOMPARE(servizi->caso.rimasti(), 0);
        QCOMPARE(f.Risposta, 1);
        QCOMPARE(QPoint(f.aspetto[Parti::Cappello], f.aspetto[Parti::ConCappello]), QPoint(3, 0));
        // Level 4, not fitting, k = 1: both clauses hold (the shirt blue, the bucket absent).
        f.Parte1 = 3;
        f.Colore1 = 3;
        f.Parte2 = 8;
        f.Colore2 = 0;
        servizi->caso.copione(std::vector<double>{d(1, 100)} + clown(0, 1) + std::vector<double>{d(1, 100)});
        f.ImpostaColori(4);
        QCOMPARE(servizi->caso.rimasti(), 0);
        QCOMPARE(f.Risposta, 1);
        QVERIFY(f.Vale1() && f.Vale2());
    }

    // Rows that look or read alike are one colour to the child, in the sentence and in the clown.
    void coloursAlikeAreOneColour()
    {
        Profilo.Colori[2][1] = Profilo.Colori[1][1]; // row 2 a "verde" hat
        Profilo.Colori[3][0] = Profilo.Colori[1][0]; // rows 3 and 4 painted like row 1
        Profilo.Colori[4][0] = Profilo.Colori[1][0];
        // On the hat every row is one colour (row 2 through row 1): a clause never names it. On the
        // other parts red stands apart.
        QCOMPARE(frase(1, {d(0, 9), d(2, 4), d(2, 9), d(3, 4)}), QStringLiteral("Ha la camicia gialla"));
        QCOMPARE(frase(3, {d(0, 7), d(0, 4), d(1, 7), d(1, 4), d(1, 9), d(0, 9), d(0, 4), d(7, 9), d(1, 2)}),
                 QStringLiteral("O ha i capelli rossi o almeno il secchio"));

        // Rows 3 and 4 painted blue and yellow again. "Ha il cappello verde" (row 2), not fitting: a
        // shown hat of row 1 reads "verde" and is redrawn.
        Profilo.Colori[3][0] = QStringLiteral("0000FF");
        Profilo.Colori[4][0] = QStringLiteral("FFFF00");
        FrasiInsiemi f;
        f.Parte1 = Parti::Cappello;
        f.Colore1 = 2;
        servizi->caso.copione(std::vector<double>{d(1, 100), d(0, 4), d(1, 4), d(2, 4), d(3, 4), d(0, 4), d(1, 4), d(2, 4),
                                                  d(0, 2), d(1, 2), d(1, 4), d(2, 4)});
        f.ImpostaColori(1);
        QCOMPARE(servizi->caso.rimasti(), 0);
        QCOMPARE(f.aspetto[Parti::Cappello], 3);
        // A hidden hat is recoloured past every row that looks or reads like the one asked.
        Profilo.Colori[3][1] = Profilo.Colori[4][1] = QStringLiteral("celeste"); // rows 3 and 4 one word
        f.Colore1 = 3;
        servizi->caso.copione(std::vector<double>{d(1, 100), d(2, 4), d(1, 4), d(2, 4), d(3, 4), d(0, 4), d(1, 4), d(2, 4),
                                                  d(0, 2), d(0, 2), d(3, 4), d(2, 4), d(3, 4), d(0, 4)});
        f.ImpostaColori(1);
        QCOMPARE(servizi->caso.rimasti(), 0);
        QCOMPARE(QPoint(f.aspetto[Parti::Cappello], f.aspetto[Parti::ConCappello]), QPoint(1, 0));
        QVERIFY(!f.Vale1());
    }

    // Many sentences and clowns: every clown fits or fails as the coin says, in the record and in the
    // picture alike, and the ways of fitting come at the stated chances.
    void everyClownFitsAsTheCoinSays_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<int>("somiglianti");
        for (int l = 1; l <= 4; ++l) {
            QTest::addRow("level %d", l) << l << 0;
            QTest::addRow("level %d, two pairs of rows alike", l) << l << 2;
            QTest::addRow("level %d, three rows alike", l) << l << 3;
            QTest::addRow("level %d, every row alike", l) << l << 4;
            QTest::addRow("level %d, three rows in a chain", l) << l << kCatena;
        }
    }
    void everyClownFitsAsTheCoinSays()
    {
        QFETCH(int, livello);
        QFETCH(int, somiglianti);
        if (somiglianti == 2) {
            Profilo.Colori[3][0] = Profilo.Colori[1][0]; // blue painted green
            for (int col = 1; col <= 4; ++col) // yellow named red
                Profilo.Colori[4][col] = Profilo.Colori[2][col];
        }
        if (somiglianti == 3 || somiglianti == 4) // painted green: only red stands out, or no colour at all
            for (int riga = somiglianti == 3 ? 3 : 2; riga <= 4; ++riga)
                Profilo.Colori[riga][0] = Profilo.Colori[1][0];
        if (somiglianti == kCatena) { // green "verde", green "blu", blue "blu": one colour
            Profilo.Colori[2][0] = Profilo.Colori[1][0];
            for (int col = 1; col <= 4; ++col)
                Profilo.Colori[2][col] = Profilo.Colori[3][col];
        }
        servizi->caso.seme(20 + livello);
        FrasiInsiemi f;
        f.Parte2 = 1; // left by an earlier two-clause sentence
        f.Colore2 = 2;
        int modi[2][4] = {}; // [coin][0 neither, 1 first only, 2 second only, 3 both]
        for (int esercizio = 0; esercizio < 400; ++esercizio) {
            f.ScriviFrase(livello);
            if (livello > 1) {
                QVERIFY(f.Parte2 != f.Parte1);
                QVERIFY(!(f.Parte1 == Parti::Cappello && f.Parte2 == Parti::ConCappello));
            }
            for (int n = 0; n < 10; ++n) {
                f.ImpostaColori(livello);
                const auto verdetto = [livello](bool a, bool b) {
                    return livello == 1 ? a : livello == 2 ? a && b : livello == 3 ? a || b : a != b;
                };
                const bool v1 = visibile(f, f.Parte1, f.Colore1);
                const bool v2 = visibile(f, f.Parte2, f.Colore2);
                if (somiglianti != 4) // no colour can be told: judged by the rows
                    QCOMPARE(verdetto(v1, v2), f.Risposta == 0);
                QCOMPARE(verdetto(f.Vale1(), f.Vale2()), f.Risposta == 0);
                ++modi[f.Risposta][int(v1) + 2 * int(v2)];
            }
        }
        if (somiglianti) {
            return; // fewer colours to tell apart: other chances
        } else if (livello == 3) {
            for (int m = 1; m <= 3; ++m) // a third each
                QVERIFY2(modi[0][m] > 500 && modi[0][m] < 850, qPrintable(QString::number(modi[0][m])));
        } else if (livello == 4) {
            QVERIFY(modi[0][1] > 800 && modi[0][2] > 800);
            QVERIFY(modi[1][0] > 800 && modi[1][3] > 800);
        } else if (livello == 2) {
            QVERIFY(modi[1][0] > 0 && modi[1][1] > 0 && modi[1][2] > 0); // fails one clause or both
        }
    }
};

ZANFRONI_TEST_MAIN(TestFrasiInsiemi)
#include "tst_frasiinsiemi.moc"
