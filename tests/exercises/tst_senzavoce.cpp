#include "AmbienteAllineamento.h"
#include "exercises/search/FormEs7.h"
#include "exercises/sentences/FormEs1.h"

using Availability = SpeechEngine::Availability;

// Speech switched on, but the engine is still starting, gives no voice, or has no audio output to be
// heard through: every exercise screen shows its text as with speech off, and a voice lost in the
// middle of a game brings it back.
class TestSenzaVoce : public ProvaConAmbiente<AmbienteAllineamento>
{
    Q_OBJECT

    static QWidget *figlio(QWidget *s, const char *nome) { return s->findChild<QWidget *>(QLatin1String(nome)); }
    // What a screen shows: its visible controls, and which buttons show their picture.
    static QStringList aspetto(QWidget *s)
    {
        QStringList r;
        for (QWidget *w : s->findChildren<QWidget *>())
            if (w->isVisible() && !w->objectName().isEmpty())
                r << w->objectName();
        for (PulsanteImmagine *p : s->findChildren<PulsanteImmagine *>())
            r << p->objectName() + (p->haImmagine() ? QStringLiteral(": picture") : QStringLiteral(": caption"));
        r.sort();
        return r;
    }
    static void chiudi(FormEsercizio *s)
    {
        s->chiudi();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void prepara() override
    {
        ProvaConAmbiente::prepara();
        Profilo.ParlatoAttivo = true;
    }

private slots:
    void withSpeechOnButNoVoiceEveryScreenShowsItsText_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<Availability>("motore");
        QTest::addColumn<bool>("uscitaAudio");
        QTest::addRow("mouse, engine starting") << 0 << Availability::Starting << true;
        QTest::addRow("scanning, no voice") << 1 << Availability::Unavailable << true;
        QTest::addRow("keyboard, voices but no audio output") << 3 << Availability::Ready << false;
    }
    void withSpeechOnButNoVoiceEveryScreenShowsItsText()
    {
        modoDellaRiga();
        QFETCH(Availability, motore);
        QFETCH(bool, uscitaAudio);
        amb->voce.disponibilita(motore);
        amb->suoni.uscita = uscitaAudio;
        for (const Esercizio &e : Esercizi::elenco()) {
            Profilo.ParlatoAttivo = false;
            QPointer<FormEsercizio> s = amb->apri(e);
            QVERIFY2(s, qPrintable(e.schermo));
            const QStringList senzaParlato = aspetto(s);
            chiudi(s);
            Profilo.ParlatoAttivo = true;
            s = amb->apri(e);
            QVERIFY2(s && !s->Assistente()->Visible(), qPrintable(e.schermo));
            QCOMPARE(aspetto(s), senzaParlato);
            if (figlio(s, "LabelFrase")->isHidden()) // the differences: help shows the instruction
                QTest::mouseClick(pulsante(s, 1), Qt::LeftButton);
            QVERIFY2(!frase(s).isEmpty() && figlio(s, "LabelFrase")->isVisible(), qPrintable(e.schermo));
            chiudi(s);
        }
    }

    void theLitAnswerStaysReadableOnAnyHighlight_data()
    {
        QTest::addColumn<int>("evidenza");
        QTest::addColumn<QColor>("testo");
        QTest::addRow("black: white text") << 0 << QColor(Qt::white);
        QTest::addRow("dark blue: white text") << 0x800000 << QColor(Qt::white);
        QTest::addRow("red: the text keeps its black") << 255 << QColor(Qt::black);
    }
    void theLitAnswerStaysReadableOnAnyHighlight()
    {
        QFETCH(int, evidenza);
        QFETCH(QColor, testo);
        Profilo.ModalitaInput = ModoInput::ScansioneManuale;
        Profilo.ColorePulsanteSelezionato = evidenza;
        amb->voce.disponibilita(Availability::Unavailable);
        QPointer<FormEsercizio> s = amb->apri<FormEs1>();
        QVERIFY(s);
        PulsanteImmagine *acceso = pulsante(s, 0); // "Vero", lit first
        QCOMPARE(acceso->sfondo(), VbColor::toQColor(evidenza));
        const QImage img = acceso->grab().toImage();
        int tratti = 0; // pixels of the word in the expected colour
        for (int y = img.height() / 4; y < img.height() * 3 / 4; ++y)
            for (int x = img.width() / 4; x < img.width() * 3 / 4; ++x)
                tratti += qAbs(qGray(img.pixel(x, y)) - qGray(testo.rgb())) < 30;
        QVERIFY2(tratti > 50, qPrintable(QString::number(tratti)));
        chiudi(s);
    }

    void aVoiceLostInAGameBringsTheTextBackAndALateOneHidesNothing()
    {
        Profilo.ModalitaInput = ModoInput::ScansioneManuale;
        QPointer<FormEsercizio> s = amb->apri<FormEs7>();
        QVERIFY(s);
        QVERIFY(!figlio(s, "PannelloIcone")->isHidden()); // heard: the part icons over the traits
        QVERIFY(s->Assistente()->Visible());
        amb->voce.disponibilita(Availability::Unavailable);
        QVERIFY(figlio(s, "PannelloIcone")->isHidden());
        QVERIFY(!s->Assistente()->Visible());
        amb->voce.disponibilita(Availability::Ready);
        QVERIFY(figlio(s, "PannelloIcone")->isHidden());
        chiudi(s);

        s = amb->apri<FormEs1>();
        QVERIFY(s);
        QVERIFY(pulsante(s, 0)->haImmagine());
        amb->voce.disponibilita(Availability::Unavailable);
        QVERIFY(!pulsante(s, 0)->haImmagine());
        QCOMPARE(pulsante(s, 0)->text(), QStringLiteral("Vero"));
        // The next opening asks again.
        amb->voce.disponibilita(Availability::Ready);
        chiudi(s);
        s = amb->apri<FormEs1>();
        QVERIFY(s && pulsante(s, 0)->haImmagine());
    }
};

ZANFRONI_TEST_MAIN(TestSenzaVoce)
#include "tst_senzavoce.moc"
