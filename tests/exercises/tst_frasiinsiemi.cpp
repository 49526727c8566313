#include "Estrazioni.h"
#include "ServiziDiProva.h"
#include "exercises/sentences/FrasiInsiemi.h"
#include "platform/Rnd.h"
#include "shell/Profilo.h"

#include <QtTest>

namespace {
// What the child sees: a clause about the hat's colour holds only while the hat is shown.
bool visibile(const FrasiInsiemi &f, int parte, int valore)
{
    return f.aspetto[parte] == valore && (parte != Parti::Cappello || f.aspetto[Parti::ConCappello] == 1);
}
} // namespace

class TestFrasiInsiemi : public QObject
{
    Q_OBJECT
    std::unique_ptr<ServiziDiProva> servizi;

    QString frase(int livello, const std::vector<double> &disegni)
    {
        FrasiInsiemi f;
        servizi->caso.copione(disegni);
        f.ScriviFrase(livello);
        return TuttoUsato(servizi->caso, f.Frase);
    }

private slots:
    void init()
    {
        Profilo = ProfiloUtente();
        servizi = std::make_unique<ServiziDiProva>();
    }
    void cleanup() { servizi.reset(); }

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

    // Many sentences and clowns: every clown fits or fails as the coin says, in the record and in the
    // picture alike, and the ways of fitting come at the stated chances.
    void everyClownFitsAsTheCoinSays_data()
    {
        QTest::addColumn<int>("livello");
        for (int l = 1; l <= 4; ++l)
            QTest::addRow("level %d", l) << l;
    }
    void everyClownFitsAsTheCoinSays()
    {
        QFETCH(int, livello);
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
                QCOMPARE(verdetto(v1, v2), f.Risposta == 0);
                QCOMPARE(verdetto(f.Vale1(), f.Vale2()), f.Risposta == 0);
                ++modi[f.Risposta][int(v1) + 2 * int(v2)];
            }
        }
        if (livello == 3) {
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
