#include "print/GeometriaStampa.h"

#include <QtTest>

class TestGeometria : public QObject
{
    Q_OBJECT

    static GeometriaStampa g(int fw, int fh, int x, int y, int w, int h)
    {
        GeometriaStampa r;
        r.FoglioW_mm = fw;
        r.FoglioH_mm = fh;
        r.StampaX_mm = x;
        r.StampaY_mm = y;
        r.StampaW_mm = w;
        r.StampaH_mm = h;
        return r;
    }

    static QRect r(const GeometriaStampa &a) { return QRect(a.StampaX_mm, a.StampaY_mm, a.StampaW_mm, a.StampaH_mm); }

private slots:
    void roundingLimitsCentringAndOffSheet()
    {
        QCOMPARE(GeometriaStampa::Arrotonda(93.5), 94);
        QCOMPARE(GeometriaStampa::Arrotonda(92.5), 92);
        QCOMPARE(GeometriaStampa::LimitaMargine(-2500), -2000);
        QCOMPARE(GeometriaStampa::LimitaDimensione(0), 1);

        GeometriaStampa a = g(200, 287, 10, 10, 100, 100);
        a.Centra();
        QCOMPARE(QPoint(a.StampaX_mm, a.StampaY_mm), QPoint(50, 94));
        QVERIFY(!a.FuoriFoglio());
        GeometriaStampa grande = g(200, 287, 0, 0, 250, 100);
        grande.Centra();
        QCOMPARE(grande.StampaX_mm, -25);
        QVERIFY(grande.FuoriFoglio());

        QVERIFY(g(200, 287, 150, 10, 100, 100).FuoriFoglio());
        QVERIFY(!g(200, 287, 100, 10, 100, 100).FuoriFoglio());
        QVERIFY(g(200, 287, -1, 10, 100, 100).FuoriFoglio());
        QVERIFY(g(200, 287, 10, -1, 100, 100).FuoriFoglio());
        QCOMPARE(g(0, 287, 0, 0, 1, 1).FoglioAnteprima(), QSize(127, 127)); // no width: no division by zero
    }

    void maxFillsTheLimitingSide()
    {
        // A clown twice as high as wide on a portrait area: the height limits.
        GeometriaStampa a = g(200, 287, 10, 10, 100, 200);
        a.Proporzione = 0.5f;
        a.Massimo(true);
        QCOMPARE(r(a), QRect(10, 0, 144, 287)); // 143.5 to the even neighbour
        // A wide screen: the width limits, and the margin is pulled back onto the sheet.
        a = g(200, 287, 10, 250, 100, 75);
        a.Proporzione = 4.0f / 3.0f;
        a.Massimo(true);
        QCOMPARE(r(a), QRect(0, 137, 200, 150));
        // The picture's ratio decides, not the rounded fields: the height never passes the sheet.
        a = g(200, 287, 0, 0, 100, 143);
        a.Proporzione = 0.695f;
        a.Massimo(true);
        QCOMPARE(QSize(a.StampaW_mm, a.StampaH_mm), QSize(199, 287));
        a = g(200, 287, 10, 10, 100, 100);
        a.Massimo(false);
        QCOMPARE(r(a), QRect(0, 0, 200, 287));
        a.Proporzione = 2.0f;
        a.StampaW_mm = 151;
        QCOMPARE(a.AltezzaProporzionale(), 76); // 75.5 to the even neighbour
        a = g(0, 0, 10, 10, 100, 100);
        a.Massimo(true); // no printable area: nothing changes, nothing divides by zero
        QCOMPARE(a.StampaW_mm, 100);
    }

    void scaleToFitLeavesThePrintWhollyOnTheSheet()
    {
        GeometriaStampa a = g(200, 287, 100, 10, 150, 150);
        a.AdattaAlFoglio();
        QCOMPARE(r(a), QRect(80, 8, 120, 120));
        a = g(200, 287, 0, 100, 100, 400);
        a.AdattaAlFoglio();
        QCOMPARE(r(a), QRect(0, 57, 57, 230));
        // Negative margins: onto the sheet first, then shrunk.
        a = g(200, 287, -39, -5, 100, 100);
        a.AdattaAlFoglio();
        QCOMPARE(r(a), QRect(0, 0, 100, 100));
        // Margin and width each rounded up (3.5 and 283.5) would end 1 mm past the edge.
        a = g(287, 200, 4, 10, 324, 100);
        a.AdattaAlFoglio();
        QCOMPARE(r(a), QRect(3, 9, 284, 88));
        // Centred and larger than the sheet: shrunk to fit and still centred.
        a = g(200, 287, 0, 0, 250, 100);
        a.Centrata = true;
        a.Centra();
        QCOMPARE(a.StampaX_mm, -25);
        a.AdattaAlFoglio();
        QCOMPARE(r(a), QRect(0, 104, 200, 80));
        QVERIFY(!a.FuoriFoglio());
        QCOMPARE(g(200, 287, 10, 10, 100, 100).InUnita(4800.0 / 200, 6888.0 / 287), QRectF(240, 240, 2400, 2400));
    }
};

QTEST_APPLESS_MAIN(TestGeometria)
#include "tst_geometria.moc"
