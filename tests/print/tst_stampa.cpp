#include "AiutiStampa.h"
#include "ProvaFresca.h"
#include "platform/MovieView.h"
#include "platform/PathResolver.h"
#include "print/AnteprimaStampa.h"
#include "print/CampoNumerico.h"
#include "print/MotoreStampa.h"
#include "print/RiquadroDisegno.h"
#include "print/SorgenteStampa.h"
#include "print/frmStampa.h"
#include "shell/Immagini.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

namespace {
QString testo(QWidget *d, const char *nome) { return trova<QLineEdit>(d, nome)->text(); }
void scrivi(QWidget *d, const char *nome, const QString &t)
{
    QLineEdit *c = trova<QLineEdit>(d, nome);
    c->setFocus();
    c->selectAll();
    QTest::keyClicks(c, t);
}
} // namespace

class TestStampa : public ProvaConCartella
{
    Q_OBJECT
    std::unique_ptr<RiquadroDisegno> riquadro;

    void prepara() override
    {
        ProvaConCartella::prepara();
        riquadro = std::make_unique<RiquadroDisegno>();
        riquadro->setObjectName(QStringLiteral("DisegnoProva"));
        riquadro->resize(193, 345);
        riquadro->caricaDisegno(Immagini::Disegno(3));
    }
    void smonta() override
    {
        riquadro.reset();
        ProvaConCartella::smonta();
    }

private slots:
    void noPrinterMeansAMessageAndNoDialog()
    {
        servizi->stampanti.stampanti.clear();
        servizi->stampanti.predefinitaNome.clear();
        auto s = schermoNero(200, 100);
        StampaFPB(s.get(), 10, 10, 100, 100, 2, QString()); // would block if a dialog opened
        MotoreStampa::istanza().StampaVeloce(s.get(), SorgenteStampa::daSchermo(s.get()));
        QCOMPARE(servizi->dialoghi.messaggi.size(), 2);
        QVERIFY(servizi->dialoghi.messaggi[1].testo.contains(QStringLiteral("Non è installata nessuna stampante")));
        QVERIFY(servizi->dialoghi.messaggi[1].titolo.startsWith(TitoliStampa::Errore));
        // A default printer that has gone: the first installed one is offered instead.
        servizi->stampanti.stampanti = {QStringLiteral("Ufficio")};
        servizi->stampanti.predefinitaNome = QStringLiteral("Sparita");
        QCOMPARE(MotoreStampa::istanza().NomeStampantePredefinita(), QStringLiteral("Ufficio"));
    }

    void wrongSourcesAndParametersAreRefused()
    {
        QWidget finestra;
        QPushButton bottone(&finestra);
        bottone.setObjectName(QStringLiteral("PulsanteProva"));
        frmStampa d;
        QVERIFY(!d.prepara(&bottone, 10, 10, 100, 100, 1, QString()));
        QVERIFY(!d.prepara(riquadro.get(), 10, 10, 100, std::nullopt, 1, QString()));
        QVERIFY(!d.prepara(riquadro.get(), 10, 10, 100, 0, 1, QString())); // no ratio to keep
        QCOMPARE(servizi->dialoghi.messaggi.size(), 3);
        QCOMPARE(servizi->dialoghi.messaggi[0].testo, QStringLiteral("Stampa di PulsanteProva\n\nL' oggetto da stampare\ne' di tipo errato."));
        QCOMPARE(servizi->dialoghi.messaggi[2].testo, QStringLiteral("Parametri errati."));
    }

    void openingShowsTheCallersPlacementAndClampsTheFields()
    {
        frmStampa d;
        QVERIFY(d.prepara(riquadro.get(), 10, 10, 100, 100, 1, QString()));
        QCOMPARE(trova<QComboBox>(&d, "cboPrinterNames")->currentText(), QStringLiteral("Aula"));
        // The caller's margins and width stand; the height follows the clown, not the caller's 100.
        const float p = d.geometria().Proporzione;
        QVERIFY2(p > 0.4f && p < 0.7f, qPrintable(QString::number(p)));
        const int altezza = GeometriaStampa::Arrotonda(100 / p);
        QCOMPARE(testo(&d, "txtPrH"), QString::number(altezza));
        // The preview agrees with the fields within half a millimetre.
        auto *anteprima = trova<AnteprimaStampa>(&d, "picPreview");
        const double kx = anteprima->width() / 200.0, ky = anteprima->height() / 287.0;
        const QRectF r = anteprima->rettangolo();
        QVERIFY(entroMezzoMm(QRectF(r.x() / kx, r.y() / ky, r.width() / kx, r.height() / ky), QRectF(10, 10, 100, altezza)));

        scrivi(&d, "txtPrX", QStringLiteral("-5"));
        QCOMPARE(d.geometria().StampaX_mm, 5);
        scrivi(&d, "txtPrW", QStringLiteral("2500"));
        QCOMPARE(testo(&d, "txtPrW"), QStringLiteral("2000"));
        QTest::keyClick(trova<QLineEdit>(&d, "txtPrW"), Qt::Key_Backspace); // the whole field was selected
        QCOMPARE(testo(&d, "txtPrW"), QStringLiteral("1"));
        scrivi(&d, "txtNCopies", QStringLiteral("500"));
        QCOMPARE(MotoreStampa::istanza().NumeroCopie, 100);
        // Proportions on: the height follows the width, the arrows included; off, it stays.
        scrivi(&d, "txtPrW", QStringLiteral("150"));
        trova<SuGiu>(&d, "updPrW")->passo(+1);
        QCOMPARE(testo(&d, "txtPrH"), QString::number(GeometriaStampa::Arrotonda(151 / p)));
        QTest::mouseClick(trova<QCheckBox>(&d, "chkProporzioni"), Qt::LeftButton);
        scrivi(&d, "txtPrW", QStringLiteral("120"));
        QCOMPARE(testo(&d, "txtPrH"), QString::number(GeometriaStampa::Arrotonda(151 / p)));
        // Centred: the margin fields are locked.
        QTest::mouseClick(trova<QCheckBox>(&d, "chkCentro"), Qt::LeftButton);
        QVERIFY(!trova<QWidget>(&d, "txtPrX")->isEnabled());
        QCOMPARE(testo(&d, "txtPrX"), QStringLiteral("40"));
    }

    void copiesAreOneToAHundredAndEachIsAJob()
    {
        auto s = schermoNero(200, 100);
        frmStampa d;
        QVERIFY(d.prepara(s.get(), 10, 10, 100, 100, 2, QStringLiteral("Vero - falso")));
        scrivi(&d, "txtNCopies", QStringLiteral("2"));
        d.cmdStampa_Click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const QStringList lavori = servizi->stampanti.lavori();
        QCOMPARE(lavori.size(), 2);
        for (const QString &l : lavori)
            QCOMPARE(paginePdF(l), QList<QSize>{QSize(842, 595)});
        QCOMPARE(MotoreStampa::istanza().NumeroCopie, 2); // offered again next time

        // Emptied: one copy.
        frmStampa vuoto;
        QVERIFY(vuoto.prepara(riquadro.get(), 10, 10, 100, 100, 1, QString()));
        scrivi(&vuoto, "txtNCopies", QString());
        QTest::keyClick(trova<QLineEdit>(&vuoto, "txtNCopies"), Qt::Key_Backspace);
        vuoto.cmdStampa_Click();
        QCOMPARE(vuoto.result(), int(QDialog::Accepted));
        QCOMPARE(servizi->stampanti.lavori().size(), 3);

        // 0: refused with a message, nothing printed, the dialog stays.
        frmStampa zero;
        QVERIFY(zero.prepara(riquadro.get(), 10, 10, 100, 100, 1, QString()));
        scrivi(&zero, "txtNCopies", QStringLiteral("0"));
        zero.cmdStampa_Click();
        QCOMPARE(zero.result(), int(QDialog::Rejected));
        QCOMPARE(servizi->stampanti.lavori().size(), 3);
        QCOMPARE(servizi->dialoghi.messaggi.size(), 1);
        QVERIFY(servizi->dialoghi.messaggi[0].testo.contains(QStringLiteral("copie")));
        QCOMPARE(testo(&zero, "txtNCopies"), QStringLiteral("0"));
    }

    void tooLargeAsksToRescale()
    {
        MotoreStampa &m = MotoreStampa::istanza();
        QString nome;
        QVERIFY(m.ApriStampante(nullptr, nome));
        m.NomeStampante = nome;
        m.NumeroCopie = 1;
        GeometriaStampa g;
        g.StampaX_mm = 100;
        g.StampaY_mm = 10;
        g.StampaW_mm = g.StampaH_mm = 150;
        const SorgenteStampa s = SorgenteStampa::daRiquadro(riquadro.get());
        servizi->dialoghi.scelte = {Dialogs::Cancel, Dialogs::Yes}; // the scale question
        QCOMPARE(m.StampaOggetto(nullptr, s, g, QString()), MotoreStampa::Esito::Annullato);
        QCOMPARE(servizi->stampanti.lavori().size(), 0);
        QCOMPARE(m.StampaOggetto(nullptr, s, g, QString()), MotoreStampa::Esito::Stampato);
        QCOMPARE(servizi->stampanti.lavori().size(), 1);
        // A negative margin asks too.
        g = GeometriaStampa();
        g.StampaX_mm = -10;
        servizi->dialoghi.scelte = {Dialogs::Cancel};
        QCOMPARE(m.StampaOggetto(nullptr, s, g, QString()), MotoreStampa::Esito::Annullato);
        QVERIFY(servizi->dialoghi.scelte.empty());
        // A printer gone since it was chosen: a message naming it.
        m.NomeStampante = QStringLiteral("Sparita");
        QCOMPARE(m.StampaOggetto(nullptr, s, g, QString()), MotoreStampa::Esito::Fallito);
        QCOMPARE(servizi->dialoghi.messaggi.size(), 1);
        QVERIFY(servizi->dialoghi.messaggi[0].testo.contains(QStringLiteral("\"Sparita\"")));
    }

    void theSheetShowsWhatTheFieldsSay()
    {
        // The fake printers reach up to 5 mm from the sheet's edge: the fields count from there.
        const QPointF margine(5, 5);
        const auto stampa = [&](frmStampa &d) -> QRectF {
            const qsizetype prima = servizi->stampanti.lavori().size();
            d.cmdStampa_Click();
            if (d.result() != QDialog::Accepted || servizi->stampanti.lavori().size() != prima + 1)
                return {};
            return inchiostroMm(servizi->stampanti.lavori().last());
        };
        const auto campi = [&](const frmStampa &d) {
            const GeometriaStampa &g = d.geometria();
            return QRectF(g.StampaX_mm, g.StampaY_mm, g.StampaW_mm, g.StampaH_mm).translated(margine);
        };

        // The picture page's clown: its ink starts at the margins and is as wide as asked.
        frmStampa pagina;
        QVERIFY(pagina.prepara(riquadro.get(), 10, 10, 100, 100, 1, QString()));
        QCOMPARE(trova<QLabel>(&pagina, "lblFgW")->text(), QStringLiteral("200")); // the printer's own margins
        QRectF inchiostro = stampa(pagina);
        QVERIFY2(entroMezzoMm(inchiostro, campi(pagina)), qPrintable(QStringLiteral("%1 %2 %3 %4").arg(inchiostro.x()).arg(inchiostro.y()).arg(inchiostro.width()).arg(inchiostro.height())));
        QCOMPARE(campi(pagina).topLeft(), QPointF(15, 15));

        // A screen twice as wide as high: 100 x 50 at 10, 10, not lower.
        auto s = schermoNero(200, 100);
        frmStampa schermo;
        QVERIFY(schermo.prepara(s.get(), 10, 10, 100, 100, 1, QString()));
        QCOMPARE(campi(schermo), QRectF(15, 15, 100, 50));
        QVERIFY(entroMezzoMm(stampa(schermo), campi(schermo)));

        // "M a x" in proportion: the clown is as high as the printable area.
        frmStampa alto;
        QVERIFY(alto.prepara(riquadro.get(), 10, 10, 100, 100, 1, QString()));
        alto.cmdMax_Click();
        QCOMPARE(alto.geometria().StampaH_mm, 287);
        QVERIFY(entroMezzoMm(stampa(alto), campi(alto)));

        // "M a x" without proportions: the whole printable area.
        frmStampa tutto;
        QVERIFY(tutto.prepara(s.get(), 10, 10, 100, 100, 1, QString()));
        QTest::mouseClick(trova<QCheckBox>(&tutto, "chkProporzioni"), Qt::LeftButton);
        tutto.cmdMax_Click();
        QCOMPARE(campi(tutto), QRectF(5, 5, 200, 287));
        QVERIFY(entroMezzoMm(stampa(tutto), campi(tutto)));

        // Centred and wider than the sheet, "Sì" to the scale question: wholly on the sheet, centred.
        frmStampa grande;
        QVERIFY(grande.prepara(s.get(), 10, 10, 300, 100, 1, QString()));
        QTest::mouseClick(trova<QCheckBox>(&grande, "chkCentro"), Qt::LeftButton);
        QCOMPARE(grande.geometria().StampaX_mm, -50);
        servizi->dialoghi.scelte = {Dialogs::Yes};
        QVERIFY(entroMezzoMm(stampa(grande), QRectF(5, 99, 200, 100)));
        QVERIFY(servizi->dialoghi.scelte.empty());
    }

    void aFailedPrintIsToldAndTheDialogStays()
    {
        // The printers' files go to a read-only file system.
        QTemporaryDir sola;
        QVERIFY(QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                            QStringLiteral("ro,size=1m"), QStringLiteral("tmpfs"), sola.path()}) == 0);
        const auto smonta = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {sola.path()}); });
        servizi->stampanti.uscita = sola.path();

        auto s = schermoNero(200, 100);
        frmStampa d;
        QVERIFY(d.prepara(s.get(), 10, 10, 100, 100, 1, QString()));
        trova<QComboBox>(&d, "cboPrinterNames")->setCurrentIndex(0);
        d.cboPrinterNames_Click();
        d.cmdStampa_Click();
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(servizi->dialoghi.messaggi.size(), 1);
        QVERIFY(servizi->dialoghi.messaggi[0].testo.contains(QStringLiteral("\"Ufficio\" non è riuscita")));
        QVERIFY(servizi->dialoghi.messaggi[0].titolo.startsWith(TitoliStampa::Errore));
        // The earlier choice stays: the list still on the printer picked, the printer that
        // prints still the one from before.
        QCOMPARE(trova<QComboBox>(&d, "cboPrinterNames")->currentText(), QStringLiteral("Ufficio"));
        QCOMPARE(MotoreStampa::istanza().NomeStampante, QStringLiteral("Aula"));

        QVERIFY(!MotoreStampa::istanza().StampaVeloce(s.get(), SorgenteStampa::daSchermo(s.get())));
        QCOMPARE(servizi->dialoghi.messaggi.size(), 2);
        QVERIFY(servizi->dialoghi.messaggi[1].testo.contains(QStringLiteral("\"Aula\"")));
    }

    void thePrinterSetUpInTheDialogIsTheOnePrinting()
    {
        servizi->stampanti.margineProprieta = 20;
        auto s = schermoNero(200, 100);
        frmStampa d;
        QVERIFY(d.prepara(s.get(), 10, 10, 100, 100, 1, QString()));
        d.cmdProprieta_Click();
        QCOMPARE(trova<QLabel>(&d, "lblFgW")->text(), QStringLiteral("170"));
        d.cmdStampa_Click();
        QCOMPARE(servizi->stampanti.lavori().size(), 1);
        QVERIFY(entroMezzoMm(inchiostroMm(servizi->stampanti.lavori().first()), QRectF(30, 30, 100, 50)));
    }

    void aScreenPrintKeepsWhatLayOverTheClown()
    {
        QWidget schermo;
        schermo.resize(400, 300);
        auto *clown = new MovieView(&schermo);
        clown->setGeometry(0, 0, 200, 300);
        clown->Movie(App::Path() + QStringLiteral("\\swf\\zanfrone1.swf"));
        QVERIFY(clown->isLoaded());
        auto *sopra = new QWidget(&schermo); // stands for the assistant, in front of the clown
        sopra->setAutoFillBackground(true);
        QPalette rosso = sopra->palette();
        rosso.setColor(QPalette::Window, Qt::red);
        sopra->setPalette(rosso);
        sopra->setGeometry(50, 100, 100, 100);
        const SorgenteStampa sorgente = SorgenteStampa::daSchermo(&schermo);

        QImage pagina(800, 600, QImage::Format_RGB32);
        pagina.fill(Qt::white);
        QPainter p(&pagina);
        MotoreStampa::DisegnaPagina(p, sorgente, QRectF(0, 0, 800, 600));
        p.end();
        QCOMPARE(pagina.pixelColor(200, 300), QColor(Qt::red));
        QVERIFY(pagina.pixelColor(200, 100) != QColor(Qt::red));
    }

    void closeRestoresTheSettingsAndOkKeepsThem()
    {
        servizi->stampanti.orientamentoProprieta = QPageLayout::Landscape;
        const auto cambia = [](frmStampa &d) {
            trova<QComboBox>(&d, "cboPrinterNames")->setCurrentIndex(0);
            d.cboPrinterNames_Click();
            d.cmdProprieta_Click();
        };
        frmStampa d;
        QVERIFY(d.prepara(riquadro.get(), 10, 10, 100, 100, {}, QString()));
        scrivi(&d, "txtNCopies", QStringLiteral("3"));
        cambia(d);
        QCOMPARE(trova<QLabel>(&d, "lblFgW")->text(), QStringLiteral("287"));
        d.cmdChiudi_Click();
        QCOMPARE(MotoreStampa::istanza().NumeroCopie, 0);
        QCOMPARE(MotoreStampa::istanza().Impostazioni.orientamento, 1);
        QCOMPARE(MotoreStampa::istanza().NomeStampante, QStringLiteral("Aula"));

        // Settings only (no source): "OK" keeps the printer and its settings.
        frmStampa o;
        QVERIFY(o.prepara(nullptr, 0, 0, 0, {}, {}, {}));
        cambia(o);
        o.cmdOK_Click();
        QCOMPARE(MotoreStampa::istanza().NomeStampante, QStringLiteral("Ufficio"));
        QCOMPARE(MotoreStampa::istanza().Impostazioni.orientamento, 2);
    }
};

ZANFRONI_TEST_MAIN(TestStampa)
#include "tst_stampa.moc"
