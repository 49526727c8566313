#include "Estrazioni.h"
#include "exercises/search/Allineamento.h"
#include "exercises/search/FrasiCaratteristiche.h"
#include "platform/Rnd.h"
#include "shell/Profilo.h"

#include <QtTest>

namespace {
// One clown's nine draws: parts 1..7 on rows `righe`, then the bucket, then the hat.
std::vector<double> clown(std::array<int, 7> righe, int secchio, int cappello)
{
    std::vector<double> v;
    for (int r : righe)
        v.push_back(d(r - 1, 4));
    v.push_back(d(secchio, 2));
    v.push_back(d(cappello, 2));
    return v;
}
} // namespace

class TestAllineamento : public ProvaRegole
{
    Q_OBJECT

    // The target's lines and icon sentences for a sentence order.
    FrasiCaratteristiche frasi(const Aspetto &c, const std::vector<int> &ordine)
    {
        std::vector<double> v;
        for (int n : ordine)
            v.push_back(d(n - 1, 9));
        servizi->caso.copione(v);
        FrasiCaratteristiche f;
        f.ScriviFrase(c, false);
        return f;
    }

private slots:
    void levelsLayOutTheirClownsRowByRow()
    {
        for (int l = 1; l <= 5; ++l) // places never overlap, left of the sentences and above the instruction
            for (int i = 0; i < Allineamento::NumeroZanfroni(l); ++i) {
                const QRect p = Allineamento::Posto(l, i);
                QVERIFY(p.right() < 5400 && p.bottom() < 5520);
                for (int j = 0; j < i; ++j)
                    QVERIFY(!p.intersects(Allineamento::Posto(l, j)));
            }
        QCOMPARE(Allineamento::Posto(4, 5), QRect(3480, 1920, 1335, 1695));
    }

    void theTargetIsDrawnFirstThenEveryClownInPartOrder()
    {
        servizi->caso.copione(std::vector<double>{d(2, 4)} // target: clown 2 of 4
                    + clown({1, 2, 3, 4, 1, 2, 3}, 0, 0) + clown({4, 4, 4, 4, 4, 4, 4}, 1, 1)
                    + clown({2, 3, 4, 1, 2, 3, 4}, 1, 0) + clown({1, 1, 1, 1, 1, 1, 1}, 0, 1));
        Allineamento a;
        a.ImpostaColori(4);
        QCOMPARE(servizi->caso.rimasti(), 0);
        QCOMPARE(a.ZanfroneGiusto, 2);
        QCOMPARE(a.Aspetti[2][Parti::Camicia], 4);
        QCOMPARE(a.Caratteristiche, a.Aspetti[2]);
        QCOMPARE(a.Aspetti[3][Parti::ConCappello], 1);
    }

    // Another clown that shows every listed trait of the target is drawn again after the line-up.
    void lookAlikesAreDrawnAgain()
    {
        Profilo.Colori[4][0] = Profilo.Colori[2][0]; // row 4 painted like row 2
        const auto target = clown({1, 2, 3, 4, 1, 2, 3}, 1, 1);
        servizi->caso.copione(std::vector<double>{d(1, 4)} + clown({1, 2, 3, 4, 1, 2, 3}, 1, 1) + target
                    + clown({3, 2, 3, 4, 1, 2, 3}, 0, 0) // hatless: its hat colour does not show
                    + clown({2, 2, 3, 4, 1, 2, 3}, 1, 1) // another hat colour: not alike
                    + clown({1, 4, 3, 4, 1, 2, 3}, 1, 1) // first redraw: the same red hair, still alike
                    + clown({1, 2, 3, 4, 1, 2, 3}, 0, 1)); // second redraw: no bucket
        Allineamento a;
        a.ImpostaColori(4);
        QCOMPARE(servizi->caso.rimasti(), 0);
        QCOMPARE(a.Aspetti[0][Parti::Secchio], 0);
        QCOMPARE(a.Aspetti[3][Parti::Cappello], 2);
        for (int i : {0, 2, 3})
            QVERIFY(!Allineamento::Somiglia(a.Aspetti[i], a.Caratteristiche));

        // A hatless target: a hatless clown matches whatever colour its hidden hat has.
        Aspetto senza{1, 2, 3, 4, 1, 2, 3, 1, 0}, altro = senza;
        altro[Parti::Cappello] = 4;
        QVERIFY(Allineamento::Somiglia(altro, senza));
        altro[Parti::ConCappello] = 1;
        QVERIFY(!Allineamento::Somiglia(altro, senza));
    }

    void sentencesWithAHatAgreeAndFillEveryIcon()
    {
        Aspetto c{2, 2, 2, 4, 3, 2, 4, 1, 1}; // red, red, red shirt, yellow, blue, red, yellow; bucket; hat
        const auto f = frasi(c, {9, 1, 2, 3, 4, 5, 6, 7, 8});
        QCOMPARE(servizi->caso.rimasti(), 0);
        QCOMPARE(f.Righe, (QStringList{"Ha il cappello.", "Il cappello è rosso.", "I capelli sono rossi.",
                                       "La camicia è rossa.", "Il gilè è giallo.", "I bottoni sono blu.",
                                       "I pantaloni sono rossi.", "Le scarpe sono gialle.", "Ha il secchio."}));
        QCOMPARE(f.FrasiParti[0], QStringLiteral("Il cappello è rosso")); // "Ha il cappello" is not kept
        QCOMPARE(f.FrasiParti[7], QStringLiteral("Ha il secchio"));
    }

    void withoutAHatItsColourIsLeftOutAndUsedNumbersAreDrawnAgain()
    {
        Aspetto c{1, 1, 1, 1, 1, 1, 1, 0, 0};
        // 1 (the hat's colour) is never taken; 2 comes twice: both repeats are drawn again.
        const auto f = frasi(c, {1, 2, 2, 1, 9, 3, 4, 5, 6, 7, 8});
        QCOMPARE(servizi->caso.rimasti(), 0);
        QCOMPARE(f.Righe.size(), 8); // no line about the hat's colour
        QCOMPARE(f.Righe[1], QStringLiteral("Non ha il cappello."));
        QCOMPARE(f.FrasiParti[0], QStringLiteral("Non ha il cappello"));
    }

    void verticalMovesWrapInTheirColumnAndSkipHiddenClowns()
    {
        const auto tutti = [](int) { return true; };
        QCOMPARE(Allineamento::Verticale(7, 1, 4, tutti), 1);
        QCOMPARE(Allineamento::Verticale(1, -1, 4, tutti), 7);
        QCOMPARE(Allineamento::Verticale(6, 1, 4, tutti), 0); // the last row to the first, exactly
        QCOMPARE(Allineamento::Verticale(3, -1, 4, tutti), 0);
        // Level 5, column 1: clown 5 removed, Down from 1 lands on 9.
        QCOMPARE(Allineamento::Verticale(1, 1, 5, [](int i) { return i != 5; }), 9);
        // Only the frame's own clown is left in its column: it stays.
        QCOMPARE(Allineamento::Verticale(4, 1, 3, [](int i) { return i != 1; }), 4);
        // The frame rests on a removed clown and its whole column is gone: on to the next shown clown.
        QCOMPARE(Allineamento::Verticale(1, 1, 3, [](int i) { return i != 1 && i != 4; }), 2);
    }
};

ZANFRONI_TEST_MAIN(TestAllineamento)
#include "tst_allineamento.moc"
