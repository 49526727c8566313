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

    void fontSizesRoundHalvesToEvenAndCancelKeepsTheFont()
    {
        DialoghiFinti dialoghi;
        QFont font(QStringLiteral("Liberation Sans"), 8);
        for (const auto &[punti, atteso] : {std::pair{10.5, 10}, std::pair{11.5, 12}}) {
            QFont scelto(QStringLiteral("Liberation Serif"));
            scelto.setPointSizeF(punti);
            dialoghi.font.push_back(scelto);
            QVERIFY(ScegliFont(nullptr, font));
            QCOMPARE(font.pointSize(), atteso);
        }
        dialoghi.font.push_back(std::nullopt);
        QVERIFY(!ScegliFont(nullptr, font));
        QCOMPARE(font.pointSize(), 12);
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
