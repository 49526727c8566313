#include "AmbienteAllineamento.h"

#include <QPlainTextEdit>

using Availability = SpeechEngine::Availability;

// Speech switched on, but the engine is still starting, gives no voice, or has no audio output to be
// heard through: every exercise screen shows its text as with speech off, and a voice lost in the
// middle of a game brings it back.
class TestSenzaVoce : public ProvaConAmbiente<AmbienteAllineamento>
{
    Q_OBJECT

    struct Schermata { QString nome, attivita; };
    const QList<Schermata> schermate{
        {QStringLiteral("FormEs1"), QStringLiteral("Vero - falso")},
        {QStringLiteral("FormEs2"), QStringLiteral("Uguale - Diverso")},
        {QStringLiteral("FormEs8"), QStringLiteral("Trova le differenze - 1°")},
        {QStringLiteral("FormEs3"), QStringLiteral("Trova le differenze - 2°")},
        {QStringLiteral("FormEs4"), QStringLiteral("Colora il zanfrone")},
        {QStringLiteral("FormEs5"), QStringLiteral("Insiemi")},
        {QStringLiteral("FormEs6"), QStringLiteral("Elimina gli intrusi")},
        {QStringLiteral("FormEs7"), QStringLiteral("Indovina chi?")},
    };

    FormEsercizio *apri(const Schermata &s) { return amb->apri<FormEsercizio>(s.nome, s.attivita); }
    static QWidget *figlio(QWidget *s, const char *nome) { return s->findChild<QWidget *>(QLatin1String(nome)); }
    // Answer buttons that would show a picture in place of their caption when speech is heard.
    static QList<PulsanteImmagine *> risposte(QWidget *s)
    {
        QList<PulsanteImmagine *> r;
        for (PulsanteImmagine *p : s->findChildren<PulsanteImmagine *>())
            if (p->property("risposta").toBool())
                r << p;
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
        for (const Schermata &schermata : schermate) {
            QPointer<FormEsercizio> s = apri(schermata);
            QVERIFY2(s, qPrintable(schermata.nome));
            QVERIFY2(!s->Assistente()->Visible(), qPrintable(schermata.nome));
            for (PulsanteImmagine *p : risposte(s)) {
                if (schermata.nome == QLatin1String("FormEs5"))
                    break; // the thumbs are pictures whatever the speech
                QVERIFY2(!p->haImmagine() && !p->text().isEmpty(), qPrintable(schermata.nome));
            }
            auto *testo = s->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
            if (testo) { // the line-ups: every trait written, no icon panel over it
                QVERIFY(testo->isVisible());
                QVERIFY(figlio(s, "Picture1")->isHidden());
                QVERIFY(righeTesto(s).size() >= 8);
            } else if (figlio(s, "Label1")->isHidden()) { // the differences: help shows the instruction
                QTest::mouseClick(pulsante(s, 1), Qt::LeftButton);
                QVERIFY2(figlio(s, "Label1")->isVisible(), qPrintable(schermata.nome));
            }
            QVERIFY2(!frase(s).isEmpty() && figlio(s, "Label1")->isVisible(), qPrintable(schermata.nome));
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
        QPointer<FormEsercizio> s = apri(schermate[0]);
        QVERIFY(s);
        PulsanteImmagine *acceso = risposte(s).first();
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
        QPointer<FormEsercizio> s = apri(schermate[7]); // Indovina chi?
        QVERIFY(s);
        QVERIFY(!figlio(s, "Picture1")->isHidden()); // heard: the part icons over the traits
        QVERIFY(s->Assistente()->Visible());
        amb->voce.disponibilita(Availability::Unavailable);
        QVERIFY(figlio(s, "Picture1")->isHidden());
        QVERIFY(!s->Assistente()->Visible());
        amb->voce.disponibilita(Availability::Ready);
        QVERIFY(figlio(s, "Picture1")->isHidden());
        chiudi(s);

        s = apri(schermate[0]); // Vero - falso
        QVERIFY(s);
        QVERIFY(pulsante(s, 0)->haImmagine());
        amb->voce.disponibilita(Availability::Unavailable);
        QVERIFY(!pulsante(s, 0)->haImmagine());
        QCOMPARE(pulsante(s, 0)->text(), QStringLiteral("Vero"));
        // The next opening asks again.
        amb->voce.disponibilita(Availability::Ready);
        chiudi(s);
        s = apri(schermate[0]);
        QVERIFY(s && pulsante(s, 0)->haImmagine());
    }
};

ZANFRONI_TEST_MAIN(TestSenzaVoce)
#include "tst_senzavoce.moc"
