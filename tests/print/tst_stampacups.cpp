// Printing through a real CUPS queue (cups-pdf) of a private print server: the picture page, the
// print dialog, "veloce" and the log's page, the PDF files measured; then the queue refuses jobs.
#include "AiutiStampa.h"
#include "Catalogo.h"
#include "ServerCups.h"
#include "ProvaFresca.h"
#include "log/FormEserciziEseguiti.h"
#include "print/Form1.h"
#include "print/MotoreStampa.h"
#include "print/RiquadroDisegno.h"
#include "print/SorgenteStampa.h"
#include "print/frmStampa.h"
#include "shell/Attivita.h"
#include "shell/Profilo.h"
#include "shell/Schermi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <cstdio>

namespace {
QString testoRett(const QRectF &r)
{
    return QStringLiteral("%1, %2, %3 x %4 mm").arg(r.x(), 0, 'f', 1).arg(r.y(), 0, 'f', 1).arg(r.width(), 0, 'f', 1).arg(r.height(), 0, 'f', 1);
}
} // namespace

class TestStampaCups : public ProvaConCartella
{
    Q_OBJECT
    ServerCups &server;

    // The PDF the queue wrote for the newest job, once it is done.
    QString nuovoPdf(qsizetype prima)
    {
        if (!server.attendiLavori())
            return {};
        const QStringList pdf = server.pdf();
        return pdf.size() == prima + 1 ? pdf.last() : QString();
    }
    // Opens the print dialog the way the user does and acts in it.
    void nelDialogo(const std::function<void()> &apri, const std::function<void(frmStampa &)> &azione)
    {
        bool aperto = false;
        alModale("frmStampa", [&](QWidget *w) {
            aperto = true;
            auto *d = static_cast<frmStampa *>(w);
            azione(*d);
            if (d->isVisible())
                d->reject();
        });
        apri();
        QVERIFY(aperto);
    }

public:
    explicit TestStampaCups(ServerCups &s) : server(s) {}

protected:
    void prepara() override
    {
        ProvaConCartella::prepara();
        servizi->usa(PrinterCatalogue::system());
        MotoreStampa::istanza().azzera();
        NomeUtente = QStringLiteral("Anna");
        SvuotaAttivita();
        RegistraSchermi();
    }
    void smonta() override
    {
        server.accetta();
        ProvaConCartella::smonta();
    }

private slots:
    void thePicturePageAndTheDialogPrintThroughTheQueue()
    {
        Form1 pagina;
        pagina.show();
        // A clown at 10, 10 and 100 mm wide, copies emptied: one copy.
        QString campi, foglio;
        qsizetype prima = server.pdf().size();
        nelDialogo([&] { QTest::mouseClick(pagina.Disegni[0], Qt::LeftButton); }, [&](frmStampa &d) {
            QCOMPARE(trova<QComboBox>(&d, "cboPrinterNames")->currentText(), ServerCups::Coda);
            foglio = trova<QLabel>(&d, "lblFgW")->text() + QLatin1Char('x') + trova<QLabel>(&d, "lblFgH")->text();
            trova<QLineEdit>(&d, "txtNCopies")->clear();
            d.cmdStampa_Click();
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(foglio, QStringLiteral("210x297")); // the queue prints the whole sheet
        QVERIFY2(servizi->dialoghi.messaggi.isEmpty(), qPrintable(servizi->dialoghi.messaggi.value(0).testo));
        QString pdf = nuovoPdf(prima);
        QVERIFY2(!pdf.isEmpty(), qPrintable(server.registro()));
        QCOMPARE(paginePdF(pdf), QList<QSize>{QSize(595, 842)});
        const float p = SorgenteStampa::daRiquadro(pagina.Disegni[0]).proporzione();
        QRectF atteso(10, 10, 100, GeometriaStampa::Arrotonda(100 / p));
        QRectF inchiostro = inchiostroMm(pdf);
        QVERIFY2(entroMezzoMm(inchiostro, atteso), qPrintable(testoRett(inchiostro) + QStringLiteral(" != ") + testoRett(atteso)));

        // "M a x" in proportion: the clown as high as the sheet.
        prima = server.pdf().size();
        nelDialogo([&] { QTest::mouseClick(pagina.Disegni[1], Qt::LeftButton); }, [&](frmStampa &d) {
            d.cmdMax_Click();
            const GeometriaStampa &g = d.geometria();
            atteso = QRectF(g.StampaX_mm, g.StampaY_mm, g.StampaW_mm, g.StampaH_mm);
            d.cmdStampa_Click();
        });
        QCOMPARE(atteso.height(), 297.0);
        pdf = nuovoPdf(prima);
        QVERIFY2(!pdf.isEmpty(), qPrintable(server.registro()));
        inchiostro = inchiostroMm(pdf);
        QVERIFY2(entroMezzoMm(inchiostro, atteso), qPrintable(testoRett(inchiostro) + QStringLiteral(" != ") + testoRett(atteso)));
        pagina.mnuesci_Click();

        // A screen centred and wider than the sheet, "Sì" to the scale question: wholly on it.
        auto s = schermoNero(200, 100);
        prima = server.pdf().size();
        servizi->dialoghi.scelte.push_back(Dialogs::Yes);
        nelDialogo([&] { StampaFPB(s.get(), 10, 10, 300, 100, 1, QString()); }, [&](frmStampa &d) {
            QTest::mouseClick(trova<QCheckBox>(&d, "chkCentro"), Qt::LeftButton);
            d.cmdStampa_Click();
        });
        pdf = nuovoPdf(prima);
        QVERIFY2(!pdf.isEmpty(), qPrintable(server.registro()));
        inchiostro = inchiostroMm(pdf);
        QVERIFY2(entroMezzoMm(inchiostro, QRectF(0, 96, 210, 105)), qPrintable(testoRett(inchiostro)));
    }

    void theLogPagePrintsThroughTheQueue()
    {
        IniziaAttivita(QStringLiteral("Vero - falso"));
        ScriviRisultatoAttivita(1, 9, 1);
        auto *s = qobject_cast<FormEserciziEseguiti *>(Schermi::mostra(FormEserciziEseguiti::Nome));
        QVERIFY(s);
        const qsizetype prima = server.pdf().size();
        servizi->dialoghi.scelte.push_back(Dialogs::Yes);
        s->mnuStampa_Click();
        QCOMPARE(servizi->dialoghi.messaggi.size(), 1); // "Sto stampando" alone
        const QString pdf = nuovoPdf(prima);
        QVERIFY2(!pdf.isEmpty(), qPrintable(server.registro()));
        // The landscape page comes out turned on the sheet as the printer feeds it.
        QCOMPARE(paginePdF(pdf), QList<QSize>{QSize(595, 842)});
        const QRectF inchiostro = inchiostroMm(pdf);
        QVERIFY2(inchiostro.width() > 10 && inchiostro.height() > 50, qPrintable(testoRett(inchiostro)));
        s->chiudi();
    }

    void aQueueRefusingJobsIsTold()
    {
        QVERIFY(server.rifiuta());
        const qsizetype prima = server.pdf().size();
        const auto rifiutato = [](const DialoghiFinti::Messaggio &m) {
            return m.testo.contains(QStringLiteral("\"%1\" non è riuscita").arg(ServerCups::Coda))
                && m.testo.contains(QStringLiteral("non accetta"));
        };

        // The dialog says so and stays open, on the same printer and fields.
        Form1 pagina;
        pagina.show();
        bool aperto = false;
        QString campi;
        nelDialogo([&] { QTest::mouseClick(pagina.Disegni[2], Qt::LeftButton); }, [&](frmStampa &d) {
            d.cmdStampa_Click();
            aperto = d.isVisible();
            campi = trova<QLineEdit>(&d, "txtPrX")->text() + QLatin1Char(' ') + trova<QLineEdit>(&d, "txtPrW")->text();
        });
        QVERIFY(aperto);
        QCOMPARE(campi, QStringLiteral("10 100"));
        QCOMPARE(servizi->dialoghi.messaggi.size(), 1);
        QVERIFY2(rifiutato(servizi->dialoghi.messaggi[0]), qPrintable(servizi->dialoghi.messaggi[0].testo));

        // "veloce" too.
        auto s = schermoNero(200, 100);
        QVERIFY(!MotoreStampa::istanza().StampaVeloce(s.get(), SorgenteStampa::daSchermo(s.get())));
        QCOMPARE(servizi->dialoghi.messaggi.size(), 2);
        QVERIFY(rifiutato(servizi->dialoghi.messaggi[1]));

        // And the log's page.
        auto *registro = qobject_cast<FormEserciziEseguiti *>(Schermi::mostra(FormEserciziEseguiti::Nome));
        QVERIFY(registro);
        servizi->dialoghi.scelte.push_back(Dialogs::Yes);
        registro->mnuStampa_Click();
        QCOMPARE(servizi->dialoghi.messaggi.size(), 4); // "Sto stampando", then the failure
        QVERIFY(rifiutato(servizi->dialoghi.messaggi[3]));
        registro->chiudi();
        QCOMPARE(server.pdf().size(), prima);
    }
};

int main(int argc, char **argv)
{
    // A machine without the print server's packages skips; one that has them must run the test.
    const QString manca = ServerCups::mancante();
    if (!manca.isEmpty()) {
        std::printf("SKIP: %s\n", qPrintable(manca));
        return qEnvironmentVariableIsSet("CI") ? 1 : 77;
    }
    ServerCups server;
    QString motivo;
    if (!server.avvia(motivo)) {
        std::printf("FAIL: the private print server could not be set up: %s\n", qPrintable(motivo));
        return 1;
    }
    qputenv("CUPS_SERVER", server.indirizzo.toLatin1());
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    QApplication app(argc, argv);
    TestStampaCups test(server);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_stampacups.moc"
