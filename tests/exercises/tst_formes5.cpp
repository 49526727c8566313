#include "AmbienteEsercizi.h"
#include "exercises/sentences/FormEs5.h"
#include "platform/Assistant.h"
#include "platform/MovieView.h"
#include "platform/VbColor.h"

#include <QAction>
#include <QMenu>

class TestFormEs5 : public ProvaConAmbiente<AmbienteEsercizi>
{
    Q_OBJECT

    FormEs5 *apri() { return amb->apri<FormEs5>(); }
    static int piccoliVisibili(FormEs5 *s, int insieme)
    {
        int n = 0;
        for (int i = 0; i < InsiemiZanfroni::kPosti; ++i)
            n += s->piccolo(insieme, i)->isVisibleTo(s) ? 1 : 0;
        return n;
    }
    static QColor riempimento(MovieView *m, const char *parte) { return m->fillOf(QString::fromLatin1(parte)); }

    // Answers rightly until one set is full; returns the number of answers.
    static int riempi(FormEs5 *s)
    {
        int n = 0;
        while (!s->insiemi().pieno() && n < 30 && rispondi(s, s->frasi().Risposta))
            ++n;
        return n;
    }

private slots:
    void everyModeFillsTheSetsAndEndsTheExercise_data() { righeModi(); }
    void everyModeFillsTheSetsAndEndsTheExercise()
    {
        const int modo = modoDellaRiga();
        QPointer<FormEs5> s = apri();
        QVERIFY(s);
        QVERIFY(amb->voce.frasi.last().testo.endsWith(frase(s)));
        QVERIFY(!pulsante(s, 2)->isEnabled());
        const Aspetto primo = s->frasi().aspetto;
        const int giusta = s->frasi().Risposta;
        if (modo != 0) {
            QTest::mouseClick(pulsante(s, giusta), Qt::LeftButton); // clicks count only with the mouse
            QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 0"));
        }

        // A wrong answer changes nothing but the count, and leaves the highlight where it is.
        QVERIFY(rispondi(s, 1 - giusta));
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 1"));
        QCOMPARE(amb->suonati("suoni/no"), 1);
        QVERIFY(s->frasi().aspetto == primo);
        if (modo != 0)
            QCOMPARE(s->IndiceScansione(), 1 - giusta);

        // The right answer copies the clown into its set and draws the next one for the same sentence.
        const QString domanda = frase(s);
        QVERIFY(rispondi(s, giusta));
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 1"));
        QVERIFY(s->piccolo(giusta, 0)->isVisibleTo(s));
        QCOMPARE(piccoliVisibili(s, 1 - giusta), 0);
        QCOMPARE(riempimento(s->piccolo(giusta, 0), "gile.interno"), VbColor::fromHex6(Profilo.Colori[primo[4]][0]));
        QCOMPARE(frase(s), domanda);
        if (modo != 0)
            QCOMPARE(s->IndiceScansione(), giusta);

        // Up to ten in one set, then the exercise is over: no eleventh place, the scan rests on the button.
        const int risposte = riempi(s);
        const int pieno = s->insiemi().NumeroSi == 10 ? 0 : 1;
        QCOMPARE(piccoliVisibili(s, pieno), 10);
        QVERIFY(pulsante(s, 2)->isEnabled());
        if (modo == 0) {
            QVERIFY(!pulsante(s, 0)->isEnabled() && !pulsante(s, 1)->isEnabled());
            QTest::mouseClick(pulsante(s, pieno), Qt::LeftButton);
        } else {
            QCOMPARE(s->IndiceScansione(), 2);
            passo(s, Qt::Key_Left);
            QCOMPARE(s->IndiceScansione(), 2);
        }
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti %1").arg(risposte + 1));

        // The new exercise empties both sets before the next sentence; counters run on within the level.
        const int detti = amb->voce.frasi.size();
        QVERIFY(rispondi(s, 2));
        QCOMPARE(piccoliVisibili(s, 0) + piccoliVisibili(s, 1), 0);
        QVERIFY(filmato(s)->isVisibleTo(s));
        QCOMPARE(amb->voce.frasi.size(), detti + 1);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti %1").arg(risposte + 1));
        if (modo != 0)
            QCOMPARE(s->IndiceScansione(), 0);
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
        Profilo.ModalitaInput = ModoInput::ScansioneManuale;
        Profilo.TipoCarattere = Lettere::Maiuscolo;
        Profilo.ParlatoAttivo = false;
        QPointer<FormEs5> s = apri();
        QVERIFY(s);
        QVERIFY(!s->Assistente()->Visible());
        QVERIFY(amb->voce.frasi.isEmpty()); // the hidden assistant is silent
        QVERIFY(pulsante(s, 0)->haImmagine() && pulsante(s, 1)->haImmagine()); // thumbs with speech off too
        riempi(s);
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

ZANFRONI_TEST_MAIN(TestFormEs5)
#include "tst_formes5.moc"
