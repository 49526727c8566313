#include "Estrazioni.h"
#include "exercises/search/CoppiaDifferenze.h"
#include "platform/Rnd.h"
#include "platform/VbColor.h"
#include "shell/PittoreZanfrone.h"
#include "shell/Profilo.h"

#include <QtTest>

namespace {
QList<int> segnate(const CoppiaDifferenze &c)
{
    QList<int> r;
    for (int i = 0; i <= 9; ++i)
        if (c.Differenze[i])
            r << i;
    return r;
}
QList<int> diverse(const CoppiaDifferenze &c)
{
    QList<int> r;
    for (int i = 1; i <= 9; ++i)
        if (c.aspetto[0][i] != c.aspetto[1][i])
            r << i;
    return r;
}
} // namespace

class TestDifferenze : public ProvaRegole
{
    Q_OBJECT

    CoppiaDifferenze coppia(int livello, bool conMouse, bool secchioADestra, const std::vector<double> &estrazioni)
    {
        CoppiaDifferenze c;
        servizi->caso.copione(estrazioni);
        c.ImpostaColori(livello, conMouse, secchioADestra);
        if (servizi->caso.rimasti() != 0)
            QTest::qFail("draws left over", __FILE__, __LINE__);
        return c;
    }

private slots:
    void scriptedPairsWithTheMouse()
    {
        // Level 1: the shirt (row 3); its new colour is drawn again while it equals the old one.
        CoppiaDifferenze c = coppia(1, true, false, clown(1, 0) + std::vector<double>{d(2, 9), d(2, 4), d(0, 4)});
        QCOMPARE(segnate(c), QList<int>({3}));
        QCOMPARE(diverse(c), QList<int>({3}));

        // Level 2: the hat's colour puts the hat on both clowns and marks its presence too; a marked
        // row drawn again (9) is drawn anew (5, the buttons).
        c = coppia(2, true, false, clown(0, 0) + std::vector<double>{d(0, 9), d(3, 4), d(8, 9), d(4, 9), d(2, 4)});
        QCOMPARE(segnate(c), QList<int>({1, 5, 9}));
        QCOMPARE(diverse(c), QList<int>({1, 5}));

        // The hat's presence: exactly one clown wears it, and the hat's colour row is marked.
        c = coppia(1, true, false, clown(1, 1) + std::vector<double>{d(8, 9), d(1, 2), d(0, 2)});
        QCOMPARE(segnate(c), QList<int>({1, 9}));
        QCOMPARE(diverse(c), QList<int>({9}));
    }

    void scriptedPairsWhileScanning()
    {
        // Bucket and hat always on the first clown; rows come from 1..8 only.
        CoppiaDifferenze c = coppia(1, false, false, clown(0, 0) + std::vector<double>{d(7, 8), d(1, 2), d(0, 2)});
        QCOMPARE(segnate(c), QList<int>({8}));
        QCOMPARE(c.aspetto[1][Parti::Secchio], 0); // on the drawings' screen the bucket stays left

        // On the clowns' screen a bucket difference shows the bucket on the right clown.
        c = coppia(1, false, true, clown(1, 1) + std::vector<double>{d(7, 8), d(0, 2)});
        QCOMPARE(c.aspetto[1][Parti::Secchio], 1);
        QCOMPARE(diverse(c), QList<int>({8}));
    }

    // A changed part never looks or reads like the part it replaces.
    void differingPartsLookAndReadOtherwise()
    {
        Profilo.Colori[3][0] = Profilo.Colori[1][0]; // blue painted green
        Profilo.Colori[4][2] = Profilo.Colori[2][2]; // yellow hair called "rossi"
        // The blue shirt passes over green, the red hair over the yellow one called "rossi".
        CoppiaDifferenze c = coppia(1, true, false, clown(1, 0) + std::vector<double>{d(2, 9), d(0, 4), d(1, 4)});
        QCOMPARE(c.aspetto[1][Parti::Camicia], 2);
        c = coppia(1, true, false, clown(1, 0) + std::vector<double>{d(1, 9), d(3, 4), d(0, 4)});
        QCOMPARE(c.aspetto[1][Parti::Capelli], 1);

        // Every row painted alike: a colour cannot change visibly, so the bucket differs instead.
        for (int riga = 2; riga <= 4; ++riga)
            Profilo.Colori[riga][0] = Profilo.Colori[1][0];
        c = coppia(1, false, false, clown(0, 0) + std::vector<double>{d(2, 8), d(7, 8), d(0, 2)});
        QCOMPARE(segnate(c), QList<int>({8}));
        // Once bucket and hat differ, the colours are all that is left and still change.
        c = coppia(3, true, false, clown(0, 0) + std::vector<double>{d(7, 9), d(1, 2), d(8, 9), d(1, 2), d(4, 9), d(1, 4)});
        QCOMPARE(segnate(c), QList<int>({1, 5, 8, 9}));
    }

    void everyChangedColourLooksAndReadsOtherwise()
    {
        Profilo.Colori[3][0] = Profilo.Colori[1][0]; // blue painted green
        for (int col = 1; col <= 4; ++col)           // yellow named red
            Profilo.Colori[4][col] = Profilo.Colori[2][col];
        for (int seme = 1; seme <= 300; ++seme) {
            servizi->caso.seme(seme);
            CoppiaDifferenze c;
            c.ImpostaColori(seme % 4 + 1, seme % 3 != 0, false);
            for (int parte = 1; parte <= Parti::kColorate; ++parte) {
                const int a = c.aspetto[0][parte], b = c.aspetto[1][parte];
                if (a == b)
                    continue;
                const Accordo accordo = AccordoParte(parte);
                QVERIFY(CodiceColore(a) != CodiceColore(b));
                QVERIFY(ParolaColore(a, accordo) != ParolaColore(b, accordo));
            }
        }
    }

    void everyPairHasExactlyItsDifferences()
    {
        for (int seme = 1; seme <= 300; ++seme) {
            servizi->caso.seme(seme);
            const int livello = seme % 4 + 1;
            const bool conMouse = seme % 3 != 0;
            CoppiaDifferenze c;
            c.ImpostaColori(livello, conMouse, seme % 2 == 0);
            const QList<int> s = segnate(c);
            QVERIFY(!s.contains(0));
            QCOMPARE(s.contains(1), s.contains(9)); // hat colour and presence go together
            const int scelte = int(s.size()) - (s.contains(1) ? 1 : 0);
            QCOMPARE(scelte, livello);
            for (int i = 1; i <= 9; ++i)
                QVERIFY(c.Differenze[i] || c.aspetto[0][i] == c.aspetto[1][i]);
            // A marked hat pair differs in exactly one of its two rows.
            if (s.contains(1))
                QCOMPARE(int(c.aspetto[0][1] != c.aspetto[1][1]) + int(c.aspetto[0][9] != c.aspetto[1][9]), 1);
            if (!conMouse)
                QVERIFY(!diverse(c).contains(9));
        }
    }

    void judgingCopiesClearsAndCounts()
    {
        // Buttons (5) and the hat's presence (9, settled through the hat).
        CoppiaDifferenze c = coppia(2, true, false,
                                    clown(0, 1) + std::vector<double>{d(4, 9), d(3, 4), d(8, 9), d(0, 2)});
        QCOMPARE(segnate(c), QList<int>({1, 5, 9}));
        QVERIFY(!c.Giudica(2, 0, 1, true)); // never different

        // The left clown takes the right one's buttons.
        QVERIFY(c.Giudica(5, 1, 0, true));
        QCOMPARE(c.aspetto[0][5], 4);
        QVERIFY(!c.Giudica(5, 1, 0, true)); // found already
        QVERIFY(!c.Finita());

        // The hat brings its presence with it.
        QVERIFY(c.Giudica(1, 0, 1, true));
        QCOMPARE(c.aspetto[1][Parti::ConCappello], 1);
        QVERIFY(diverse(c).isEmpty());
        QCOMPARE(c.Trovate, 2);
        QVERIFY(c.Finita());
    }

    void scanningHighlightColour()
    {
        QCOMPARE(TrovaColoreScansione(255), QStringLiteral("FF0000"));
        QCOMPARE(TrovaColoreScansione(VbColor::ButtonFace), VbColor::toHex6(VbColor::toQColor(VbColor::ButtonFace))); // system colour shown
    }
};

ZANFRONI_TEST_MAIN(TestDifferenze)
#include "tst_differenze.moc"
