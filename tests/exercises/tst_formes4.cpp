#include "AmbienteEsercizi.h"
#include "Estrazioni.h"
#include "exercises/sentences/FormEs4.h"
#include "platform/MovieView.h"
#include "platform/VbColor.h"

namespace {
QColor riga(int r) { return VbColor::fromHex6(Profilo.Colori[r][0]); }
MovieView *clown(QWidget *s) { return s->findChild<MovieView *>(QStringLiteral("ShockwaveFlash1")); }
// The fill and the outline objects of a part the movie is told about (the hair stands for the tuft too).
const char *const kOggetti[8] = {nullptr, "cappello", "capelli", "camicia", "gile", "bottoni", "pantaloni", "scarpe"};
QColor riempimento(QWidget *s, int k) { return clown(s)->fillOf(QString::fromLatin1(kOggetti[k]) + QStringLiteral(".interno")); }
QColor contorno(QWidget *s, int k) { return clown(s)->fillOf(QString::fromLatin1(kOggetti[k]) + QStringLiteral(".contorno")); }
bool giusto(const RegoleColora &r, int k, int colore) { return colore > 0 && r.ColoriAmmessi[k][colore]; }
} // namespace

class TestFormEs4 : public QObject
{
    Q_OBJECT
    std::unique_ptr<AmbienteEsercizi> amb;

    FormEs4 *apri() { return amb->apri<FormEs4>(QStringLiteral("FormEs4"), QStringLiteral("Colora il zanfrone")); }

    // Mouse: clicks on part k until it has a colour that makes its sentence true (or false).
    static void clicca(FormEs4 *s, int k, bool voluto = true)
    {
        for (int i = 0; i < 4; ++i) {
            emit clown(s)->FSCommand(QString::number(k), QString());
            if (giusto(s->regole(), k, s->regole().ColoreDato[k]) == voluto)
                return;
        }
        QFAIL("no colour gives the wanted answer");
    }
    // Scanning: steps the outlined part's colour until it is right (or wrong).
    static void passa(FormEs4 *s, Qt::Key passo, bool voluto = true)
    {
        const int k = s->regole().ParteCorrente;
        for (int i = 0; i < 4; ++i) {
            tasto(s, passo);
            if (giusto(s->regole(), k, s->regole().ColoreDato[k]) == voluto)
                return;
        }
        QFAIL("no colour gives the wanted answer");
    }

private slots:
    void init() { amb = std::make_unique<AmbienteEsercizi>(); }
    void cleanup() { amb.reset(); }

    void mouseOneSentenceAtATime()
    {
        // Bucket hidden; hat green, hair red, shirt blue, waistcoat yellow, buttons green, trousers
        // red, shoes blue; the shirt's sentence first.
        Rnd::Script({d(0, 2), d(0, 4), d(1, 4), d(2, 4), d(3, 4), d(0, 4), d(1, 4), d(2, 4), d(2, 7)});
        QPointer<FormEs4> s = apri();
        QVERIFY(s);
        QCOMPARE(Rnd::ScriptLeft(), 0);
        Rnd::ClearScript();
        QVERIFY(!clown(s)->isShown(QStringLiteral("secchio")) && clown(s)->isShown(QStringLiteral("cappello")));
        QCOMPARE(riempimento(s, 3), QColor(0xCC, 0xCC, 0xCC));
        QCOMPARE(frase(s), QStringLiteral("La camicia è blu."));

        // Checking before the part has a colour does nothing.
        QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti 0Errati 0"));

        // Anything but a part's row is ignored and does not move the colour.
        for (const char *c : {"", "x", "8", "-1", "0", "2.5"})
            emit clown(s)->FSCommand(QString::fromLatin1(c), QString());
        emit clown(s)->FSCommand(QStringLiteral("2"), QString());
        QCOMPARE(riempimento(s, 2), riga(1));
        QCOMPARE(clown(s)->fillOf(QStringLiteral("ciuffo.interno")), riga(1)); // the tuft with the hair
        // Every click moves the colour on, whichever part it hits: the shirt gets red, then blue.
        emit clown(s)->FSCommand(QStringLiteral("3"), QString());
        QCOMPARE(riempimento(s, 3), riga(2));
        QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 1"));
        QCOMPARE(frase(s), QStringLiteral("La camicia è blu.")); // the sentence stays
        emit clown(s)->FSCommand(QStringLiteral("3"), QString());
        QCOMPARE(riempimento(s, 3), riga(3));
        QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 1"));
        QVERIFY(frase(s) != QStringLiteral("La camicia è blu."));
        // The shirt is closed now: a click on it only moves the colour.
        emit clown(s)->FSCommand(QStringLiteral("3"), QString());
        QCOMPARE(riempimento(s, 3), riga(3));
        QCOMPARE(s->regole().ColoreCorrente, 4);

        // The other six; the colours given meanwhile to other parts are judged when their turn comes.
        for (int n = 0; n < 6; ++n) {
            const int k = s->regole().ParteCorrente;
            clicca(s, k);
            QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        }
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 7"));
        QVERIFY(frase(s).startsWith(QStringLiteral("Il cappello è verde.\nI capelli sono rossi.")));
        QTest::mouseClick(pulsante(s, 1), Qt::LeftButton);
        QVERIFY(pulsante(s, 0)->isEnabled() && !pulsante(s, 1)->isEnabled());
        QCOMPARE(riempimento(s, 3), QColor(0xCC, 0xCC, 0xCC));
    }

    void mouseWholeClownAtLevelsFourToSix()
    {
        Profilo.TipoCarattere = QStringLiteral("maiuscolo");
        QPointer<FormEs4> s = apri();
        QVERIFY(s);
        s->mnuLiv_Click(4);
        QVERIFY(frase(s).contains(QStringLiteral("IL GILÈ È ")));

        // The third part still grey: parts 1 and 2 are judged, the wrong one counted, silently.
        clicca(s, 1);
        clicca(s, 2, false);
        QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 1"));
        QVERIFY(amb->suoni.suonati.isEmpty());
        QVERIFY(!s->regole().Aperta(1));

        // Five right, two wrong: two errors and the failure sound.
        for (int k = 2; k <= 5; ++k)
            clicca(s, k);
        clicca(s, 6, false);
        clicca(s, 7, false);
        QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 3"));
        QCOMPARE(amb->suonati("suoni/no"), 1);
        // Recoloured, the whole clown is right: seven at once.
        clicca(s, 6);
        clicca(s, 7);
        QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 7"));
        QCOMPARE(amb->suonati("suoni/si"), 1);
    }

    void manualScanningOutlinesOnePartAtATime()
    {
        Profilo.ModalitaInput = 1;
        QPointer<FormEs4> s = apri();
        QVERIFY(s);
        int k = s->regole().ParteCorrente;
        QCOMPARE(contorno(s, k), evidenza());
        QCOMPARE(frase(s), s->regole().Frasi[k]);

        // Clicks count only with the mouse; Enter before the first step does nothing.
        emit clown(s)->FSCommand(QString::number(k), QString());
        QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        tasto(s, Qt::Key_Return);
        QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti 0Errati 0"));
        QCOMPARE(riempimento(s, k), QColor(0xCC, 0xCC, 0xCC));

        // The first step paints the outlined part in row 1.
        tasto(s, Qt::Key_Space);
        QCOMPARE(riempimento(s, k), riga(1));
        passa(s, Qt::Key_Space, false);
        const int sbagliato = s->regole().ColoreDato[k];
        tasto(s, Qt::Key_Return);
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 1"));
        QCOMPARE(contorno(s, k), evidenza()); // still outlined, still the wrong colour
        QCOMPARE(riempimento(s, k), riga(sbagliato));
        passa(s, Qt::Key_Space);
        tasto(s, Qt::Key_Return);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 1"));
        QCOMPARE(contorno(s, k), QColor(Qt::black));
        const int prossima = s->regole().ParteCorrente;
        QVERIFY(prossima != k);
        QCOMPARE(contorno(s, prossima), evidenza());

        // A level chosen in the middle takes the outline away; the next exercise outlines its own part.
        s->mnuLiv_Click(2);
        QCOMPARE(contorno(s, prossima), QColor(Qt::black));
        QCOMPARE(contorno(s, s->regole().ParteCorrente), evidenza());

        // Seven right parts: all sentences listed, the highlight on the new-exercise button.
        for (int n = 0; n < 7; ++n) {
            passa(s, Qt::Key_Space);
            tasto(s, Qt::Key_Return);
        }
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 7"));
        QCOMPARE(pulsante(s, 1)->sfondo(), evidenza());
        const QString fine = frase(s);
        tasto(s, Qt::Key_Space); // no more colours
        QCOMPARE(s->regole().ColoreCorrente, RegoleColora::kFinito);
        tasto(s, Qt::Key_Return);
        QVERIFY(frase(s) != fine);
        QCOMPARE(pulsante(s, 0)->sfondo(), evidenza());
    }

    void keyboardAtLevelFourCountsEachPart()
    {
        Profilo.ModalitaInput = 3;
        QPointer<FormEs4> s = apri();
        QVERIFY(s);
        s->mnuLiv_Click(4);
        const QStringList righe = frase(s).split(QLatin1Char('\n'));
        // Every arrow steps the colour forward.
        const int k = s->regole().ParteCorrente;
        QCOMPARE(contorno(s, k), evidenza());
        const Qt::Key frecce[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
        for (int i = 0; i < 4; ++i) {
            tasto(s, frecce[i]);
            QCOMPARE(s->regole().ColoreDato[k], i + 1);
        }
        QList<int> ordine;
        for (int n = 0; n < 7; ++n) {
            ordine << s->regole().ParteCorrente;
            passa(s, n % 2 ? Qt::Key_Left : Qt::Key_Down);
            tasto(s, Qt::Key_Return);
            QCOMPARE(pannello(s, 1), QStringLiteral("Esatti %1").arg(n + 1)); // one for each part
        }
        std::sort(ordine.begin(), ordine.end());
        QCOMPARE(ordine, QList<int>({1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(frase(s).split(QLatin1Char('\n')), righe); // the sentences stay as they were shown
    }

    void automaticScanningStepsWithTheTimer()
    {
        Profilo.ModalitaInput = 2;
        Profilo.VelocitaScansione = 8;
        QPointer<FormEs4> s = apri();
        QVERIFY(s);
        QVERIFY(timer1(s)->isActive());
        QCOMPARE(timer1(s)->interval(), 2000);
        for (int n = 0; n < 7; ++n) {
            const int k = s->regole().ParteCorrente;
            for (int i = 0; i < 4 && !giusto(s->regole(), k, s->regole().ColoreDato[k]); ++i)
                s->Timer1_Timer();
            QTest::keyPress(s, Qt::Key_Space);
            QVERIFY(!timer1(s)->isActive()); // the colour holds while the switch is down
            QTest::keyRelease(s, Qt::Key_Space);
            QVERIFY(timer1(s)->isActive());
        }
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 7"));
        s->Timer1_Timer(); // resting on the new-exercise button: no colour steps
        QCOMPARE(s->regole().ColoreCorrente, RegoleColora::kFinito);
        tasto(s, Qt::Key_Space);
        QCOMPARE(s->regole().ColoreCorrente, 0);
        QCOMPARE(riempimento(s, s->regole().ParteCorrente), QColor(0xCC, 0xCC, 0xCC));
    }

    void automaticLevelsAndActivityRows()
    {
        Profilo.PassaggioLivelli = true;
        QPointer<FormEs4> s = apri();
        QVERIFY(s);
        // Two whole clowns at level 1 give 14 right: the next exercise is at level 2.
        for (int n = 0; n < 14; ++n) {
            clicca(s, s->regole().ParteCorrente);
            QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
            if (pulsante(s, 1)->isEnabled())
                QTest::mouseClick(pulsante(s, 1), Qt::LeftButton);
        }
        QCOMPARE(s->Livello(), 2);
        QCOMPARE(AttivitaEseguite[1][1] + AttivitaEseguite[1][2] + AttivitaEseguite[1][3], QStringLiteral("1140"));
        // Five errors, then the rest of the exercise: one level down at the next one.
        for (int n = 0; n < 5; ++n) {
            clicca(s, s->regole().ParteCorrente, false);
            QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        }
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 5"));
        while (!pulsante(s, 1)->isEnabled()) {
            clicca(s, s->regole().ParteCorrente);
            QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        }
        QCOMPARE(s->Livello(), 2); // a level lasts whole exercises
        QTest::mouseClick(pulsante(s, 1), Qt::LeftButton);
        QCOMPARE(s->Livello(), 1);
        QCOMPARE(AttivitaEseguite[2][1] + AttivitaEseguite[2][2] + AttivitaEseguite[2][3], QStringLiteral("275"));
    }
};

QTEST_MAIN(TestFormEs4)
#include "tst_formes4.moc"
