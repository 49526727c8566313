#include "Estrazioni.h"
#include "exercises/sentences/RegoleColora.h"
#include "platform/Rnd.h"
#include "shell/Profilo.h"

#include <QtTest>

namespace {
// Colour rows 1..4 as the draws of the seven parts.
std::vector<double> righe(std::initializer_list<int> r)
{
    std::vector<double> v;
    for (int x : r)
        v.push_back(d(x - 1, 4));
    return v;
}
} // namespace

class TestRegoleColora : public ProvaRegole
{
    Q_OBJECT

    // A level 1 exercise whose parts ask: hat green, hair red, shirt blue, waistcoat yellow,
    // buttons green, trousers red, shoes blue.
    RegoleColora livello1()
    {
        RegoleColora r;
        servizi->caso.copione({d(1, 2)});
        r.NuovoEsercizio();
        servizi->caso.copione(righe({1, 2, 3, 4, 1, 2, 3}));
        r.ScriviFrase(1, false);
        return r;
    }

private slots:
    void sentencesByLevel()
    {
        RegoleColora r = livello1();
        QCOMPARE(r.Frasi[4], QStringLiteral("Il gilè è giallo."));
        QCOMPARE(r.Frasi[5], QStringLiteral("I bottoni sono verdi."));
        // Positive: only the named colour is right.
        QVERIFY(r.ColoriAmmessi[2][2] && !r.ColoriAmmessi[2][1] && !r.ColoriAmmessi[2][3] && !r.ColoriAmmessi[2][4]);

        // Level 5 is negative throughout: every colour but the named one.
        servizi->caso.copione(righe({2, 4, 4, 1, 3, 4, 2}));
        r.ScriviFrase(5, false);
        QCOMPARE(servizi->caso.rimasti(), 0);
        QCOMPARE(r.Frasi[3], QStringLiteral("La camicia non è gialla."));
        QCOMPARE(r.Frasi[7], QStringLiteral("Le scarpe non sono rosse."));
        QVERIFY(!r.ColoriAmmessi[7][2] && r.ColoriAmmessi[7][1] && r.ColoriAmmessi[7][3] && r.ColoriAmmessi[7][4]);

        // Levels 3 and 6: a coin before each part's colour; upper case under "maiuscolo".
        servizi->caso.copione({d(1, 2), d(3, 4), d(0, 2), d(3, 4), d(0, 2), d(0, 4), d(1, 2), d(0, 4),
                     d(0, 2), d(1, 4), d(1, 2), d(1, 4), d(0, 2), d(2, 4)});
        r.ScriviFrase(6, true);
        QCOMPARE(servizi->caso.rimasti(), 0);
        QCOMPARE(r.Frasi[1], QStringLiteral("IL CAPPELLO NON È GIALLO."));
        QCOMPARE(r.Frasi[2], QStringLiteral("I CAPELLI SONO GIALLI."));
        QCOMPARE(r.Frasi[6], QStringLiteral("I PANTALONI NON SONO ROSSI."));
    }

    void aColourThatReadsLikeTheNamedOneCounts()
    {
        for (int col = 1; col <= 4; ++col) // blue renamed "verde", like row 1
            Profilo.Colori[3][col] = Profilo.Colori[1][col];
        RegoleColora r = livello1(); // "Il cappello è verde."
        QVERIFY(r.ColoriAmmessi[1][1] && r.ColoriAmmessi[1][3] && !r.ColoriAmmessi[1][2]);
        servizi->caso.copione(righe({1, 4, 4, 1, 3, 4, 2}));
        r.ScriviFrase(5, false); // "Il cappello non è verde."
        QVERIFY(!r.ColoriAmmessi[1][1] && !r.ColoriAmmessi[1][3] && r.ColoriAmmessi[1][2] && r.ColoriAmmessi[1][4]);

        // A chain: green "verde", green "blu", blue "blu" are one colour, whichever row is named.
        Profilo = ProfiloUtente();
        Profilo.Colori[2][0] = QStringLiteral("00ff00"); // row 1's code, as a hand-edited profile may write it
        for (int col = 1; col <= 4; ++col)
            Profilo.Colori[2][col] = QStringLiteral("blu");
        servizi->caso.copione(righe({3, 2, 1, 4, 1, 2, 3}));
        r.ScriviFrase(1, false); // "Il cappello è blu."
        QVERIFY(r.ColoriAmmessi[1][1] && r.ColoriAmmessi[1][2] && r.ColoriAmmessi[1][3] && !r.ColoriAmmessi[1][4]);
        servizi->caso.copione(righe({1, 4, 4, 1, 3, 4, 2}));
        r.ScriviFrase(5, false); // "Il cappello non è verde."
        QVERIFY(!r.ColoriAmmessi[1][2] && !r.ColoriAmmessi[1][3] && r.ColoriAmmessi[1][4]);
    }

    void partsAreDrawnOnceEach()
    {
        RegoleColora r = livello1();
        servizi->caso.copione({d(4, 7), d(4, 7), d(4, 7), d(0, 7)});
        QCOMPARE(r.PescaParte(), 5);
        QCOMPARE(r.PescaParte(), 1); // 5 drawn twice more and refused
        QCOMPARE(r.ParteCorrente, 1);
        QCOMPARE(servizi->caso.rimasti(), 0);

        // Levels 4-6: the seven sentences in the drawn order, one a line.
        r.AzzeraFatte();
        servizi->caso.copione({d(6, 7), d(0, 7), d(1, 7), d(2, 7), d(3, 7), d(4, 7), d(5, 7)});
        const QStringList righe = r.FrasiInOrdineCasuale().split(QLatin1Char('\n'));
        QCOMPARE(righe.size(), 7);
        QCOMPARE(righe.first(), QStringLiteral("Le scarpe sono blu."));
        QCOMPARE(righe.last(), QStringLiteral("I pantaloni sono rossi."));
        // Nothing left to draw: no endless drawing, the part stays.
        QCOMPARE(r.PescaParte(), 6);
    }
};

ZANFRONI_TEST_MAIN(TestRegoleColora)
#include "tst_regolecolora.moc"
