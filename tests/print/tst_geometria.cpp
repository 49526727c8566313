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
        QVERIFY(!g(200, 287, -1, 10, 100, 100).Eccede()); // only the right and bottom edges ask to rescale
        QCOMPARE(g(0, 287, 0, 0, 1, 1).FoglioAnteprima(), QSize(127, 127)); // no width: no division by zero
    }

    void maxFillsTheSheet()
    {
        GeometriaStampa a = g(200, 287, 10, 10, 100, 100);
        a.Massimo(true, false);
        QCOMPARE(r(a), QRect(0, 10, 200, 200));
        a = g(200, 287, 10, 10, 100, 100);
        a.Massimo(false, false); // pulled back onto the sheet
        QCOMPARE(r(a), QRect(0, 0, 200, 287));
        a = g(200, 287, 10, 10, 100, 50);
        a.Proporzione = 2.0f;
        a.Massimo(true, false);
        QCOMPARE(QSize(a.StampaW_mm, a.StampaH_mm), QSize(200, 100));
        a.StampaW_mm = 151;
        QCOMPARE(a.AltezzaProporzionale(), 76); // 75.5 to the even neighbour
        a = g(0, 0, 10, 10, 100, 100);
        a.Massimo(true, false); // no printable area: nothing changes, nothing divides by zero
        QCOMPARE(a.StampaW_mm, 100);
    }

    void scaleToFitAndDeviceUnits()
    {
        GeometriaStampa a = g(200, 287, 100, 10, 150, 150);
        QVERIFY(a.Eccede());
        a.AdattaAlFoglio();
        QCOMPARE(r(a), QRect(80, 8, 120, 120));
        QVERIFY(!a.Eccede());
        a = g(200, 287, 0, 100, 100, 400);
        a.AdattaAlFoglio();
        QCOMPARE(r(a), QRect(0, 57, 57, 230));
        QCOMPARE(g(200, 287, 10, 10, 100, 100).InUnita(4800.0 / 200, 6888.0 / 287), QRect(240, 240, 2400, 2400));
    }
};

QTEST_APPLESS_MAIN(TestGeometria)
#include "tst_geometria.moc"
