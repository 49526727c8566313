#include "Falsi.h"
#include "shell/DialoghiComuni.h"

#include <QtTest>

class TestServizi : public QObject
{
    Q_OBJECT
private slots:
    void colourDialogChangesTheColourOnlyOnOk()
    {
        DialoghiFinti dialoghi;
        double colore = 123;
        dialoghi.colori.push_back(std::nullopt);
        QVERIFY(!ScegliColore(nullptr, colore));
        QCOMPARE(colore, 123.0);
        dialoghi.colori.push_back(QColor(0x11, 0x22, 0x33));
        QVERIFY(ScegliColore(nullptr, colore));
        QCOMPARE(colore, double(0x332211));
    }

    void fontSizesRoundHalvesToEven_data()
    {
        QTest::addColumn<double>("punti");
        QTest::addColumn<int>("atteso");
        QTest::newRow("10.5") << 10.5 << 10;
        QTest::newRow("11.5") << 11.5 << 12;
    }
    void fontSizesRoundHalvesToEven()
    {
        QFETCH(double, punti);
        QFETCH(int, atteso);
        DialoghiFinti dialoghi;
        QFont scelto(QStringLiteral("Liberation Serif"));
        scelto.setPointSizeF(punti);
        dialoghi.font.push_back(scelto);
        QFont font(QStringLiteral("Liberation Sans"), 8);
        QVERIFY(ScegliFont(nullptr, font));
        QCOMPARE(font.pointSize(), atteso);
        dialoghi.font.push_back(std::nullopt);
        QVERIFY(!ScegliFont(nullptr, font));
        QCOMPARE(font.pointSize(), atteso);
    }

    void fileDialogCancelledGivesNothingAndBytesStopAtZero()
    {
        DialoghiFinti dialoghi;
        QCOMPARE(ScegliFile(nullptr, 1, QStringLiteral("Apri"), QString(), QStringLiteral("Rapporti|*.rpt"),
                            QStringLiteral("C:\\"), QStringLiteral("rpt")),
                 QString());
        QCOMPARE(StringaDaByte(QByteArray("Arial\0xyz", 9)), QStringLiteral("Arial"));
    }
};

QTEST_MAIN(TestServizi)
#include "tst_servizi.moc"
