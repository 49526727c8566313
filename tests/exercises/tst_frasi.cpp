#include "Estrazioni.h"
#include "exercises/frame/CursoreScansione.h"
#include "exercises/frame/Livelli.h"
#include "exercises/frame/Premio.h"
#include "exercises/sentences/FrasiUgualeDiverso.h"
#include "exercises/sentences/FrasiVeroFalso.h"
#include "platform/Rnd.h"
#include "shell/Attivita.h"
#include "shell/Profilo.h"

#include <QtTest>

class TestFrasi : public ProvaRegole
{
    Q_OBJECT

    QString vf(int livello, const std::vector<double> &disegno, const std::vector<double> &frase, int *risposta = nullptr)
    {
        FrasiVeroFalso f;
        servizi->caso.copione(disegno + frase);
        f.ImpostaColori();
        f.ScriviFrase(livello);
        if (risposta)
            *risposta = f.Risposta;
        return TuttoUsato(servizi->caso, f.Frase);
    }

private slots:
    void veroFalsoSentences()
    {
        int r = -1;
        // Level 1, false: a colour drawn until it differs from the shirt's (blue), feminine singular.
        QCOMPARE(vf(1, clown(1, 1), {d(1, 2), d(2, 9), d(2, 4), d(1, 4)}, &r), QStringLiteral("La camicia è rossa"));
        QCOMPARE(r, 1);
        // Level 2, true negative: never the real colour; feminine plural for the shoes.
        QCOMPARE(vf(2, clown(1, 1), {d(0, 2), d(6, 9), d(2, 4), d(3, 4)}, &r), QStringLiteral("Le scarpe non sono gialle"));
        QCOMPARE(r, 0);
        // Level 3: the coin chooses the form after the part.
        QCOMPARE(vf(3, clown(1, 1), {d(0, 2), d(5, 9), d(0, 2)}), QStringLiteral("I pantaloni sono rossi"));
        // The hat hidden: its colour is never asked (part 1 drawn again), its presence may be.
        QCOMPARE(vf(1, clown(1, 0), {d(0, 2), d(0, 9), d(0, 9), d(8, 9)}), QStringLiteral("Il zanfrone è senza cappello"));
        // Level 4 false: the second part drawn again while equal to the first; truths drawn again
        // while both true; then the false colour of the second clause.
        QCOMPARE(vf(4, clown(1, 1), {d(1, 2), d(3, 9), d(3, 9), d(6, 9), d(0, 2), d(0, 2), d(0, 2), d(1, 2), d(2, 4), d(3, 4)},
                    &r),
                 QStringLiteral("Il gilè è giallo e le scarpe sono gialle"));
        QCOMPARE(r, 1);
        // Level 5: both negative, whole clauses of the bucket in lower case.
        QCOMPARE(vf(5, clown(1, 1), {d(1, 2), d(7, 9), d(1, 9), d(1, 2), d(1, 2)}),
                 QStringLiteral("Il zanfrone non ha il secchio e i capelli non sono rossi"));
        // Level 6: a coin per clause, in the order of the clauses.
        QCOMPARE(vf(6, clown(1, 1), {d(0, 2), d(2, 9), d(5, 9), d(1, 2), d(2, 4), d(0, 4), d(0, 2)}),
                 QStringLiteral("La camicia non è verde e i pantaloni sono rossi"));
    }

    void colourWordsAreTheUsersInTheAgreeingColumn()
    {
        Profilo.Colori[2][1] = QStringLiteral("Cremisi");
        Profilo.Colori[2][3] = QStringLiteral("scarlatta");
        Profilo.Colori[2][4] = QStringLiteral("scarlatte");
        QCOMPARE(vf(1, clown(1, 1), {d(1, 2), d(3, 9), d(1, 4)}), QStringLiteral("Il gilè è Cremisi"));
        QCOMPARE(vf(4, clown(1, 1), {d(1, 2), d(2, 9), d(6, 9), d(1, 2), d(1, 2), d(1, 4), d(1, 4)}),
                 QStringLiteral("La camicia è scarlatta e le scarpe sono scarlatte"));
    }

    // Rows that look or read alike to the child are one colour: never named as another.
    void coloursAlikeAreNeverToldApart()
    {
        for (int col = 1; col <= 4; ++col) // blue renamed "verde", like row 1
            Profilo.Colori[3][col] = Profilo.Colori[1][col];
        Profilo.Colori[4][0] = Profilo.Colori[2][0]; // yellow painted red, like row 2
        // A false clause about the green hat passes over row 3, a true negative about the red hair
        // over row 4 and the hair's own row.
        QCOMPARE(vf(1, clown(1, 1), {d(1, 2), d(0, 9), d(2, 4), d(1, 4)}), QStringLiteral("Il cappello è rosso"));
        QCOMPARE(vf(2, clown(1, 1), {d(0, 2), d(1, 9), d(3, 4), d(1, 4), d(0, 4)}), QStringLiteral("I capelli non sono verdi"));
        // A hat called different from a red one is drawn again past row 4.
        FrasiUgualeDiverso u;
        servizi->caso.copione({d(1, 2), d(1, 4), d(3, 4), d(0, 4)});
        u.ImpostaColori();
        QCOMPARE(servizi->caso.rimasti(), 0);
        QCOMPARE(u.aspetto[1][Parti::Cappello], 1);
        // Through a chain too: green "verde", green "blu", blue "blu". A false clause about the green
        // hat passes over rows 2 and 3.
        Profilo = ProfiloUtente();
        Profilo.Colori[2][0] = Profilo.Colori[1][0];
        for (int col = 1; col <= 4; ++col)
            Profilo.Colori[2][col] = Profilo.Colori[3][col];
        QCOMPARE(vf(1, clown(1, 1), {d(1, 2), d(0, 9), d(1, 4), d(2, 4), d(3, 4)}), QStringLiteral("Il cappello è giallo"));

        // Every row the same colour: no colour is asked, no pair called different.
        for (int riga = 2; riga <= 4; ++riga)
            Profilo.Colori[riga][0] = Profilo.Colori[1][0];
        servizi->caso.copione({});
        FrasiVeroFalso f;
        f.ImpostaColori();
        for (int n = 0; n < 50; ++n)
            QVERIFY(f.ScegliParte() >= Parti::Secchio);
        u.ImpostaColori();
        for (int i = 1; i <= Parti::kColorate; ++i)
            QCOMPARE(u.Diverso[i][0], 0);
    }

    void ugualeDiversoPairAndSentences()
    {
        FrasiUgualeDiverso f;
        // Parts 1..7: differs?, left colour, [right colour drawn until different]; then buckets and hats.
        servizi->caso.copione({d(1, 2), d(0, 4), d(0, 4), d(2, 4), // hat differs: green / blue
                     d(0, 2), d(1, 4),                   // hair same, red
                     d(1, 2), d(3, 4), d(0, 4),          // shirts differ: yellow / green
                     d(0, 2), d(2, 4), d(0, 2), d(0, 4), d(0, 2), d(1, 4), d(1, 2), d(3, 4), d(2, 4),
                     d(1, 2), d(0, 2), d(1, 2), d(1, 2)}); // left: bucket, no hat; right: bucket and hat
        f.ImpostaColori();
        QCOMPARE(servizi->caso.rimasti(), 0);
        QCOMPARE(f.aspetto[1][1], 3);

        // Level 1: the hats are skipped (one clown has none); shirts differ: "diverse" is right.
        servizi->caso.copione({d(0, 7), d(2, 7)});
        f.ScriviFrase(1);
        QCOMPARE(f.Frase + f.Didascalia[0] + QLatin1Char('/') + f.Didascalia[1], QStringLiteral("Le camicie sono uguali/diverse"));
        QVERIFY(f.Giusta(1) && !f.Giusta(0));
        // Level 2: a part already asked is drawn again; the same hair made negative: "diversi" is right.
        servizi->caso.copione({d(2, 7), d(1, 7)});
        f.ScriviFrase(2);
        QCOMPARE(f.Frase + f.Didascalia[1], QStringLiteral("I capelli non sono diversi"));
        QVERIFY(f.Giusta(1));
        // Level 3: an odd draw of ten is negative, an even one positive.
        servizi->caso.copione({d(3, 10), d(6, 7)});
        f.ScriviFrase(3);
        QCOMPARE(f.Frase, QStringLiteral("Le scarpe non sono "));
        QVERIFY(f.Giusta(0)); // the shoes differ, the sentence is negative
        // Every askable part asked: the pair can still be asked about, never looping for ever.
        for (int i = 0; i < 10; ++i)
            f.ScriviFrase(1);
    }

    void levelPolicyAndRows()
    {
        SvuotaAttivita();
        IniziaAttivita(QStringLiteral("Vero - falso"));
        Livelli l(6, 7);
        const auto riga = [](int i) { return QStringList{AttivitaEseguite[i][1], AttivitaEseguite[i][2], AttivitaEseguite[i][3]}; };
        // Level 1, 5 wrong and 12 right: down impossible, up since 12 - 5 = 7.
        for (int i = 0; i < 5; ++i)
            l.sbagliata();
        for (int i = 0; i < 11; ++i)
            l.giusta();
        QVERIFY(!l.cambiaAutomatico());
        l.giusta();
        QVERIFY(l.cambiaAutomatico());
        QCOMPARE(l.livello(), 2);
        QCOMPARE(l.esatti(), 0LL);
        QCOMPARE(riga(1), (QStringList{"1", "12", "5"}));
        // At level 3, 5 wrong: one level down, one row.
        l.scegli(3);
        for (int i = 0; i < 5; ++i)
            l.sbagliata();
        QVERIFY(l.cambiaAutomatico());
        QCOMPARE(l.livello(), 2);
        QCOMPARE(AttivitaEseguite[3][1], QStringLiteral("3"));
        // At the top level nothing changes until the exercise is left.
        l.scegli(6);
        for (int i = 0; i < 9; ++i)
            l.giusta();
        QVERIFY(!l.cambiaAutomatico());
        QCOMPARE(NumeroAttivita, qint16(5));
        l.esci();
        QCOMPARE(riga(5).mid(0, 2), (QStringList{"6", "9"}));
        SvuotaAttivita();
    }

    void scanOrderRewardsAndIntervals()
    {
        CursoreScansione c;
        c.imposta(3, 2);
        auto aperta = [](int i) { return i != 2; };
        QVERIFY(c.avanti(aperta) && c.avanti(aperta)); // the disabled next button is passed over
        QCOMPARE(c.indice(), 0);
        QVERIFY(c.indietro(aperta)); // back from 0 wraps to 2, disabled, then 1
        QCOMPARE(c.indice(), 1);
        c.vaiA(2);
        QVERIFY(!c.avanti([](int) { return true; })); // on the next button the highlight stays
        QCOMPARE(c.indice(), 2);

        ContaPremio p;
        QList<int> premi;
        for (int i = 1; i <= 30; ++i)
            if (p.giusta())
                premi << i;
        QCOMPARE(premi, (QList<int>{10, 20, 30}));

        QCOMPARE(Scansione::intervallo(0), 1000);
        QCOMPARE(Scansione::intervallo(32767), 15000);
    }
};

ZANFRONI_TEST_MAIN(TestFrasi)
#include "tst_frasi.moc"
