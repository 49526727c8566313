#include "AmbienteEsercizi.h"
#include "exercises/search/FormEs3.h"
#include "exercises/search/FormEs8.h"
#include "platform/Assistant.h"
#include "platform/MovieDrawing.h"
#include "platform/MovieView.h"
#include "platform/VbColor.h"
#include "shell/Immagine.h"

#include <QMenu>

namespace {
const char *const kInterni[] = {"cappello.interno", "ciuffo.interno", "capelli.interno", "camicia.interno",
                                "gile.interno",     "bottoni.interno", "pantaloni.interno", "scarpe.interno"};

MovieView *zanfrone(QWidget *s, int i)
{
    return s->findChild<MovieView *>(QString::fromLatin1(i == 1 ? "Zanfrone" : "SecondoZanfrone"));
}

// The two clowns look the same: every fill, the bucket and the hat.
bool uguali(QWidget *s)
{
    MovieView *a = zanfrone(s, 1), *b = zanfrone(s, 2);
    for (const char *id : kInterni)
        if (a->fillOf(QLatin1String(id)) != b->fillOf(QLatin1String(id)))
            return false;
    return a->isShown(QStringLiteral("secchio")) == b->isShown(QStringLiteral("secchio"))
           && a->isShown(QStringLiteral("cappello")) == b->isShown(QStringLiteral("cappello"));
}

QList<int> daTrovare(const CoppiaDifferenze &c)
{
    QList<int> r;
    for (int i = 1; i <= CoppiaDifferenze::kRigaMassima; ++i)
        if (c.Differenze[i])
            r << i;
    return r;
}

int rigaUguale(const CoppiaDifferenze &c)
{
    for (int i = 2; i <= CoppiaDifferenze::kRigaMassima; ++i)
        if (!c.Differenze[i])
            return i;
    return -1;
}

} // namespace

class TestFormDifferenze : public ProvaConAmbiente<AmbienteEsercizi>
{
    Q_OBJECT

    FormDifferenze *apri(bool secondo)
    {
        if (secondo)
            return amb->apri<FormEs3>();
        return amb->apri<FormEs8>();
    }

    // Chooses part row `riga` in the present input mode (keyboard backwards, across the wrap); with
    // the mouse on FormEs3, on clown `clic` (1 or 2).
    static bool scegli(FormDifferenze *s, int riga, int clic = 2)
    {
        return rispondi(s, riga - 1, [&] {
            if (auto *e3 = qobject_cast<FormEs3 *>(s))
                clic == 1 ? e3->ClicPrimoZanfrone(QString::number(riga), QString())
                          : e3->ClicSecondoZanfrone(QString::number(riga), QString());
            else
                QTest::mouseClick(s->findChild<Immagine *>(QStringLiteral("Disegni_%1").arg(riga - 1)), Qt::LeftButton);
        }, Qt::Key_Left);
    }
    static void nuovaCoppia(FormDifferenze *s)
    {
        Profilo.ModalitaInput == ModoInput::Mouse ? QTest::mouseClick(pulsante(s, 0), Qt::LeftButton) : conferma(s);
    }

private slots:
    void everyModeFindsThePairOnBothScreens_data()
    {
        QTest::addColumn<bool>("secondo");
        QTest::addColumn<int>("modo");
        for (int schermo = 0; schermo < 2; ++schermo)
            for (int m = 0; m <= 3; ++m)
                QTest::addRow("%s mode %d", qPrintable(schermo ? FormEs3::Nome : FormEs8::Nome), m) << bool(schermo) << m;
    }
    void everyModeFindsThePairOnBothScreens()
    {
        QFETCH(bool, secondo);
        const int modo = modoDellaRiga();
        QPointer<FormDifferenze> s = apri(secondo);
        QVERIFY(s);
        if (secondo) // the mouse may click either clown
            QCOMPARE(frase(s).endsWith(QStringLiteral("Puoi cliccare su entrambi i zanfroni.")), modo == 0);
        s->mnuLiv_Click(2);
        QCOMPARE(s->coppia().Livello, 2);
        QVERIFY(!uguali(s));
        QVERIFY(!pulsante(s, 0)->isEnabled());

        // A part that is the same on both is wrong and changes nothing.
        QVERIFY(scegli(s, rigaUguale(s->coppia())));
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 1"));
        QCOMPARE(s->coppia().Trovate, 0);

        for (int riga : daTrovare(s->coppia()))
            QVERIFY(scegli(s, riga));
        QCOMPARE(amb->suonati("si"), 2);
        QVERIFY(uguali(s));

        if (modo == 0) {
            QVERIFY(pulsante(s, 0)->isEnabled());
            scegli(s, 1); // the pair is done: clicks on parts count nothing
            QCOMPARE(pannello(s, 2), QStringLiteral("Errati 1"));
        } else {
            // The scan rests on the new-pair button, lit and enabled; stepping does nothing.
            QCOMPARE(s->IndiceScansione(), FormDifferenze::kNuovaCoppia);
            QVERIFY(pulsante(s, 0)->isEnabled());
            QCOMPARE(pulsante(s, 0)->sfondo(), evidenza());
            passo(s);
            QCOMPARE(s->IndiceScansione(), FormDifferenze::kNuovaCoppia);
        }
        nuovaCoppia(s);
        QVERIFY(!uguali(s) && !pulsante(s, 0)->isEnabled());
        QCOMPARE(s->IndiceScansione(), 0);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 2"));
    }

    void clownClicksTakeTheOtherClownsValue()
    {
        QPointer<FormEs3> s = qobject_cast<FormEs3 *>(apri(true));
        QVERIFY(s);
        QVERIFY(zanfrone(s, 1)->Movie().endsWith(QStringLiteral("zanfrone2.swf")));
        s->mnuLiv_Click(1);
        const int riga = daTrovare(s->coppia()).first();
        const Aspetto destro = s->coppia().aspetto[1];
        // Commands that name no part the child can click are not answers.
        for (const QString &c : {QStringLiteral("abc"), QString(), QStringLiteral("0"), QStringLiteral("9"), QStringLiteral("3x")})
            s->ClicPrimoZanfrone(c, QString());
        QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti 0Errati 0"));

        QVERIFY(scegli(s, riga, 1)); // the left clown changes, the right one stays
        QCOMPARE(s->coppia().aspetto[1], destro);
        QVERIFY(uguali(s));
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 1"));
        QVERIFY(scegli(s, riga, 2)); // the pair is done: nothing counts
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 0"));
    }

    void scanningOutlinesThePartOnTheRightClown()
    {
        Profilo.ModalitaInput = ModoInput::Tastiera;
        Profilo.ColorePulsanteSelezionato = 255; // red
        QPointer<FormEs3> s = qobject_cast<FormEs3 *>(apri(true));
        QVERIFY(s);
        MovieView *destro = zanfrone(s, 2);
        const QColor rosso(255, 0, 0), nero(0, 0, 0);
        QCOMPARE(s->ParteScansione(), 1);
        QCOMPARE(destro->fillOf(QStringLiteral("cappello.contorno")), rosso);
        QCOMPARE(destro->fillOf(QStringLiteral("capelli.contorno")), nero);
        QCOMPARE(zanfrone(s, 1)->fillOf(QStringLiteral("cappello.contorno")), QColor()); // the left one is never outlined
        tasto(s, Qt::Key_Down);
        QCOMPARE(s->ParteScansione(), 2); // the tuft goes with the hair
        QCOMPARE(destro->fillOf(QStringLiteral("ciuffo.contorno")), rosso);
        QCOMPARE(destro->fillOf(QStringLiteral("capelli.contorno")), rosso);

        // Clicks on the clowns are for the mouse only.
        s->ClicSecondoZanfrone(QString::number(daTrovare(s->coppia()).first()), QString());
        QCOMPARE(pannello(s, 1) + pannello(s, 2), QStringLiteral("Esatti 0Errati 0"));
    }

    void aBlackHighlightStaysApartFromThePlainOutlines()
    {
        Profilo.ModalitaInput = ModoInput::Tastiera;
        Profilo.ColorePulsanteSelezionato = 0; // black, as the plain outlines
        QPointer<FormEs3> s = qobject_cast<FormEs3 *>(apri(true));
        QVERIFY(s);
        MovieView *destro = zanfrone(s, 2);
        const QColor evidenza = destro->fillOf(QStringLiteral("cappello.contorno"));
        QVERIFY(evidenza != destro->fillOf(QStringLiteral("capelli.contorno")));
        QCOMPARE(MovieDrawing::coreColour(evidenza), QColor(Qt::white)); // drawn with a light line inside
    }

    void drawingFramesFollowThePointerOrTheScan()
    {
        QPointer<FormEs8> s = qobject_cast<FormEs8 *>(apri(false));
        QVERIFY(s);
        muovi(s->findChild<Immagine *>(QStringLiteral("Disegni_3")));
        QCOMPARE(s->CornicePresente(), 3);
        muovi(s->findChild<QWidget *>(QStringLiteral("StrisciaDisegni")));
        QCOMPARE(s->CornicePresente(), -1);
        s->chiudi();

        Profilo.ModalitaInput = ModoInput::ScansioneManuale;
        s = qobject_cast<FormEs8 *>(apri(false));
        QVERIFY(s);
        QCOMPARE(s->CornicePresente(), 0);
        // No frame follows the pointer, and no move over the strip or the screen takes the scan's.
        for (const char *dove : {"Disegni_5", "StrisciaDisegni", "area", "Pulsanti_1"})
            muovi(s->findChild<QWidget *>(QString::fromLatin1(dove)));
        QCOMPARE(s->CornicePresente(), 0);
        QTest::mouseClick(s->findChild<Immagine *>(QStringLiteral("Disegni_%1").arg(daTrovare(s->coppia()).first() - 1)),
                          Qt::LeftButton);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 0"));
        QVERIFY(porta(s, 7));
        QCOMPARE(s->CornicePresente(), 7);
        tasto(s, Qt::Key_Space);
        QCOMPARE(s->CornicePresente(), 0); // from the bucket back to the hat
    }

    void levelsAndActivityRows()
    {
        Profilo.ModalitaInput = ModoInput::ScansioneManuale;
        QPointer<FormDifferenze> s = apri(false);
        QVERIFY(s);
        QVERIFY(scegli(s, rigaUguale(s->coppia())));
        s->mnuLiv_Click(4);
        QCOMPARE(AttivitaEseguite[1][1] + AttivitaEseguite[1][3], QStringLiteral("11"));
        QCOMPARE(daTrovare(s->coppia()).size(), 4); // while scanning the hat's presence never differs
        s->mnuesci_Click();
        QCOMPARE(AttivitaEseguite[2][1], QStringLiteral("4"));
        QCOMPARE(NumeroAttivita, qint16(3));

        // Automatic change: twelve right answers take the next pair up a level.
        Profilo.PassaggioLivelli = true;
        s = apri(true);
        QVERIFY(s);
        QVERIFY(!s->findChild<QMenu *>(QStringLiteral("mnuLivelli"))->menuAction()->isVisible());
        for (int coppia = 0; coppia < 12; ++coppia) {
            QCOMPARE(s->coppia().Livello, 1);
            QVERIFY(scegli(s, daTrovare(s->coppia()).first()));
            nuovaCoppia(s);
        }
        QCOMPARE(s->Livello(), 2);
        QCOMPARE(s->coppia().Livello, 2);
        QCOMPARE(AttivitaEseguite[4][2], QStringLiteral("12"));
    }

    void instructionAndHelp()
    {
        // Speech off: help shows the instruction in a panel that a click puts away.
        Profilo.ParlatoAttivo = false;
        Profilo.TipoCarattere = Lettere::Maiuscolo;
        QPointer<FormDifferenze> s = apri(false);
        QVERIFY(s);
        auto *etichetta = s->findChild<QLabel *>(QStringLiteral("LabelFrase"));
        QVERIFY(etichetta->isHidden());
        QTest::mouseClick(pulsante(s, 1), Qt::LeftButton);
        QVERIFY(!etichetta->isHidden());
        QCOMPARE(frase(s), QStringLiteral("CLICCA SUI DISEGNI IN BASSO PER RENDERE I ZANFRONI UGUALI."));
        QTest::mouseClick(etichetta, Qt::LeftButton);
        QVERIFY(etichetta->isHidden());
        QVERIFY(amb->voce.frasi.isEmpty());
        s->chiudi();

        // Speech on, scanning: the assistant reads the instruction of its mode and goes.
        Profilo.ParlatoAttivo = true;
        Profilo.TipoCarattere = Lettere::Minuscolo;
        Profilo.ModalitaInput = ModoInput::ScansioneAutomatica;
        s = apri(true);
        QVERIFY(s);
        QVERIFY(!s->Assistente()->Visible());
        QCOMPARE(amb->voce.frasi.size(), 1);
        QCOMPARE(amb->voce.frasi[0].testo, QStringLiteral("Clicca sui particolari diversi dei zanfroni per renderli uguali."));
        // Help answers the mouse in every mode: the assistant comes, reads and goes.
        QTest::mouseClick(pulsante(s, 1), Qt::LeftButton);
        QVERIFY(!s->Assistente()->Visible());
        QTRY_COMPARE(amb->voce.frasi.size(), 2);
    }
};

ZANFRONI_TEST_MAIN(TestFormDifferenze)
#include "tst_formdifferenze.moc"
