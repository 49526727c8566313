#include "AmbienteEsercizi.h"
#include "Estrazioni.h"
#include "exercises/sentences/FormEs4.h"
#include "platform/MovieView.h"
#include "platform/VbColor.h"

namespace {
QColor riga(int r) { return VbColor::fromHex6(Profilo.Colori[r][0]); }
// The fill and the outline objects of a part the movie is told about (the hair stands for the tuft too).
const char *const kOggetti[8] = {nullptr, "cappello", "capelli", "camicia", "gile", "bottoni", "pantaloni", "scarpe"};
QColor riempimento(QWidget *s, int k) { return filmato(s)->fillOf(QString::fromLatin1(kOggetti[k]) + QStringLiteral(".interno")); }
QColor contorno(QWidget *s, int k) { return filmato(s)->fillOf(QString::fromLatin1(kOggetti[k]) + QStringLiteral(".contorno")); }
bool giusto(const RegoleColora &r, int k, int colore) { return colore > 0 && r.ColoriAmmessi[k][colore]; }
} // namespace

class TestFormEs4 : public ProvaConAmbiente<AmbienteEsercizi>
{
    Q_OBJECT

    FormEs4 *apri() { return amb->apri<FormEs4>(); }

    // Mouse: clicks on part k until it has a colour that makes its sentence true (or false).
    static void clicca(FormEs4 *s, int k, bool voluto = true)
    {
        for (int i = 0; i < 4; ++i) {
            emit filmato(s)->FSCommand(QString::number(k), QString());
            if (giusto(s->regole(), k, s->regole().ColoreDato[k]) == voluto)
                return;
        }
        QFAIL("no colour gives the wanted answer");
    }
    // Colours the part being asked so that its sentence is true (or false), by clicks or steps of
    // the scan (in turn every arrow), and checks it in the present mode.
    static void rispondi(FormEs4 *s, bool voluto = true)
    {
        const Qt::Key frecce[] = {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down};
        const int k = s->regole().ParteCorrente;
        if (Profilo.ModalitaInput == ModoInput::Mouse) {
            clicca(s, k, voluto);
            QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
            return;
        }
        for (int i = 0; i < 4 && !(s->regole().ColoreDato[k] > 0 && giusto(s->regole(), k, s->regole().ColoreDato[k]) == voluto); ++i)
            passo(s, frecce[i]);
        QCOMPARE(giusto(s->regole(), k, s->regole().ColoreDato[k]), voluto);
        conferma(s);
    }

private slots:
    void everyModeColoursAndChecksOnePartAtATime_data() { righeModi(); }
    void everyModeColoursAndChecksOnePartAtATime()
    {
        const int modo = modoDellaRiga();
        Profilo.VelocitaScansione = 8;
        QPointer<FormEs4> s = apri();
        QVERIFY(s);
        QCOMPARE(timerScansione(s)->isActive(), modo == 2);
        if (modo == 2)
            QCOMPARE(timerScansione(s)->interval(), 2000);
        const int k = s->regole().ParteCorrente;
        QCOMPARE(frase(s), s->regole().Frasi[k]);
        if (modo != 0) {
            QCOMPARE(contorno(s, k), evidenza());
            emit filmato(s)->FSCommand(QString::number(k), QString()); // clicks count only with the mouse
            QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        }
        // Checking before the part has a colour does nothing.
        modo ? conferma(s) : QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti 0Errati 0"));
        QCOMPARE(riempimento(s, k), QColor(0xCC, 0xCC, 0xCC));
        // The first step paints the part in row 1.
        modo ? passo(s) : emit filmato(s)->FSCommand(QString::number(k), QString());
        QCOMPARE(riempimento(s, k), riga(1));

        // A wrong colour: counted, the part stays asked; the right one closes it.
        rispondi(s, false);
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 1"));
        QCOMPARE(frase(s), s->regole().Frasi[k]);
        QCOMPARE(s->regole().ParteCorrente, k);
        rispondi(s);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 1"));
        QVERIFY(s->regole().ParteCorrente != k);
        if (modo != 0) {
            QCOMPARE(contorno(s, k), QColor(Qt::black));
            QCOMPARE(contorno(s, s->regole().ParteCorrente), evidenza());
        }

        // The other six: all sentences listed, then a new exercise with grey parts.
        for (int n = 0; n < 6; ++n)
            rispondi(s);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 7"));
        QCOMPARE(frase(s).count(QLatin1Char('\n')), 6);
        if (modo == 0) {
            QTest::mouseClick(pulsante(s, 1), Qt::LeftButton);
            QVERIFY(pulsante(s, 0)->isEnabled() && !pulsante(s, 1)->isEnabled());
        } else {
            QCOMPARE(pulsante(s, 1)->sfondo(), evidenza());
            passo(s); // resting on the new-exercise button: no more colours
            QCOMPARE(s->regole().ColoreCorrente, RegoleColora::kFinito);
            conferma(s);
            QCOMPARE(s->regole().ColoreCorrente, 0);
            QCOMPARE(pulsante(s, 0)->sfondo(), evidenza());
        }
        QCOMPARE(riempimento(s, s->regole().ParteCorrente), QColor(0xCC, 0xCC, 0xCC));
    }

    void mouseClicksMoveOneColourOnWhicheverPartTheyHit()
    {
        // Bucket hidden; hat green, hair red, shirt blue, waistcoat yellow, buttons green, trousers
        // red, shoes blue; the shirt's sentence first.
        amb->caso.copione({d(0, 2), d(0, 4), d(1, 4), d(2, 4), d(3, 4), d(0, 4), d(1, 4), d(2, 4), d(2, 7)});
        QPointer<FormEs4> s = apri();
        QVERIFY(s);
        QCOMPARE(amb->caso.rimasti(), 0);
        amb->caso.copione({});
        QVERIFY(!filmato(s)->isShown(QStringLiteral("secchio")) && filmato(s)->isShown(QStringLiteral("cappello")));
        QCOMPARE(frase(s), QStringLiteral("La camicia è blu."));
        // Anything but a part's row is ignored and does not move the colour.
        for (const char *c : {"", "x", "8", "-1", "0", "2.5"})
            emit filmato(s)->FSCommand(QString::fromLatin1(c), QString());
        emit filmato(s)->FSCommand(QStringLiteral("2"), QString());
        QCOMPARE(riempimento(s, 2), riga(1));
        QCOMPARE(filmato(s)->fillOf(QStringLiteral("ciuffo.interno")), riga(1)); // the tuft with the hair
        emit filmato(s)->FSCommand(QStringLiteral("3"), QString());
        emit filmato(s)->FSCommand(QStringLiteral("3"), QString());
        QCOMPARE(riempimento(s, 3), riga(3));
        QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 1"));
        // The shirt is closed now: a click on it only moves the colour.
        emit filmato(s)->FSCommand(QStringLiteral("3"), QString());
        QCOMPARE(riempimento(s, 3), riga(3));
        QCOMPARE(s->regole().ColoreCorrente, 4);
        // The hair keeps the colour of the first click until its turn comes: then it is judged.
        while (s->regole().ParteCorrente != 2)
            rispondi(s);
        QCOMPARE(riempimento(s, 2), riga(1));
        QTest::mouseClick(pulsante(s, 0), Qt::LeftButton);
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 1"));
    }

    void mouseWholeClownAtLevelsFourToSix()
    {
        Profilo.TipoCarattere = Lettere::Maiuscolo;
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

    void scanningAtLevelFourCountsEachPartAndALevelMovesTheOutline()
    {
        Profilo.ModalitaInput = ModoInput::Tastiera;
        QPointer<FormEs4> s = apri();
        QVERIFY(s);
        rispondi(s);
        s->mnuLiv_Click(4); // one part outlined: the new exercise's
        for (int k = 1; k <= 7; ++k)
            QCOMPARE(contorno(s, k).rgb(), (k == s->regole().ParteCorrente ? evidenza() : QColor(Qt::black)).rgb());
        const QStringList righe = frase(s).split(QLatin1Char('\n'));
        QList<int> ordine;
        for (int n = 0; n < 7; ++n) {
            ordine << s->regole().ParteCorrente;
            rispondi(s);
            QCOMPARE(pannello(s, 1), QStringLiteral("Esatti %1").arg(n + 1)); // one for each part
        }
        std::sort(ordine.begin(), ordine.end());
        QCOMPARE(ordine, QList<int>({1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(frase(s).split(QLatin1Char('\n')), righe); // the sentences stay as they were shown
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

ZANFRONI_TEST_MAIN(TestFormEs4)
#include "tst_formes4.moc"
