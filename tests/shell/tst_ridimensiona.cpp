#include "ServiziDiProva.h"
#include "shell/Attivita.h"
#include "shell/Schermo.h"

#include <QLabel>
#include <limits>
#include <QtTest>

class TestRidimensiona : public QObject
{
    Q_OBJECT
private slots:
    void controlsFollowTheInnerSizeButNotTheirFonts()
    {
        Schermo s(QStringLiteral("prova"), 6000, 3000); // 400 x 200 pixels
        auto *tutto = new QLabel(QStringLiteral("a"), s.area());
        auto *soloTop = new QLabel(s.area());
        auto *fermo = new QLabel(s.area());
        s.posiziona(tutto, QStringLiteral("tutto"), 1500, 1500, 1500, 750);
        s.posiziona(soloTop, QStringLiteral("soloTop"), 1500, 1500, 1500, 750);
        s.posiziona(fermo, QStringLiteral("fermo"), 1500, 1500, 1500, 750);
        soloTop->setProperty("Tag", QStringLiteral("@t"));
        fermo->setProperty("Tag", QStringLiteral("@"));
        auto *altrui = new QLabel(s.area()); // not one of the screen's controls
        altrui->setGeometry(1, 1, 5, 5);
        const int fontPrima = tutto->font().pointSize();

        s.Ridimensiona().SourceForm(&s);
        s.Ridimensiona().ResizeControls(); // the first call only records
        QCOMPARE(tutto->geometry(), QRect(100, 100, 100, 50));

        s.area()->resize(800, 200); // twice as wide
        s.Ridimensiona().ResizeControls();
        QCOMPARE(tutto->geometry(), QRect(200, 100, 200, 50));
        s.area()->resize(800, 400);
        s.Ridimensiona().ResizeControls();
        QCOMPARE(tutto->geometry(), QRect(200, 200, 200, 100));
        QCOMPARE(soloTop->geometry(), QRect(100, 200, 100, 50));
        QCOMPARE(fermo->geometry(), QRect(100, 100, 100, 50));
        QCOMPARE(altrui->geometry(), QRect(1, 1, 5, 5));
        QCOMPARE(tutto->font().pointSize(), fontPrima);
    }

    void activityTableStopsAtRow500()
    {
        SvuotaAttivita();
        QVERIFY(IniziaAttivita(QStringLiteral("Vero - falso")));
        ScriviRisultatoAttivita(2, 7, 1);
        QCOMPARE(NumeroAttivita, qint16(2));
        QCOMPARE(AttivitaEseguite[1][1], QStringLiteral("2"));
        QVERIFY(IniziaAttivita(QStringLiteral("Insiemi")));
        QCOMPARE(NumeroAttivita, qint16(3));
        QVERIFY(AttivitaEseguite[2][0].isEmpty()); // one empty row between two exercises
        while (NumeroAttivita < kRigheAttivita - 1)
            ScriviRisultatoAttivita(1, 0, 0);
        QVERIFY(IniziaAttivita(QStringLiteral("Insiemi")));
        ScriviRisultatoAttivita(2, 5, 1); // row 500, the last
        ScriviRisultatoAttivita(3, 1, 1);
        QVERIFY(!IniziaAttivita(QStringLiteral("Vero - falso")));
        ScriviRisultatoAttivita(4, 2, 2);
        QCOMPARE(NumeroAttivita, qint16(kRigheAttivita + 4));
        QCOMPARE(AttivitaEseguite[kRigheAttivita][0], QStringLiteral("Insiemi"));
        QCOMPARE(AttivitaEseguite[kRigheAttivita][1], QStringLiteral("2"));
        QCOMPARE(AttivitaEseguite[kRigheAttivita][3], QStringLiteral("1"));
        NumeroAttivita = std::numeric_limits<qint16>::max();
        ScriviRisultatoAttivita(1, 0, 0); // the counter never wraps into the table
        QCOMPARE(NumeroAttivita, std::numeric_limits<qint16>::max());
        SvuotaAttivita();
        QCOMPARE(NumeroAttivita, qint16(0));
        QVERIFY(AttivitaEseguite[1][0].isEmpty());
        QVERIFY(AttivitaEseguite[500][1].isEmpty());
    }
};

ZANFRONI_TEST_MAIN(TestRidimensiona)
#include "tst_ridimensiona.moc"
