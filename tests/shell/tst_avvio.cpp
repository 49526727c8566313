#include "ServiziDiProva.h"
#include "platform/PathResolver.h"
#include "platform/SingleInstance.h"
#include "shell/Avvio.h"
#include "shell/FormAvvio.h"
#include "shell/Profilo.h"

#include <QFile>
#include <QFontInfo>
#include <QtTest>

class TestAvvio : public QObject
{
    Q_OBJECT
private slots:
    void init() { radice = std::make_unique<RadiceTemporanea>(); }
    void cleanup() { radice.reset(); }

    // A first run, in an existing data folder or on a new account whose data folder has no parents yet.
    void firstRunCreatesTheFoldersTheReadMeAndInstallsTheFont_data()
    {
        QTest::addColumn<QString>("radiceDati"); // under the temporary folder
        QTest::newRow("existing data folder") << QString();
        QTest::newRow("new account") << QStringLiteral("casa/nuova/.local/share/");
    }
    void firstRunCreatesTheFoldersTheReadMeAndInstallsTheFont()
    {
        QFETCH(QString, radiceDati);
        ServiziDiProva servizi;
        DialoghiFinti &dialoghi = servizi.dialoghi;
        PathResolver::setRoot(radice->percorso(radiceDati));
        QVERIFY(PreparaCartelle());
        QVERIFY(QFileInfo(radice->percorso(radiceDati + QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni/dati"))).isDir());
        const QByteArray atteso =
            "Questa cartella contiene i files di impostazione dei programmi presenti nel sito https://www.zanfroni.it.\r\n"
            " \r\n"
            "Se qualche programma presenta problemi di funzionamento pu\xF2 essere utile cancellare il file *.ini "
            "relativo al programma in quata cartella.\r\n"
            " \r\n"
            "Non cancellare questo file.\r\n";
        QFile leggimi(radice->percorso(radiceDati + QStringLiteral("ImpostazioniProgrammiDorva/leggimi.txt")));
        QVERIFY(leggimi.open(QIODevice::ReadOnly));
        QCOMPARE(leggimi.readAll(), atteso);
        QVERIFY(QFile::exists(radice->percorso(radiceDati + QStringLiteral("fonts/indis1.ttf"))));
        QCOMPARE(dialoghi.messaggi.size(), 1);
        QVERIFY(dialoghi.messaggi[0].testo.startsWith(QStringLiteral("Ho installato il font")));
    }

    void onlyTheMissingFolderIsMadeAndTheFontIsNotLookedAt()
    {
        ServiziDiProva servizi;
        DialoghiFinti &dialoghi = servizi.dialoghi;
        QDir().mkpath(radice->percorso(QStringLiteral("IMPOSTAZIONIPROGRAMMIDORVA/zanfroni")));
        QVERIFY(PreparaCartelle());
        QVERIFY(QFileInfo(radice->percorso(QStringLiteral("IMPOSTAZIONIPROGRAMMIDORVA/zanfroni/dati"))).isDir());
        QVERIFY(!QFile::exists(radice->percorso(QStringLiteral("fonts/indis1.ttf"))));
        QVERIFY(dialoghi.messaggi.isEmpty());
        // "dati" and "Dati" are one folder: nothing more is created.
        QFile::remove(radice->percorso(QStringLiteral("IMPOSTAZIONIPROGRAMMIDORVA/leggimi.txt")));
        QVERIFY(PreparaCartelle());
        QVERIFY(!QFile::exists(radice->percorso(QStringLiteral("IMPOSTAZIONIPROGRAMMIDORVA/leggimi.txt"))));
    }

    void aFolderBlockedByAFileIsNamedAndStopsTheStart_data()
    {
        QTest::addColumn<QString>("blocco");  // the file in the way, under the temporary folder
        QTest::addColumn<QString>("radiceDati");
        QTest::newRow("the settings root") << QStringLiteral("ImpostazioniProgrammiDorva") << QString();
        QTest::newRow("above the data folder") << QStringLiteral("casa") << QStringLiteral("casa/.local/share");
    }
    void aFolderBlockedByAFileIsNamedAndStopsTheStart()
    {
        QFETCH(QString, blocco);
        QFETCH(QString, radiceDati);
        ServiziDiProva servizi;
        DialoghiFinti &dialoghi = servizi.dialoghi;
        QVERIFY(QFile(radice->percorso(blocco)).open(QIODevice::WriteOnly));
        if (!radiceDati.isEmpty())
            PathResolver::setRoot(radice->percorso(radiceDati));
        QVERIFY(!PreparaCartelle());
        QCOMPARE(dialoghi.messaggi.size(), 1);
        const QString testo = dialoghi.messaggi[0].testo;
        QVERIFY2(testo.contains(radice->percorso(blocco)) && testo.contains(QStringLiteral("c'è un file con lo stesso nome"))
                     && testo.endsWith(QStringLiteral("Il programma verrà chiuso.")) && !testo.contains(QStringLiteral("C:")),
                 qPrintable(testo));
    }

    void copiesLeftByAnInterruptedSaveGoOnlyOurs()
    {
        ServiziDiProva servizi;
        DialoghiFinti &dialoghi = servizi.dialoghi;
        QVERIFY(PreparaCartelle());
        const QString dorva = QStringLiteral("ImpostazioniProgrammiDorva/");
        QDir().mkpath(radice->percorso(dorva + QStringLiteral("Zanfroni/dati/Anna")));
        const QStringList nostre = {QStringLiteral("leggimi.txt.Ab12Cd"), QStringLiteral("Zanfroni/_predefinito.INI.FYtqZv"),
                                    QStringLiteral("Zanfroni/anna.ini.qwerty"), QStringLiteral("Zanfroni/dati/Anna/x.rpt.ZZ99aa")};
        const QStringList altrui = {QStringLiteral("altro.ini.Ab12Cd"), QStringLiteral("Zanfroni/anna.ini.illeggibile"),
                                    QStringLiteral("Zanfroni/anna.ini.abc"), QStringLiteral("Zanfroni/nota.txt.qwerty"),
                                    QStringLiteral("Zanfroni/anna.ini"), QStringLiteral("Zanfroni/dati/Anna/x.rpt")};
        for (const QString &f : nostre + altrui)
            QVERIFY(QFile(radice->percorso(dorva + f)).open(QIODevice::WriteOnly));
        RimuoviCopieInterrotte();
        for (const QString &f : nostre)
            QVERIFY2(!QFile::exists(radice->percorso(dorva + f)), qPrintable(f));
        for (const QString &f : altrui)
            QVERIFY2(QFile::exists(radice->percorso(dorva + f)), qPrintable(f));
    }

    void aSecondCopyIsRefused()
    {
        SingleInstance prima(radice->percorso());
        QVERIFY(!prima.alreadyRunning());
        SingleInstance seconda(radice->percorso());
        QVERIFY(seconda.alreadyRunning());
    }

    // The start screen has no cursive: the face is registered once it is drawn, or when it is left
    // before that, so the next screen has it in any case.
    void theStartScreenLeftBeforeItIsDrawnLeavesTheCursiveRegistered()
    {
        ServiziDiProva servizi;
        const auto corsivo = [] { return QFontInfo(QFont(QStringLiteral("Indis1"))).family().contains(QLatin1String("Ecolier")); };
        QVERIFY(!corsivo());
        auto *avvio = new FormAvvio; // deletes itself once closed
        avvio->apri();
        avvio->ApriMenu();
        QVERIFY(corsivo());
        avvio->chiudi();
    }

    void startUpNeverWritesAProfile()
    {
        ServiziDiProva servizi;
        DialoghiFinti &dialoghi = servizi.dialoghi;
        QVERIFY(PreparaCartelle());
        FileIni = CartellaImpostazioni + QStringLiteral("_predefinito.INI");
        CaricaProfilo();
        QVERIFY(QDir(radice->percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni")))
                    .entryList({QStringLiteral("*.ini"), QStringLiteral("*.INI")}).isEmpty());
        QCOMPARE(Profilo.VelocitaVoce, qint16(130));
    }

private:
    std::unique_ptr<RadiceTemporanea> radice;
};

ZANFRONI_TEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
