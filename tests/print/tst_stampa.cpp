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
        QVERIFY(dialoghi->messaggi[1].testo.contains(QStringLiteral("Non è installata nessuna stampante")));
        QVERIFY(dialoghi->messaggi[1].titolo.startsWith(TitoliStampa::Errore));
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
        frmStampa d;
        QVERIFY(!d.prepara(&bottone, 10, 10, 100, 100, 1, QString()));
        QVERIFY(!d.prepara(riquadro.get(), 10, 10, 100, std::nullopt, 1, QString()));
        QVERIFY(!d.prepara(riquadro.get(), 10, 10, 100, 0, 1, QString())); // no ratio to keep
        QCOMPARE(dialoghi->messaggi.size(), 3);
        QCOMPARE(dialoghi->messaggi[0].testo, QStringLiteral("Stampa di Command1\n\nL' oggetto da stampare\ne' di tipo errato."));
        QCOMPARE(dialoghi->messaggi[2].testo, QStringLiteral("Parametri errati."));
    }

    void openingShowsTheCallersPlacementAndClampsTheFields()
    {
        frmStampa d;
        QVERIFY(d.prepara(riquadro.get(), 10, 10, 100, 100, 1, QString()));
        QCOMPARE(trova<QComboBox>(&d, "cboPrinterNames")->currentText(), QStringLiteral("Aula"));
        QCOMPARE(trova<AnteprimaStampa>(&d, "picPreview")->rettangolo(), QRect(4, 4, 44, 44)); // 10/100 mm of 200 x 287 at 89 x 127 px
        scrivi(&d, "txtPrX", QStringLiteral("-5"));
        QCOMPARE(d.geometria().StampaX_mm, 5);
        scrivi(&d, "txtPrW", QStringLiteral("2500"));
        QCOMPARE(testo(&d, "txtPrW"), QStringLiteral("2000"));
        QTest::keyClick(trova<QLineEdit>(&d, "txtPrW"), Qt::Key_Backspace); // the whole field was selected
        QCOMPARE(testo(&d, "txtPrW"), QStringLiteral("1"));
        scrivi(&d, "txtNCopies", QStringLiteral("500"));
        QCOMPARE(MotoreStampa::istanza().NumeroCopie, 100);
        // Proportions on (ratio 1): the height follows the width, the arrows included; off, it stays.
        scrivi(&d, "txtPrW", QStringLiteral("150"));
        trova<SuGiu>(&d, "updPrW")->passo(+1);
        QCOMPARE(testo(&d, "txtPrH"), QStringLiteral("151"));
        QTest::mouseClick(trova<QCheckBox>(&d, "chkProporzioni"), Qt::LeftButton);
        scrivi(&d, "txtPrW", QStringLiteral("120"));
        QCOMPARE(testo(&d, "txtPrH"), QStringLiteral("151"));
        // Centred: the margin fields are locked.
        QTest::mouseClick(trova<QCheckBox>(&d, "chkCentro"), Qt::LeftButton);
        QVERIFY(!trova<QWidget>(&d, "txtPrX")->isEnabled());
        QCOMPARE(testo(&d, "txtPrX"), QStringLiteral("40"));
    }

    void printsOneJobPerCopyAtTheAskedOrientation()
    {
        auto s = schermoNero(200, 100);
        const auto stampa = [&](const QString &copie) {
            alModale("frmStampa", [copie](QWidget *w) {
                auto *d = static_cast<frmStampa *>(w);
                scrivi(d, "txtNCopies", copie);
                if (copie.isEmpty())
                    QTest::keyClick(trova<QLineEdit>(d, "txtNCopies"), Qt::Key_Backspace);
                d->cmdStampa_Click();
                if (d->isVisible())
                    d->reject();
            });
        };
        stampa(QStringLiteral("2"));
        StampaFPB(s.get(), 10, 10, 100, 100, 2, QStringLiteral("Vero - falso"));
        const QStringList lavori = stampanti->lavori();
        QCOMPARE(lavori.size(), 2);
        for (const QString &l : lavori)
            QCOMPARE(paginePdF(l), QList<QSize>{QSize(842, 595)});
        QCOMPARE(MotoreStampa::istanza().NumeroCopie, 2); // offered again next time

        // Copies emptied: nothing printed, no message.
        stampa(QString());
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
        // A printer gone since it was chosen: a message, and the dialog may close.
        m.NomeStampante = QStringLiteral("Sparita");
        QVERIFY(m.StampaOggetto(nullptr, s, g, QString()));
        QCOMPARE(dialoghi->messaggi.size(), 1);
    }

    void printLandsWhereTheMarginsSay_data()
    {
        QTest::addColumn<QSize>("schermo");
        QTest::addColumn<QRect>("atteso");
        QTest::newRow("square fills the square") << QSize(100, 100) << QRect(40, 40, 400, 400);
        QTest::newRow("wide keeps its shape, centred") << QSize(200, 100) << QRect(40, 140, 400, 200);
    }
    void printLandsWhereTheMarginsSay()
    {
        QFETCH(QSize, schermo);
        QFETCH(QRect, atteso);
        // The page drawing at 4 px/mm on a 200 x 287 mm area.
        GeometriaStampa g;
        g.FoglioW_mm = 200;
        g.FoglioH_mm = 287;
        g.StampaX_mm = g.StampaY_mm = 10;
        QImage pagina(800, 1148, QImage::Format_RGB32);
        pagina.fill(Qt::white);
        auto s = schermoNero(schermo.width(), schermo.height());
        QPainter p(&pagina);
        MotoreStampa::DisegnaPagina(p, SorgenteStampa::daSchermo(s.get()), g.InUnita(4, 4));
        p.end();
        QCOMPARE(inchiostro(pagina), atteso);
    }

    void closeRestoresTheSettingsAndOkKeepsThem()
    {
        stampanti->orientamentoProprieta = QPageLayout::Landscape;
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
        QCOMPARE(MotoreStampa::istanza().DevModeStampante.dmOrientation, 1);
        QCOMPARE(MotoreStampa::istanza().NomeStampante, QStringLiteral("Aula"));

        // Settings only (no source): "OK" keeps the printer and its settings.
        frmStampa o;
        QVERIFY(o.prepara(nullptr, 0, 0, 0, {}, {}, {}));
        cambia(o);
        o.cmdOK_Click();
        QCOMPARE(MotoreStampa::istanza().NomeStampante, QStringLiteral("Ufficio"));
        QCOMPARE(MotoreStampa::istanza().DevModeStampante.dmOrientation, 2);
    }
};

QTEST_MAIN(TestStampa)
#include "tst_stampa.moc"
