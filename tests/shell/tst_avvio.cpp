#include "Falsi.h"
#include "platform/PathResolver.h"
#include "platform/SingleInstance.h"
#include "shell/Avvio.h"
#include "shell/Profilo.h"

#include <QFile>
#include <QtTest>

class TestAvvio : public QObject
{
    Q_OBJECT
    QByteArray leggimi() const
    {
        QFile f(radice->percorso(QStringLiteral("ImpostazioniProgrammiDorva/leggimi.txt")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() { radice = std::make_unique<RadiceTemporanea>(); }
    void cleanup() { radice.reset(); }

    void firstRunCreatesTheFoldersTheReadMeAndInstallsTheFont()
    {
        DialoghiFinti dialoghi;
        QVERIFY(PreparaCartelle());
        QVERIFY(QFileInfo(radice->percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni/dati"))).isDir());
        const QByteArray atteso =
            "Questa cartella contiene i files di impostazione dei programmi presenti nel sito https://www.zanfroni.it.\r\n"
            " \r\n"
            "Se qualche programma presenta problemi di funzionamento pu\xF2 essere utile cancellare il file *.ini "
            "relativo al programma in quata cartella.\r\n"
            " \r\n"
            "Non cancellare questo file.\r\n";
        QCOMPARE(leggimi(), atteso);
        QVERIFY(QFile::exists(radice->percorso(QStringLiteral("fonts/indis1.ttf"))));
        QCOMPARE(dialoghi.messaggi.size(), 1);
    }

    void onlyTheMissingFolderIsMadeAndTheFontIsNotLookedAt()
    {
        DialoghiFinti dialoghi;
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

    void aFolderThatCannotBeMadeStopsWithAMessage()
    {
        DialoghiFinti dialoghi;
        // A file where the root folder should be.
        QFile blocco(radice->percorso(QStringLiteral("ImpostazioniProgrammiDorva")));
        QVERIFY(blocco.open(QIODevice::WriteOnly));
        blocco.close();
        QVERIFY(!PreparaCartelle());
        QCOMPARE(dialoghi.messaggi.size(), 1);
        QVERIFY(dialoghi.messaggi[0].testo.contains(QStringLiteral("ImpostazioniProgrammiDorva")));
    }

    void aSecondCopyIsRefused()
    {
        SingleInstance prima(radice->percorso());
        QVERIFY(!prima.alreadyRunning());
        SingleInstance seconda(radice->percorso());
        QVERIFY(seconda.alreadyRunning());
    }

    void startUpNeverWritesAProfile()
    {
        DialoghiFinti dialoghi;
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

QTEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
