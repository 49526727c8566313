#include "AmbienteMenu.h"
#include "Catalogo.h"
#include "Tasti.h"
#include "platform/MovieView.h"
#include "platform/TextFile.h"
#include "shell/Attivita.h"
#include "shell/Avvio.h"
#include "shell/CarattereTesto.h"
#include "shell/Esercizi.h"
#include "shell/EtichettaPulsante.h"
#include "shell/FormAvvio.h"
#include "shell/FormMenu.h"
#include "shell/Profilo.h"
#include "shell/Schermi.h"
#include "shell/configura/FormConfigura.h"

#include <QComboBox>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

using Schermate::apriMenu;
using Schermate::attivo;

class TestMenu : public ProvaConAmbiente<AmbienteMenu>
{
    Q_OBJECT


    // A profile file with the default values but the given input mode, scanning speed, letter case and font.
    void scriviProfilo(const QString &nome, int modo, int velocita = 4, const QString &caso = QStringLiteral("minuscolo"),
                       const QString &font = QStringLiteral("arial"))
    {
        ProfiloUtente p;
        p.ModalitaInput = ModoInputDa(modo);
        p.VelocitaScansione = qint16(velocita);
        p.TipoCarattere = TipoLettere::daParola(caso);
        p.FontTesto = font;
        QVERIFY(TextFile::writeLines(amb->cartella() + nome, p.righe()));
    }

    static QWidget *bersaglio(QWidget *schermo)
    {
        QWidget *f = QApplication::focusWidget();
        return f && f->window() == schermo ? f : schermo;
    }
    static void tasto(QWidget *schermo, Qt::Key k) { Tasti::tocca(bersaglio(schermo), k); }

    static QList<int> evidenziati(FormMenu *m)
    {
        QList<int> r;
        for (int i = 0; i < m->pulsanti(); ++i)
            if (m->pulsante(i)->sfondo() == m->coloreEvidenziato())
                r << i;
        return r;
    }

    static QAction *voce(QWidget *schermo, const QString &testo)
    {
        for (QAction *a : schermo->findChildren<QAction *>())
            if (a->text() == testo)
                return a;
        return nullptr;
    }
    void prepara() override
    {
        ProvaConAmbiente::prepara();
        Schermo::tastiFisici().attendeCoppie = false;
    }

private slots:
    void initTestCase() { RegistraSchermi(); }

    void manualScanningStepsWrapsAndEnterOnEsciSavesAndEnds()
    {
        scriviProfilo(QStringLiteral("_predefinito.INI"), 1);
        FormMenu *m = apriMenu();
        QVERIFY(m);
        QTest::mouseClick(m->pulsante(3), Qt::LeftButton); // a click does nothing while scanning
        tasto(m, Qt::Key_Right); // not a key of this mode
        for (int i = 0; i < m->pulsanti() + m->esci(); ++i) // round once, on to the last
            tasto(m, Qt::Key_Space);
        QCOMPARE(evidenziati(m), QList<int>{m->esci()});
        QCOMPARE(NumeroAttivita, qint16(0));
        Profilo.VelocitaVoce = 222;
        tasto(m, Qt::Key_Return);
        QCOMPARE(amb->servizi.fine.volte, 1);
        const auto righe = TextFile::readLines(amb->cartella() + QStringLiteral("_predefinito.INI"));
        QVERIFY(righe);
        QCOMPARE(righe->at(0), QStringLiteral(" 222 "));
        QVERIFY(amb->servizi.dialoghi.messaggi.isEmpty());
    }

    void eachExerciseButtonRecordsItsRowAndOpensItsScreen()
    {
        const QList<Esercizio> &catalogo = Esercizi::elenco();
        scriviProfilo(QStringLiteral("_predefinito.INI"), 1);
        for (int i = 0; i < catalogo.size(); ++i) {
            FormMenu *m = apriMenu();
            QVERIFY(m);
            for (int passo = 0; passo < i; ++passo)
                tasto(m, Qt::Key_Space);
            tasto(m, Qt::Key_Return);
            QCOMPARE(NumeroAttivita, qint16(i + 1));
            QCOMPARE(AttivitaEseguite[i + 1][0], catalogo[i].attivita);
            QCOMPARE(Schermi::attivo()->nome(), catalogo[i].schermo);
            Schermi::attivo()->chiudi();
        }

        // A full activity table refuses to record but the exercise still opens.
        while (NumeroAttivita < kRigheAttivita)
            ScriviRisultatoAttivita(1, 0, 0);
        FormMenu *m = apriMenu();
        QVERIFY(m);
        tasto(m, Qt::Key_Return);
        QCOMPARE(NumeroAttivita, qint16(kRigheAttivita + 1));
        QVERIFY(AttivitaEseguite[kRigheAttivita][0].isEmpty());
        QCOMPARE(Schermi::attivo()->nome(), Esercizi::elenco()[0].schermo);
        QVERIFY(amb->servizi.dialoghi.messaggi.isEmpty());
    }

    // A catalogue entry and its screen agree on the name; the menu has a button per entry, then "esci".
    void everyCatalogueEntryHasItsButtonAndOpensTheScreenItNames()
    {
        FormMenu *m = apriMenu();
        QVERIFY(m);
        const QList<Esercizio> &catalogo = Esercizi::elenco();
        QCOMPARE(m->esci(), catalogo.size());
        for (int i = 0; i < catalogo.size(); ++i) {
            QCOMPARE(m->pulsante(i)->text(), catalogo[i].didascalia.toLower());
            Schermo *s = Schermi::mostra(catalogo[i].schermo);
            QVERIFY(s);
            QCOMPARE(s->nome(), catalogo[i].schermo);
            s->chiudi();
        }
    }

    void keyboardModeMovesBothWaysAndWraps()
    {
        scriviProfilo(QStringLiteral("_predefinito.INI"), 3);
        FormMenu *m = apriMenu();
        QVERIFY(m);
        tasto(m, Qt::Key_Left);
        QCOMPARE(evidenziati(m), QList<int>{m->esci()});
        tasto(m, Qt::Key_Right);
        tasto(m, Qt::Key_Down);
        tasto(m, Qt::Key_Space); // not a key of this mode
        QCOMPARE(evidenziati(m), QList<int>{1});
        tasto(m, Qt::Key_Return);
        QCOMPARE(AttivitaEseguite[1][0], QStringLiteral("Uguale - Diverso"));
    }

    void automaticScanningStepsByItselfAndTheSwitchChooses()
    {
        scriviProfilo(QStringLiteral("_predefinito.INI"), 2, 4);
        FormMenu *m = apriMenu();
        QVERIFY(m);
        QTRY_COMPARE_WITH_TIMEOUT(evidenziati(m), QList<int>{1}, 3000);

        QTest::keyPress(bersaglio(m), Qt::Key_Space);
        QVERIFY(!m->timerScansione()->isActive()); // held: the highlight stays
        QTest::keyRelease(bersaglio(m), Qt::Key_Space);
        QCOMPARE(AttivitaEseguite[1][0], QStringLiteral("Uguale - Diverso"));
    }

    void mouseModeHoversAndClicks()
    {
        FormMenu *m = apriMenu(); // first run: no profile file at all
        QVERIFY(m);
        auto muovi = [](QWidget *w) {
            QMouseEvent ev(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(w, &ev);
        };
        muovi(m->pulsante(m->esci()));
        muovi(m->findChild<QWidget *>(QStringLiteral("ImmaginiMenu_2"))); // a picture counts as its button
        QCOMPARE(evidenziati(m), QList<int>{2});
        muovi(m->area());
        QVERIFY(evidenziati(m).isEmpty());
        QTest::mouseClick(m->pulsante(4), Qt::LeftButton);
        QCOMPARE(AttivitaEseguite[1][0], QStringLiteral("Colora il zanfrone"));
        QVERIFY(!QFile::exists(amb->cartella() + QStringLiteral("_predefinito.INI"))); // nothing saved on showing
    }

    void fillingTheUserListNeverSwitchesOnlyAChoiceDoes()
    {
        scriviProfilo(QStringLiteral("anna.ini"), 1, 4, QStringLiteral("minuscolo"), QStringLiteral("Comic Neue"));
        scriviProfilo(QStringLiteral("zeta.ini"), 0);
        IniziaAttivita(QStringLiteral("Insiemi"));
        FormMenu *m = apriMenu(QStringLiteral("zeta"));
        QVERIFY(m);
        auto *combo = m->findChild<QComboBox *>(QStringLiteral("ComboUtenti"));
        QCOMPARE(combo->currentText(), QStringLiteral("zeta"));
        emit combo->activated(combo->currentIndex()); // the same user again keeps the table
        QCOMPARE(NumeroAttivita, qint16(1));

        Profilo.TonoVoce = 333; // unsaved change of zeta's
        QCOMPARE(m->pulsante(0)->carattereMostrato().family(), QStringLiteral("arial")); // drawn in zeta's font
        combo->setCurrentIndex(0);
        emit combo->activated(0);
        QCOMPARE(TextFile::readLines(amb->cartella() + QStringLiteral("zeta.ini"))->at(1), QStringLiteral(" 333 "));
        QCOMPARE(NomeUtente, QStringLiteral("anna"));
        QCOMPARE(Profilo.TonoVoce, qint16(100));
        QVERIFY(m->modalita() == ModoInput::ScansioneManuale); // anna's profile applied
        QCOMPARE(m->pulsante(0)->carattereMostrato().family(), QStringLiteral("Comic Neue")); // same caption, her font
        QCOMPARE(NumeroAttivita, qint16(0));
    }

    void letterCaseReachesEveryLineAndCaptionsFit()
    {
        scriviProfilo(QStringLiteral("_predefinito.INI"), 0, 4, QStringLiteral("maiuscolo"));
        scriviProfilo(QStringLiteral("anna.ini"), 0);
        FormMenu *m = apriMenu();
        QVERIFY(m);
        for (const QString &d : m->didascalie())
            QCOMPARE(d, d.toUpper());
        QCOMPARE(m->findChild<QComboBox *>(QStringLiteral("ComboUtenti"))->itemText(1), QStringLiteral("ANNA"));
        for (int i = 0; i < m->pulsanti(); ++i) {
            EtichettaPulsante *b = m->pulsante(i);
            for (const QString &parola : b->text().split(QRegularExpression(QStringLiteral("\\s"))))
                QVERIFY2(QFontMetrics(b->font()).horizontalAdvance(parola) <= b->contentsRect().width(), qPrintable(parola));
        }
    }

    // At 1024 x 768 the cursive captions keep small letters nearly as tall as the plain ones, in the
    // face's own weight (a made-up bold loses the bowls of its "a"), and every caption fits.
    void cursiveCaptionsAreAsLegibleAsPlainOnes()
    {
        RegistraCorsivo();
        SostituisciCaratteri();
        if (!QFontInfo(QFont(QStringLiteral("Indis1"))).family().contains(QLatin1String("Ecolier")))
            QSKIP("the cursive face is not installed");
        auto altezzaX = [](const QFont &f) { return QFontMetricsF(f).tightBoundingRect(QStringLiteral("x")).height(); };
        double semplice = 0;
        for (const char *caso : {"minuscolo", "corsivo"}) {
            scriviProfilo(QStringLiteral("_predefinito.INI"), 0, 4, QString::fromLatin1(caso));
            FormMenu *m = apriMenu();
            QVERIFY(m);
            if (Profilo.TipoCarattere == Lettere::Corsivo)
                Profilo.FontTesto = QStringLiteral("Indis1");
            m->ImpostaUtente();
            m->setGeometry(0, 0, 1024, 768);
            QTRY_COMPARE(m->size(), QSize(1024, 768));
            const QFont f = m->pulsante(2)->font(); // "trova le / differenze / 1°", the tallest
            if (semplice == 0) {
                semplice = altezzaX(f);
            } else {
                QVERIFY(!f.bold());
                QVERIFY2(altezzaX(f) >= 0.8 * semplice, qPrintable(QStringLiteral("%1 / %2").arg(altezzaX(f)).arg(semplice)));
            }
            for (int i = 0; i < m->pulsanti(); ++i) {
                const auto *b = m->pulsante(i);
                QVERIFY(CarattereTesto::Entra(b->font(), b->text(), b->contentsRect().size(), b->alignment()));
            }
            m->chiudi();
            QTRY_VERIFY(!Schermi::attivo() || Schermi::attivo() != m);
        }
    }

    void theLitCaptionStaysReadableOnABlackHighlight()
    {
        scriviProfilo(QStringLiteral("_predefinito.INI"), 1);
        FormMenu *m = apriMenu();
        QVERIFY(m);
        Profilo.ColorePulsanteSelezionato = 0;
        m->ImpostaUtente();
        EtichettaPulsante *acceso = m->pulsante(0); // manual scanning starts on the first button
        QCOMPARE(acceso->sfondo(), QColor(Qt::black));
        const QImage img = acceso->grab().toImage();
        int bianchi = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                bianchi += qGray(img.pixel(x, y)) > 200;
        QVERIFY2(bianchi > 50, qPrintable(QString::number(bianchi)));
    }

    void holdingEnterOnTheStartScreenStartsNothing()
    {
        scriviProfilo(QStringLiteral("_predefinito.INI"), 1);
        NomeUtente = QStringLiteral("_predefinito");
        FileIni = CartellaImpostazioni + QStringLiteral("_predefinito.INI");
        CaricaProfilo();
        auto *avvio = qobject_cast<FormAvvio *>(Schermi::mostra(FormAvvio::Nome));
        QVERIFY(avvio);
        Schermo::tastiFisici().attendeCoppie = true;
        Tasti::premi(bersaglio(avvio), Qt::Key_Return);
        avvio->ApriMenu(); // the picture button, while Enter is held
        auto *m = attivo<FormMenu>();
        QVERIFY(m);
        for (int i = 0; i < 20; ++i)
            Tasti::ripeti(bersaglio(m), Qt::Key_Return, i % 2);
        Tasti::rilascia(bersaglio(m), Qt::Key_Return);
        QTest::qWait(50);
        QCOMPARE(NumeroAttivita, qint16(0));
        QCOMPARE(m->indiceScansione(), 0);
    }

    void esciAndTheWindowManagerEndTheProgramEvenIfTheSaveFails()
    {
        FormMenu *m = apriMenu();
        QVERIFY(m);
        FileIni = QStringLiteral("C:\\ImpostazioniProgrammiDorva\\manca\\x.ini"); // folder missing
        m->AvviaEsercizi(m->esci());
        QCOMPARE(amb->servizi.dialoghi.messaggi.size(), 1);
        QCOMPARE(amb->servizi.fine.volte, 1);

        // Closed by the window manager, the menu ends the program as "esci" does.
        FileIni = CartellaImpostazioni + QStringLiteral("_predefinito.INI");
        Profilo.VelocitaVoce = 99;
        QVERIFY(!m->close());
        QTRY_COMPARE(amb->servizi.fine.volte, 2);
        QCOMPARE(TextFile::readLines(amb->cartella() + QStringLiteral("_predefinito.INI"))->at(0), QStringLiteral(" 99 "));
    }

    void menuEntriesOpenTheirScreens()
    {
        FormMenu *m = apriMenu();
        QVERIFY(m);
        QVERIFY(!voce(m, QStringLiteral("Esercizi eseguiti"))->isEnabled());
        voce(m, QStringLiteral("documentazione"))->trigger();
        QCOMPARE(amb->servizi.dialoghi.documentiAperti.size(), 1);
        voce(m, QStringLiteral("Configurazione"))->trigger();
        QCOMPARE(attivo()->nome(), FormConfigura::Nome);
        Profilo.TracciaAttivita = true;
        voce(attivo(), QStringLiteral("&Esci"))->trigger();
        QVERIFY((m = attivo<FormMenu>()));
        voce(m, QStringLiteral("about"))->trigger();
        QTest::mouseClick(attivo()->findChild<QPushButton *>(QStringLiteral("CommandChiudi")), Qt::LeftButton);
        QVERIFY((m = attivo<FormMenu>()));
        QVERIFY(voce(m, QStringLiteral("Esercizi eseguiti"))->isEnabled());
    }

    void closingTheAboutBoxOrAGuideFromTheSystemGoesBackToTheMenu()
    {
        int ultimaChiusa = 0; // the program would end
        connect(qApp, &QGuiApplication::lastWindowClosed, this, [&ultimaChiusa] { ++ultimaChiusa; });
        FormMenu *m = apriMenu();
        QVERIFY(m);
        for (const QString &entrata : {QStringLiteral("about"), QStringLiteral("procedure per la configurazione"),
                                       QStringLiteral("colori e dimensioni menù")}) {
            voce(m, entrata)->trigger();
            QPointer<Schermo> aperto = attivo();
            QVERIFY(aperto && aperto != m);
            QVERIFY(aperto->close()); // as the window manager's close button or Alt+F4 asks
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY2(!aperto, qPrintable(entrata));
            QVERIFY((m = attivo<FormMenu>()));
            QVERIFY(m->isVisible());
        }
        QCOMPARE(ultimaChiusa, 0);
        QCOMPARE(amb->servizi.fine.volte, 0);
    }
};

ZANFRONI_TEST_MAIN(TestMenu)
#include "tst_menu.moc"
