#include "Catalogo.h"
#include "Schermate.h"
#include "ProvaFresca.h"
#include "log/FormEserciziEseguiti.h"
#include "log/StampaGriglia.h"
#include "log/UscitaStampa.h"
#include "platform/TextFile.h"
#include "shell/Attivita.h"
#include "shell/Profilo.h"
#include "shell/Schermi.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QTableWidget>
#include <QProcess>
#include <QScopeGuard>
#include <QtTest>

class TestEserciziEseguiti : public ProvaConCartella
{
    Q_OBJECT


    FormEserciziEseguiti *apri()
    {
        auto *s = qobject_cast<FormEserciziEseguiti *>(Schermi::mostra(FormEserciziEseguiti::Nome));
        if (s && !QTest::qWaitFor([s] { return s->attivato(); }, 3000))
            return nullptr;
        return s;
    }
    static QString testo(FormEserciziEseguiti *s, const char *nome)
    {
        return s->findChild<QLabel *>(QString::fromLatin1(nome))->text();
    }
    void nessunErrore() { QCOMPARE(servizi->dialoghi.messaggi.size(), 0); }
    void soloErrore()
    {
        QCOMPARE(servizi->dialoghi.messaggi.size(), 1);
        QVERIFY(servizi->dialoghi.messaggi.takeFirst().testo.startsWith(QStringLiteral("Si è verificato un errore!")));
    }
    // The text of each sheet of a PDF file (poppler's pdftotext).
    static QList<QByteArray> fogli(const QString &pdf)
    {
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        if (!p.waitForFinished(30000) || p.exitCode() != 0)
            return {};
        QList<QByteArray> r = p.readAllStandardOutput().split('\f');
        r.removeLast(); // after the last sheet's form feed
        return r;
    }

    void prepara() override
    {
        ProvaConCartella::prepara();
        NomeUtente = QStringLiteral("Anna");
        SvuotaAttivita();
        Schermate::registraConMenuFinto();
    }
    void smonta() override
    {
        Schermate::chiudiTutte();
        ProvaConCartella::smonta();
    }

private slots:
    void theGridShowsTheActivityTable()
    {
        IniziaAttivita(QStringLiteral("Vero - falso"));
        ScriviRisultatoAttivita(2, 9, 1);
        ScriviRisultatoAttivita(3, 4, 5);
        IniziaAttivita(QStringLiteral("Insiemi"));
        auto *s = apri();
        QVERIFY(s);
        QCOMPARE(testo(s, "LabelNome"), QStringLiteral("Anna"));
        const Rapporto r = s->rapporto();
        QCOMPARE(r.righe.size(), int(NumeroAttivita));
        QCOMPARE(r.righe[0], (std::array<QString, 4>{QStringLiteral("Vero - falso"), QStringLiteral("2"), QStringLiteral("9"), QStringLiteral("1")}));
        QCOMPARE(r.righe[3][0], QStringLiteral("Insiemi"));
    }

    void savedAndReopenedReportsComeBackWhole()
    {
        IniziaAttivita(QStringLiteral("Uguale - Diverso"));
        ScriviRisultatoAttivita(1, 3, 2);
        auto *s = apri();
        QVERIFY(s);
        const QString file = radice->percorso(QStringLiteral("rapporto.rpt"));
        servizi->dialoghi.file.push_back(file);
        s->mnuSalva_Click();
        nessunErrore();
        QCOMPARE(servizi->dialoghi.richiesteFile[0].estensione, QStringLiteral("rpt"));
        // The user's report folder was made on the way, with the read-me file.
        QVERIFY(QFileInfo(servizi->dialoghi.richiesteFile[0].cartella).isDir());
        QVERIFY(QFile::exists(radice->percorso(QStringLiteral("ImpostazioniProgrammiDorva/leggimi.txt"))));
        const Rapporto salvato = s->rapporto();

        // Another user's table, then the report reopened: the saved name, date and rows come back.
        SvuotaAttivita();
        NomeUtente = QStringLiteral("Bruno");
        s->chiudi();
        s = apri();
        QVERIFY(s);
        QCOMPARE(s->rapporto().righe.size(), 0);
        servizi->dialoghi.file.push_back(file);
        s->mnuApri_Click();
        nessunErrore();
        QCOMPARE(s->rapporto(), salvato);
        QCOMPARE(testo(s, "LabelNome"), QStringLiteral("Anna"));
    }

    // A cell of 300 000 characters opens whole and prints its beginning at once, not in minutes.
    void aReportWithAHugeCellOpensAndPrintsQuickly()
    {
        auto *s = apri();
        QVERIFY(s);
        const QString file = radice->percorso(QStringLiteral("lungo.rpt"));
        const QString lungo = QStringLiteral("Insiemi ").repeated(37500);
        QVERIFY(TextFile::writeLines(file, {QStringLiteral("Anna"), QStringLiteral("Data"), QStringLiteral(" 2 "), lungo,
                                            QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QString()}));
        QElapsedTimer tempo;
        tempo.start();
        servizi->dialoghi.file.push_back(file);
        s->mnuApri_Click();
        QCOMPARE(s->rapporto().righe.value(0)[0], lungo);
        servizi->dialoghi.scelte.push_back(Dialogs::Yes);
        s->mnuStampa_Click();
        QCOMPARE(servizi->stampanti.lavori().size(), 1);
        QVERIFY2(tempo.elapsed() < 5000, qPrintable(QString::number(tempo.elapsed())));
        QCOMPARE(servizi->dialoghi.messaggi.size(), 1); // "Sto stampando", nothing else
    }

    void cancellingOrABadFileLeavesTheGridAsItWas()
    {
        IniziaAttivita(QStringLiteral("Insiemi"));
        auto *s = apri();
        QVERIFY(s);
        const Rapporto prima = s->rapporto();

        // Cancelled dialogs: no message, nothing written, nothing changed.
        s->mnuSalva_Click();
        s->mnuApri_Click();
        nessunErrore();
        QCOMPARE(s->rapporto(), prima);
        QCOMPARE(QDir(radice->percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni/dati/Anna"))).entryList(QDir::Files),
                 QStringList());

        // A report shorter than its row count, and a missing file: the message, the grid unchanged.
        const QString rotto = radice->percorso(QStringLiteral("rotto.rpt"));
        QVERIFY(TextFile::writeLines(rotto, {QStringLiteral("Carla"), QStringLiteral("Data"), QStringLiteral(" 4 "), QStringLiteral("Insiemi")}));
        servizi->dialoghi.file.push_back(rotto);
        s->mnuApri_Click();
        soloErrore();
        QCOMPARE(s->rapporto(), prima);
        servizi->dialoghi.file.push_back(radice->percorso(QStringLiteral("manca.rpt")));
        s->mnuApri_Click();
        soloErrore();
        QCOMPARE(s->rapporto(), prima);

        // A save that cannot be written says so.
        servizi->dialoghi.file.push_back(radice->percorso(QStringLiteral("non/esiste/x.rpt")));
        s->mnuSalva_Click();
        soloErrore();
    }

    void printingAsksFirstAndSaysWhenThereIsNoPrinter()
    {
        IniziaAttivita(QStringLiteral("Vero - falso"));
        auto *s = apri();
        QVERIFY(s);
        StampantiFinte &stampanti = servizi->stampanti;
        servizi->dialoghi.scelte.push_back(Dialogs::No);
        s->mnuStampa_Click();
        QCOMPARE(servizi->dialoghi.quesiti, QStringList{QStringLiteral("Avvio la stampa?")});
        QVERIFY(stampanti.lavori().isEmpty());

        // A full table goes on over more sheets instead of running off the first.
        for (int i = 0; i < 200; ++i)
            IniziaAttivita(QStringLiteral("Insiemi"));
        s->chiudi();
        s = apri();
        QVERIFY(s);
        servizi->dialoghi.scelte.push_back(Dialogs::Yes);
        s->mnuStampa_Click();
        QCOMPARE(stampanti.lavori().size(), 1);
        QCOMPARE(servizi->dialoghi.messaggi.takeFirst().testo, QStringLiteral("Sto stampando"));
        const QList<QByteArray> stampati = fogli(stampanti.lavori().first());
        QVERIFY(stampati.size() > 2);
        for (const QByteArray &foglio : stampati) // every sheet with rows begins with the header row
            QVERIFY(!foglio.contains("Insiemi") || foglio.contains("Esercizio"));

        const QStringList installate = stampanti.stampanti;
        stampanti.stampanti.clear();
        servizi->dialoghi.scelte.push_back(Dialogs::Yes);
        s->mnuStampa_Click();
        QCOMPARE(servizi->dialoghi.messaggi.size(), 1);
        QVERIFY(servizi->dialoghi.messaggi[0].testo.contains(QStringLiteral("stampante")));

        // A print that could not be written is told, naming where it went.
        QTemporaryDir sola;
        QCOMPARE(QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                             QStringLiteral("ro,size=1m"), QStringLiteral("tmpfs"), sola.path()}),
                 0);
        const auto smonta = qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {sola.path()}); });
        stampanti.stampanti = installate;
        stampanti.uscita = sola.path();
        servizi->dialoghi.scelte.push_back(Dialogs::Yes);
        s->mnuStampa_Click();
        QCOMPARE(servizi->dialoghi.messaggi.size(), 3); // "Sto stampando", then the failure
        QVERIFY(servizi->dialoghi.messaggi[2].testo.contains(QStringLiteral("\"Aula-2.pdf\" non è riuscita")));
    }

    void thePrintedTableSitsBelowTheHeadingAndFitsTheSheet()
    {
        // A4 landscape at 100 dots an inch.
        QImage foglio(1169, 827, QImage::Format_RGB32);
        foglio.setDotsPerMeterX(3937);
        foglio.setDotsPerMeterY(3937);
        foglio.fill(Qt::white);
        PaginaRegistro p{QStringLiteral("Anna"), QStringLiteral("Anna"), QStringLiteral("Data 1/2/24"), QStringLiteral("nota"),
                         {{QString(), QStringLiteral("Esercizio")}, {QStringLiteral("1"), QStringLiteral("Trova le differenze - 1°")}},
                         {600, 2000}, QFont(QStringLiteral("Arial"), 10)};
        QPainter painter(&foglio);
        UscitaStampa uscita(painter);
        uscita.setFont(p.fontGriglia);
        // A longer text is cut from the right just enough.
        const QString lungo = p.celle[1][1];
        const QString corto = AdattaTesto(uscita, lungo, 1000);
        QVERIFY(lungo.startsWith(corto) && uscita.LarghezzaTesto(corto) <= 1000);
        QVERIFY(uscita.LarghezzaTesto(lungo.left(corto.size() + 1)) > 1000);

        QRectF tabella = StampaGriglia(uscita, p, 2, 2);
        painter.end();
        QVERIFY(tabella.top() > 3 * 14 * 20); // below the name and date lines
        QCOMPARE(tabella.right(), 2 + 60 + 600 + 120 + 2000 + 120.0);
        // The column rule is on the sheet.
        QCOMPARE(foglio.pixelColor(int((2 + 600 + 120) * 100 / 1440), int(tabella.center().y() * 100 / 1440)), QColor(Qt::black));

        // Columns too wide for the sheet are narrowed to fit it.
        QImage stretto = foglio.copy(0, 0, 600, 827);
        QPainter p2(&stretto);
        UscitaStampa u2(p2);
        p.larghezze = {2000, 20000};
        tabella = StampaGriglia(u2, p, 2, 2);
        QVERIFY(tabella.right() <= 600 * 14.4);
        QVERIFY(tabella.right() > 600 * 14.4 - 200);
    }
};

ZANFRONI_TEST_MAIN(TestEserciziEseguiti)
#include "tst_eserciziEseguiti.moc"
