#include "AiutiStampa.h"
#include "Falsi.h"
#include "StampantiFinte.h"
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
#include <QPushButton>
#include <QtTest>

namespace {
// A plain black window of the given size: a screen whose print is easy to find on the page.
std::unique_ptr<QWidget> schermoNero(int w, int h)
{
    auto s = std::make_unique<QWidget>();
    s->setObjectName(QStringLiteral("FormProva"));
    s->setAutoFillBackground(true);
    QPalette p = s->palette();
    p.setColor(QPalette::Window, Qt::black);
    s->setPalette(p);
    s->resize(w, h);
    return s;
}

template <class T> T *trova(QWidget *d, const char *nome) { return d->findChild<T *>(QString::fromLatin1(nome)); }
QString testo(QWidget *d, const char *nome) { return trova<QLineEdit>(d, nome)->text(); }
void scrivi(QWidget *d, const char *nome, const QString &t)
{
    QLineEdit *c = trova<QLineEdit>(d, nome);
    c->setFocus();
    c->selectAll();
    QTest::keyClicks(c, t);
}
} // namespace

class TestStampa : public QObject
{
    Q_OBJECT
    std::unique_ptr<DialoghiFinti> dialoghi;
    std::unique_ptr<StampantiFinte> stampanti;
    std::unique_ptr<RadiceTemporanea> radice;
    std::unique_ptr<RiquadroDisegno> riquadro;
    QList<MotoreStampa::RispostaScala> domandeScala;

private slots:
    void init()
    {
        radice = std::make_unique<RadiceTemporanea>();
        dialoghi = std::make_unique<DialoghiFinti>();
        stampanti = std::make_unique<StampantiFinte>();
        riquadro = std::make_unique<RiquadroDisegno>();
        riquadro->setObjectName(QStringLiteral("Picture1"));
        riquadro->resize(193, 345);
        riquadro->caricaDisegno(Immagini::Disegno(3));
        domandeScala.clear();
        MotoreStampa::domandaScala = [this](QWidget *) {
            return domandeScala.isEmpty() ? MotoreStampa::RispostaScala::Annulla : domandeScala.takeFirst();
        };
    }
    void cleanup()
    {
        riquadro.reset();
        stampanti.reset();
        dialoghi.reset();
        radice.reset();
    }

    void noPrinterMeansAMessageAndNoDialog()
    {
        stampanti->stampanti.clear();
        stampanti->predefinitaNome.clear();
        auto s = schermoNero(200, 100);
        StampaFPB(s.get(), 10, 10, 100, 100, 2, QString()); // would block if a dialog opened
        MotoreStampa::istanza().StampaVeloce(s.get(), SorgenteStampa::daSchermo(s.get()));
        QCOMPARE(dialoghi->messaggi.size(), 2);
        for (const auto &m : dialoghi->messaggi) {
            QVERIFY(m.testo.contains(QStringLiteral("Non è installata nessuna stampante")));
            QVERIFY(m.titolo.startsWith(TitoliStampa::Errore));
            QCOMPARE(m.icona, Dialogs::Critical);
        }
        // A default printer that has gone: the first installed one is offered instead.
        stampanti->stampanti = {QStringLiteral("Ufficio")};
        stampanti->predefinitaNome = QStringLiteral("Sparita");
        QCOMPARE(MotoreStampa::istanza().GetDefPrinterName(), QStringLiteral("Ufficio"));
    }

    void wrongSourcesAndParametersAreRefused()
    {
        QWidget finestra;
        QPushButton bottone(&finestra);
        bottone.setObjectName(QStringLiteral("Command1"));
        QObject oggetto;
        frmStampa d;
        QVERIFY(!d.prepara(&bottone, 10, 10, 100, 100, 1, QString()));
        QVERIFY(!d.prepara(&oggetto, 10, 10, 100, 100, 1, QString()));
        QVERIFY(!d.prepara(riquadro.get(), 10, 10, 100, std::nullopt, 1, QString()));
        QVERIFY(!d.prepara(riquadro.get(), 10, 10, 100, 0, 1, QString())); // no ratio to keep
        QCOMPARE(dialoghi->messaggi.size(), 4);
        QCOMPARE(dialoghi->messaggi[0].testo, QStringLiteral("Stampa di Command1\n\nL' oggetto da stampare\ne' di tipo errato."));
        QCOMPARE(dialoghi->messaggi[3].testo, QStringLiteral("Parametri errati."));
    }

    void openingShowsTheCallersPrintOnTheDefaultPrinter()
    {
        frmStampa d;
        QVERIFY(d.prepara(riquadro.get(), 10, 10, 100, 100, 1, QString()));
        QCOMPARE(d.windowTitle(), QStringLiteral("  Stampa zanfrone "));
        QCOMPARE(trova<QComboBox>(&d, "cboPrinterNames")->currentText(), QStringLiteral("Aula"));
        QCOMPARE(testo(&d, "txtPrX") + testo(&d, "txtPrY") + QLatin1Char('/') + testo(&d, "txtPrW") + QLatin1Char('/')
                     + testo(&d, "txtPrH"),
                 QStringLiteral("1010/100/100"));
        QCOMPARE(trova<AnteprimaStampa>(&d, "picPreview")->rettangolo(), QRect(4, 4, 44, 44)); // 10/100 mm of 200 x 287 at 89 x 127 px

        // Landscape asked: the sheet turns; "Chiudi" gives the old settings back.
        frmStampa o;
        QVERIFY(o.prepara(riquadro.get(), 10, 10, 100, 100, 2, QStringLiteral("Prova")));
        QCOMPARE(trova<QLabel>(&o, "lblFgW")->text(), QStringLiteral("287"));
        o.cmdChiudi_Click();
        QCOMPARE(MotoreStampa::istanza().DevModeStampante.dmOrientation, 1);

        // No source: printer settings only.
        frmStampa imp;
        QVERIFY(imp.prepara(nullptr, 0, 0, 0, {}, {}, {}));
        QVERIFY(imp.findChild<QPushButton *>(QStringLiteral("cmdOK"))->isVisibleTo(&imp));
        QVERIFY(!imp.findChild<QWidget *>(QStringLiteral("txtNCopies"))->isVisibleTo(&imp));
    }

    void fieldsTakeDigitsOnlyAndStayInRange()
    {
        frmStampa d;
        QVERIFY(d.prepara(riquadro.get(), 10, 10, 100, 100, 1, QString()));
        scrivi(&d, "txtPrX", QStringLiteral("-5"));
        QCOMPARE(d.geometria().StampaX_mm, 5);
        scrivi(&d, "txtPrW", QStringLiteral("2500"));
        QCOMPARE(testo(&d, "txtPrW"), QStringLiteral("2000"));
        QTest::keyClick(trova<QLineEdit>(&d, "txtPrW"), Qt::Key_Backspace); // the whole field was selected
        QCOMPARE(testo(&d, "txtPrW"), QStringLiteral("1"));
        // Proportions on (ratio 1): the height follows the width, the arrows included.
        scrivi(&d, "txtPrW", QStringLiteral("150"));
        QCOMPARE(testo(&d, "txtPrH"), QStringLiteral("150"));
        trova<SuGiu>(&d, "updPrW")->passo(+1);
        QCOMPARE(testo(&d, "txtPrH"), QStringLiteral("151"));
        scrivi(&d, "txtNCopies", QStringLiteral("500"));
        QCOMPARE(MotoreStampa::istanza().NumeroCopie, 100);
        QTest::mouseClick(trova<QCheckBox>(&d, "chkProporzioni"), Qt::LeftButton); // off
        scrivi(&d, "txtPrW", QStringLiteral("120"));
        QCOMPARE(testo(&d, "txtPrH"), QStringLiteral("151"));

        // Centre, then max: margins follow, margin fields locked.
        scrivi(&d, "txtPrW", QStringLiteral("100"));
        scrivi(&d, "txtPrH", QStringLiteral("100"));
        QTest::mouseClick(trova<QCheckBox>(&d, "chkCentro"), Qt::LeftButton);
        QCOMPARE(testo(&d, "txtPrX") + QLatin1Char('/') + testo(&d, "txtPrY"), QStringLiteral("50/94"));
        QVERIFY(!trova<QWidget>(&d, "txtPrX")->isEnabled());
        QTest::mouseClick(trova<QCheckBox>(&d, "chkCentro"), Qt::LeftButton);
        QTest::mouseClick(trova<QCheckBox>(&d, "chkProporzioni"), Qt::LeftButton); // on again: ratio 1
        d.cmdMax_Click();
        QCOMPARE(testo(&d, "txtPrW") + QLatin1Char('/') + testo(&d, "txtPrH") + QLatin1Char('/') + testo(&d, "txtPrX"),
                 QStringLiteral("200/200/0"));
        d.cmdOrigine_Click();
        QCOMPARE(QPoint(d.geometria().StampaX_mm, d.geometria().StampaY_mm), QPoint(0, 0));
    }

    void printsOneJobPerCopyAtTheAskedOrientation()
    {
        auto s = schermoNero(200, 100);
        bool accettato = false;
        alModale("frmStampa", [&](QWidget *w) {
            auto *d = static_cast<frmStampa *>(w);
            scrivi(d, "txtNCopies", QStringLiteral("2"));
            d->cmdStampa_Click();
            accettato = d->result() == QDialog::Accepted;
            if (d->isVisible())
                d->reject();
        });
        StampaFPB(s.get(), 10, 10, 100, 100, 2, QStringLiteral("Vero - falso"));
        QVERIFY(accettato);
        const QStringList lavori = stampanti->lavori();
        QCOMPARE(lavori.size(), 2);
        for (const QString &l : lavori)
            QCOMPARE(paginePdF(l), QList<QSize>{QSize(842, 595)});
        QCOMPARE(MotoreStampa::istanza().NumeroCopie, 2); // offered again next time
        QCOMPARE(MotoreStampa::istanza().NomeStampante, QStringLiteral("Aula"));

        // Copies emptied: nothing printed, the dialog closes.
        alModale("frmStampa", [&](QWidget *w) {
            auto *d = static_cast<frmStampa *>(w);
            QCOMPARE(testo(d, "txtNCopies"), QStringLiteral("2"));
            scrivi(d, "txtNCopies", QString());
            QTest::keyClick(trova<QLineEdit>(d, "txtNCopies"), Qt::Key_Backspace);
            d->cmdStampa_Click();
            if (d->isVisible())
                d->reject();
        });
        StampaFPB(riquadro.get(), 10, 10, 100, 100, 1, QString());
        QCOMPARE(stampanti->lavori().size(), 2);
        QVERIFY(dialoghi->messaggi.isEmpty());
    }

    void tooLargeAsksToRescale()
    {
        MotoreStampa &m = MotoreStampa::istanza();
        QString nome;
        QVERIFY(m.OpenDocPrinter(nullptr, nome));
        m.NomeStampante = nome;
        m.NumeroCopie = 1;
        GeometriaStampa g;
        g.StampaX_mm = 100;
        g.StampaY_mm = 10;
        g.StampaW_mm = g.StampaH_mm = 150;
        const SorgenteStampa s = SorgenteStampa::daRiquadro(riquadro.get());
        domandeScala = {MotoreStampa::RispostaScala::Annulla, MotoreStampa::RispostaScala::Si};
        QVERIFY(!m.StampaOggetto(nullptr, s, g, QString()));
        QCOMPARE(stampanti->lavori().size(), 0);
        QVERIFY(m.StampaOggetto(nullptr, s, g, QString()));
        QCOMPARE(stampanti->lavori().size(), 1);
        QVERIFY(domandeScala.isEmpty());
        // A printer gone since it was chosen: a message, and the dialog may close.
        m.NomeStampante = QStringLiteral("Sparita");
        QVERIFY(m.StampaOggetto(nullptr, s, g, QString()));
        QCOMPARE(dialoghi->messaggi.size(), 1);
        QVERIFY(dialoghi->messaggi[0].titolo.startsWith(TitoliStampa::Errore));
    }

    void printLandsWhereTheMarginsSay()
    {
        // The page drawing at 4 px/mm on a 200 x 287 mm area: a square screen fills the square.
        GeometriaStampa g;
        g.FoglioW_mm = 200;
        g.FoglioH_mm = 287;
        g.StampaX_mm = g.StampaY_mm = 10;
        QImage pagina(800, 1148, QImage::Format_RGB32);
        auto quadrato = schermoNero(100, 100);
        pagina.fill(Qt::white);
        {
            QPainter p(&pagina);
            MotoreStampa::DisegnaPagina(p, SorgenteStampa::daSchermo(quadrato.get()), g.InUnita(4, 4));
        }
        QCOMPARE(inchiostro(pagina), QRect(40, 40, 400, 400));
        // A wide screen keeps its shape, centred in the rectangle.
        auto largo = schermoNero(200, 100);
        pagina.fill(Qt::white);
        {
            QPainter p(&pagina);
            MotoreStampa::DisegnaPagina(p, SorgenteStampa::daSchermo(largo.get()), g.InUnita(4, 4));
        }
        QCOMPARE(inchiostro(pagina), QRect(40, 140, 400, 200));
    }

    void closeRestoresCopiesAndPrinterSettings()
    {
        stampanti->orientamentoProprieta = QPageLayout::Landscape;
        frmStampa d;
        QVERIFY(d.prepara(riquadro.get(), 10, 10, 100, 100, {}, QString()));
        auto *lista = trova<QComboBox>(&d, "cboPrinterNames");
        lista->setCurrentIndex(0);
        d.cboPrinterNames_Click();
        QCOMPARE(d.StampanteScelta(), QStringLiteral("Ufficio"));
        scrivi(&d, "txtNCopies", QStringLiteral("3"));
        d.cmdProprieta_Click();
        QCOMPARE(stampanti->chiamateProprieta, 1);
        QCOMPARE(trova<QLabel>(&d, "lblFgW")->text(), QStringLiteral("287"));
        d.cmdChiudi_Click();
        QCOMPARE(MotoreStampa::istanza().NumeroCopie, 0);
        QCOMPARE(MotoreStampa::istanza().DevModeStampante.dmOrientation, 1);
        QCOMPARE(MotoreStampa::istanza().NomeStampante, QStringLiteral("Aula"));

        // Settings mode "OK" keeps the printer and its settings.
        frmStampa o;
        QVERIFY(o.prepara(nullptr, 0, 0, 0, {}, {}, {}));
        trova<QComboBox>(&o, "cboPrinterNames")->setCurrentIndex(0);
        o.cboPrinterNames_Click();
        o.cmdProprieta_Click();
        o.cmdOK_Click();
        QCOMPARE(MotoreStampa::istanza().NomeStampante, QStringLiteral("Ufficio"));
        QCOMPARE(MotoreStampa::istanza().DevModeStampante.dmOrientation, 2);
    }
};

QTEST_MAIN(TestStampa)
#include "tst_stampa.moc"
