#include "AmbienteEsercizi.h"
#include "exercises/sentences/FormEs5.h"
#include "platform/Assistant.h"
#include "platform/MovieView.h"
#include "platform/VbColor.h"

#include <QAction>
#include <QMenu>

class TestFormEs5 : public QObject
{
    Q_OBJECT
    std::unique_ptr<AmbienteEsercizi> amb;

    FormEs5 *apri() { return amb->apri<FormEs5>(QStringLiteral("FormEs5"), QStringLiteral("Insiemi")); }
    static MovieView *grande(QWidget *s) { return s->findChild<MovieView *>(QStringLiteral("ShockwaveFlash1")); }
    static int piccoliVisibili(FormEs5 *s, int insieme)
    {
        int n = 0;
        for (int i = 0; i < InsiemiZanfroni::kPosti; ++i)
            n += s->piccolo(insieme, i)->isVisibleTo(s) ? 1 : 0;
        return n;
    }
    static QColor riempimento(MovieView *m, const char *parte) { return m->fillOf(QString::fromLatin1(parte)); }

    // Chooses answer `indice` in the present input mode.
    static void scegli(FormEs5 *s, int indice)
    {
        switch (Profilo.ModalitaInput) {
        case 0: QTest::mouseClick(pulsante(s, indice), Qt::LeftButton); break;
        case 2:
            for (int i = 0; i < 3 && s->IndiceScansione() != indice; ++i)
                s->Timer1_Timer();
            QCOMPARE(s->IndiceScansione(), indice);
            tasto(s, Qt::Key_Space);
            break;
        default:
            for (int i = 0; i < 3 && s->IndiceScansione() != indice; ++i)
                tasto(s, Profilo.ModalitaInput == 1 ? Qt::Key_Space : Qt::Key_Right);
            QCOMPARE(s->IndiceScansione(), indice);
            tasto(s, Qt::Key_Return);
        }
    }
    // Answers rightly until one set is full; returns the number of answers.
    static int riempi(FormEs5 *s)
    {
        int n = 0;
        while (!s->insiemi().pieno() && n < 30) {
            scegli(s, s->frasi().Risposta);
            ++n;
        }
        return n;
    }

private slots:
    void init() { amb = std::make_unique<AmbienteEsercizi>(); }
    void cleanup() { amb.reset(); }

    void mouseFillsTheSetsAndEndsTheExercise()
    {
        QPointer<FormEs5> s = apri();
        QVERIFY(s);
        QVERIFY(amb->voce.frasi.last().testo.endsWith(frase(s)));
        QVERIFY(pulsante(s, 0)->haImmagine() && pulsante(s, 1)->haImmagine());
        QVERIFY(!pulsante(s, 2)->isEnabled());

        // A wrong answer changes nothing but the count; the same clown may be answered again.
        const Aspetto primo = s->frasi().aspetto;
        const int giusta = s->frasi().Risposta;
        scegli(s, 1 - giusta);
        scegli(s, 1 - giusta);
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 2"));
        QCOMPARE(amb->suonati("suoni/no"), 2);
        QVERIFY(s->frasi().aspetto == primo);

        // The right answer copies the clown into its set and draws the next one for the same sentence.
        const QString domanda = frase(s);
        scegli(s, giusta);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 1"));
        MovieView *posto = s->piccolo(giusta, 0);
        QVERIFY(posto->isVisibleTo(s));
        QCOMPARE(piccoliVisibili(s, 1 - giusta), 0);
        QCOMPARE(riempimento(posto, "gile.interno"), VbColor::fromHex6(Profilo.Colori[primo[4]][0]));
        QCOMPARE(frase(s), domanda);
        QVERIFY(pulsante(s, 0)->isEnabled() && pulsante(s, 1)->isEnabled() && !pulsante(s, 2)->isEnabled());

        // Up to ten in one set: the clowns fill it in order, then the exercise is over.
        riempi(s);
        const int pieno = s->insiemi().NumeroSi == 10 ? 0 : 1;
        QCOMPARE(piccoliVisibili(s, pieno), 10);
        QVERIFY(!pulsante(s, 0)->isEnabled() && !pulsante(s, 1)->isEnabled() && pulsante(s, 2)->isEnabled());
        const QString esatti = pannello(s, 1);
        QTest::mouseClick(pulsante(s, pieno), Qt::LeftButton); // no eleventh place
        QCOMPARE(pannello(s, 1), esatti);

        // The new exercise empties both sets before the next sentence.
        QTest::mouseClick(pulsante(s, 2), Qt::LeftButton);
        QCOMPARE(piccoliVisibili(s, 0) + piccoliVisibili(s, 1), 0);
        QVERIFY(grande(s)->isVisibleTo(s));
        QCOMPARE(pannello(s, 1), esatti); // counters run on within the level
    }

    void scanningModesKeepTheHighlightAndRestOnNewExercise_data()
    {
        QTest::addColumn<int>("modo");
        for (int m = 1; m <= 3; ++m)
            QTest::addRow("mode %d", m) << m;
    }
    void scanningModesKeepTheHighlightAndRestOnNewExercise()
    {
        QFETCH(int, modo);
        Profilo.ModalitaInput = qint16(modo);
        QPointer<FormEs5> s = apri();
        QVERIFY(s);
        QCOMPARE(pulsante(s, 0)->sfondo(), evidenza());
        QTest::mouseClick(pulsante(s, s->frasi().Risposta), Qt::LeftButton); // clicks count only with the mouse
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 0"));

        const int giusta = s->frasi().Risposta;
        scegli(s, 1 - giusta);
        QCOMPARE(s->IndiceScansione(), 1 - giusta); // a wrong answer leaves the highlight
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 1"));
        scegli(s, giusta);
        QCOMPARE(s->IndiceScansione(), giusta); // and so does a right one that leaves room

        const int risposte = riempi(s);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti %1").arg(risposte + 1));
        QCOMPARE(s->IndiceScansione(), 2);
        // Stepping keys and the timer leave it there.
        if (modo == 2)
            s->Timer1_Timer();
        else
            tasto(s, modo == 1 ? Qt::Key_Space : Qt::Key_Left);
        QCOMPARE(s->IndiceScansione(), 2);

        const int detti = amb->voce.frasi.size();
        tasto(s, modo == 2 ? Qt::Key_Space : Qt::Key_Return);
        QCOMPARE(s->IndiceScansione(), 0);
        QCOMPARE(piccoliVisibili(s, 0) + piccoliVisibili(s, 1), 0);
        QCOMPARE(amb->voce.frasi.size(), detti + 1);
    }

    void levelsChangeOnlyBetweenExercises()
    {
        Profilo.PassaggioLivelli = true;
        QPointer<FormEs5> s = apri();
        QVERIFY(s);
        QVERIFY(!s->findChild<QMenu *>(QStringLiteral("mnuLivelli"))->menuAction()->isVisible());
        // Twenty right answers or more: the level stays until the new-exercise button.
        int esatti = 0;
        while (esatti < 20) {
            esatti += riempi(s);
            QCOMPARE(s->Livello(), 1);
            QTest::mouseClick(pulsante(s, 2), Qt::LeftButton);
        }
        QCOMPARE(s->Livello(), 2);
        QCOMPARE(AttivitaEseguite[1][2], QString::number(esatti));
    }

    void aLevelFromTheMenuStartsANewExerciseAndFreesTheHighlight()
    {
        Profilo.ModalitaInput = 1;
        Profilo.TipoCarattere = QStringLiteral("maiuscolo");
        Profilo.ParlatoAttivo = false;
        QPointer<FormEs5> s = apri();
        QVERIFY(s);
        QVERIFY(!s->Merlino()->Visible());
        QVERIFY(amb->voce.frasi.isEmpty()); // the hidden assistant is silent
        QVERIFY(pulsante(s, 0)->haImmagine() && pulsante(s, 1)->haImmagine()); // thumbs with speech off too
        riempi(s);
        QCOMPARE(s->IndiceScansione(), 2);
        QAction *quattro = s->findChild<QAction *>(QStringLiteral("mnuLiv_4"));
        QCOMPARE(quattro->shortcut(), QKeySequence(Qt::Key_F4));
        quattro->trigger();
        QCOMPARE(pannello(s, 3), QStringLiteral("Livello 4"));
        QVERIFY(frase(s).startsWith(QStringLiteral("O HA ")));
        // The highlight is back on the answers: the switch answers the new sentence.
        QCOMPARE(s->IndiceScansione(), 0);
        tasto(s, Qt::Key_Space);
        QCOMPARE(s->IndiceScansione(), 1);
    }
};

QTEST_MAIN(TestFormEs5)
#include "tst_formes5.moc"
