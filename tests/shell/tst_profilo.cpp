#include "ServiziDiProva.h"
#include "platform/PathResolver.h"
#include "platform/TextFile.h"
#include "shell/Profilo.h"

#include <QFile>
#include <QtTest>

class TestProfilo : public QObject
{
    Q_OBJECT

    QByteArray leggi(const QString &file)
    {
        QFile f(PathResolver::native(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void scrivi(const QString &file, const QByteArray &dati)
    {
        QFile f(PathResolver::native(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(dati);
    }
    QByteArray canonico()
    {
        return QByteArray(" 130 \r\n 100 \r\nTrue\r\nFalse\r\nTrue\r\nArial\r\n 14 \r\nTrue\r\nFalse\r\n 0 \r\n 4 \r\n"
                          "FFFFCC\r\nsfondo\r\nsfondo\r\nsfondo\r\nsfondo\r\n00FF00\r\nverde\r\nverdi\r\nverde\r\nverdi\r\n"
                          "FF0000\r\nrosso\r\nrossi\r\nrossa\r\nrosse\r\n0000FF\r\nblu\r\nblu\r\nblu\r\nblu\r\n"
                          "FFFF00\r\ngiallo\r\ngialli\r\ngialla\r\ngialle\r\n 16777088 \r\nminuscolo\r\narial\r\narial\r\n"
                          " 24 \r\n-2147483630 \r\n-2147483633 \r\nTrue\r\n 255 \r\n 16777215 \r\nFalse\r\nFalse\r\n"
                          "{7EF71701-A92D-11d1-B17B-0020AFED142E}\r\nMerlin\r\n");
    }

private slots:
    void init()
    {
        radice = std::make_unique<RadiceTemporanea>();
        QDir().mkpath(radice->percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni")));
        FileIni = CartellaImpostazioni + QStringLiteral("prova.ini");
        ImpostaPredefiniti();
    }
    void cleanup() { radice.reset(); }

    void defaultsAreWrittenInTheWindowsFormat()
    {
        QVERIFY(SalvaProfilo());
        QCOMPARE(leggi(FileIni), canonico());
    }

    // Every kind of line away from its default: each is read into its setting and written back as it was.
    void handWrittenFileLoadsAndSavesBackByteIdentical_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("lettere");
        QByteArray dati = canonico();
        dati.replace("verde\r\nverdi\r\nverde\r\nverdi", "marrone\r\nmarroni\r\nmarrone\r\nmarroni");
        dati.replace("\r\nTrue\r\n 255 ", "\r\nTrue\r\n 65280 ");
        dati.replace("FFFF00\r\ngiallo\r\ngialli\r\ngialla\r\ngialle", "CC9933\r\nbeige\r\nbeige\r\nbeige\r\nbeig\xE8"); // cp1252 accent
        dati.replace("\r\nMerlin\r\n", "\r\nM\x81\x8D\x8F\x90\x9D\x80\r\n"); // the five bytes cp1252 leaves undefined
        dati.replace(" 16777215 ", " 4294967295 "); // the widest 32-bit colour
        QTest::newRow("colours and names") << dati << int(ModoInput::Mouse) << int(Lettere::Minuscolo);
        dati = canonico();
        dati.replace(" 130 \r\n 100 \r\nTrue\r\nFalse\r\nTrue\r\nArial\r\n 14 \r\nTrue\r\nFalse\r\n 0 \r\n 4 ",
                     " 250 \r\n 400 \r\nFalse\r\nTrue\r\nFalse\r\nComic Sans MS\r\n 40 \r\nFalse\r\nTrue\r\n 2 \r\n 60 ");
        dati.replace("minuscolo\r\narial\r\narial\r\n 24 \r\n-2147483630 \r\n-2147483633 \r\nTrue",
                     "corsivo\r\nIndis1\r\nVerdana\r\n 30 \r\n 0 \r\n 12632256 \r\nFalse");
        dati.replace("False\r\nFalse\r\n{7EF71701-A92D-11d1-B17B-0020AFED142E}", "True\r\nTrue\r\n{00000000-0000-0000-0000-000000000000}");
        QTest::newRow("every setting changed") << dati << int(ModoInput::ScansioneAutomatica) << int(Lettere::Corsivo);
        dati = canonico();
        dati.replace(" 0 \r\n 4 \r\n", " 3 \r\n 4 \r\n");
        dati.replace("\r\nminuscolo\r\n", "\r\nMaiuscolo\r\n"); // a word the program does not know is kept
        QTest::newRow("unknown letter case") << dati << int(ModoInput::Tastiera) << int(Lettere::Sconosciuto);
    }
    void handWrittenFileLoadsAndSavesBackByteIdentical()
    {
        QFETCH(QByteArray, dati);
        QFETCH(int, modo);
        QFETCH(int, lettere);
        scrivi(FileIni, dati);
        CaricaProfilo();
        QCOMPARE(int(Profilo.ModalitaInput), modo);
        QCOMPARE(int(Profilo.TipoCarattere.lettere()), lettere);
        QVERIFY(SalvaProfilo());
        QCOMPARE(leggi(FileIni), dati);
    }

    void settingsReadAsTheyAreShown()
    {
        QByteArray dati = canonico();
        dati.replace("verde\r\nverdi\r\nverde\r\nverdi", "marrone\r\nmarroni\r\nmarrone\r\nmarroni");
        dati.replace("gialle", "beig\xE8");
        dati.replace("\r\nTrue\r\n 255 ", "\r\nTrue\r\n 65280 ");
        dati.replace("\r\nMerlin\r\n", "\r\nM\x81\x8D\x8F\x90\x9D\x80\r\n");
        dati.replace("\r\nminuscolo\r\n", "\r\n  maiuscolo\r\n"); // leading blanks are dropped
        scrivi(FileIni, dati);
        CaricaProfilo();
        QCOMPARE(Profilo.Colori[1][2], QStringLiteral("marroni"));
        QCOMPARE(Profilo.Colori[4][4], QStringLiteral("beigè"));
        QCOMPARE(Profilo.NomePersonaggio.size(), 7);
        QCOMPARE(Profilo.ColorePulsanteSelezionato, 65280.0);
        QVERIFY(Profilo.TipoCarattere == Lettere::Maiuscolo);
    }

    void booleansBeginWithUpperCaseT()
    {
        QByteArray dati = canonico();
        dati.replace("True\r\nFalse\r\nTrue\r\nArial", "true\r\n  T\r\nTx\r\nArial");
        scrivi(FileIni, dati);
        CaricaProfilo();
        QCOMPARE(Profilo.ParlatoAttivo, false);
        QCOMPARE(Profilo.FumettoVisibile, true);
        QCOMPARE(Profilo.FumettoTuttoTesto, true);
    }

    void aShortOrBrokenFileGivesAllDefaults_data()
    {
        QTest::addColumn<QByteArray>("dati");
        QByteArray corto = canonico();
        corto.chop(QByteArray("Merlin\r\n").size());
        QTest::newRow("49 righe") << corto;
        for (const char *numero : {"ventiquattro", " NAN ", "-INF "}) {
            QByteArray rotto = canonico();
            rotto.replace(" 24 \r\n", QByteArray(numero) + "\r\n");
            QTest::newRow(numero) << rotto;
        }
        QByteArray troppo = canonico();
        troppo.replace(" 130 \r\n", " 40000 \r\n");
        QTest::newRow("oltre 16 bit") << troppo;
        for (const char *colore : {" 1e19 ", " 1e308 ", "-1e19 ", " 4294967296 ", "-2147483649 ", " nan ", "NaN", " inf ",
                                   "-inf", "infinity"}) {
            QByteArray largo = canonico();
            largo.replace(" 16777088 ", colore);
            QTest::newRow(colore) << largo;
        }
        QByteArray bom = canonico();
        bom.prepend("\xEF\xBB\xBF"); // saved by an editor: the first number no longer reads
        QTest::newRow("BOM") << bom;
    }
    void aShortOrBrokenFileGivesAllDefaults()
    {
        QFETCH(QByteArray, dati);
        dati.replace(" 100 \r\n", " 222 \r\n"); // read before the fault, must not survive
        scrivi(FileIni, dati);
        Profilo.TonoVoce = 7;
        CaricaProfilo();
        QCOMPARE(Profilo.TonoVoce, qint16(100));
        QCOMPARE(Profilo.NomePersonaggio, QStringLiteral("Merlin"));
        QCOMPARE(leggi(FileIni), dati); // the load never rewrites the file
    }

    void aFileThatCouldNotBeLoadedIsKeptAsideBeforeTheFirstSave()
    {
        ServiziDiProva servizi;
        DialoghiFinti &dialoghi = servizi.dialoghi;
        const QString nativo = PathResolver::native(FileIni);
        const QByteArray rotto = "\xEF\xBB\xBF" + canonico();
        scrivi(FileIni + QStringLiteral(".illeggibile"), "vecchio"); // an earlier copy is not overwritten
        scrivi(FileIni, rotto);
        CaricaProfilo();
        QVERIFY(SalvaProfilo());
        QVERIFY(SalvaProfilo());
        QCOMPARE(leggi(FileIni), canonico());
        QCOMPARE(leggi(FileIni + QStringLiteral(".illeggibile2")), rotto);
        QCOMPARE(leggi(FileIni + QStringLiteral(".illeggibile")), QByteArray("vecchio"));
        QCOMPARE(dialoghi.messaggi.size(), 1); // told once
        QVERIFY(dialoghi.messaggi[0].testo.contains(nativo + QStringLiteral(".illeggibile2")));
        // A file that loads is never copied.
        CaricaProfilo();
        QVERIFY(SalvaProfilo());
        QVERIFY(!QFile::exists(nativo + QStringLiteral(".illeggibile3")));
    }

    void longWordsAndNamesAreCut()
    {
        const QByteArray lunga(200000, 'a');
        QByteArray dati = canonico();
        dati.replace("\r\nverdi\r\n", "\r\n" + lunga + "\r\n");
        dati.replace("\r\nArial\r\n", "\r\n" + lunga + "\r\n");
        dati.replace("minuscolo\r\narial\r\narial", "minuscolo\r\n" + lunga + "\r\n" + lunga);
        dati.replace("Merlin", lunga);
        scrivi(FileIni, dati);
        CaricaProfilo();
        for (const QString *nome : {&Profilo.Colori[1][2], &Profilo.FontFumetto, &Profilo.FontTesto, &Profilo.FontScelto,
                                    &Profilo.NomePersonaggio})
            QCOMPARE(*nome, QString(kLunghezzaMassimaNome, QLatin1Char('a')));
        QCOMPARE(Profilo.Colori[1][1], QStringLiteral("verde"));
    }

    void aMissingFileIsNotCreatedAndTheNamesCaseDoesNotMatter()
    {
        FileIni = CartellaImpostazioni + QStringLiteral("nessuno.ini");
        CaricaProfilo();
        QVERIFY(!QFile::exists(PathResolver::native(FileIni)));

        FileIni = CartellaImpostazioni + QStringLiteral("_predefinito.INI");
        Profilo.VelocitaVoce = 200;
        QVERIFY(SalvaProfilo());
        ImpostaPredefiniti();
        FileIni = CartellaImpostazioni + QStringLiteral("_PREDEFINITO.ini");
        CaricaProfilo();
        QCOMPARE(Profilo.VelocitaVoce, qint16(200));
    }

    void outOfRangeNumbersAreClamped()
    {
        QByteArray dati = canonico();
        dati.replace("False\r\n 0 \r\n 4 \r\n", "False\r\n 9 \r\n 0 \r\n");
        dati.replace(" 130 \r\n 100 \r\n", " 10 \r\n 999 \r\n");
        scrivi(FileIni, dati);
        CaricaProfilo();
        QVERIFY(Profilo.ModalitaInput == ModoInput::Tastiera);
        QCOMPARE(Profilo.VelocitaScansione, qint16(4));
        QCOMPARE(Profilo.VelocitaVoce, qint16(50));
        QCOMPARE(Profilo.TonoVoce, qint16(400));
    }

    void aFailedSaveSaysSoAndTheProgramGoesOn()
    {
        ServiziDiProva servizi;
        DialoghiFinti &dialoghi = servizi.dialoghi;
        // A folder where the file should be: the write cannot succeed, whoever runs the test.
        QDir().mkpath(radice->percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni/bloccato.ini")));
        FileIni = CartellaImpostazioni + QStringLiteral("bloccato.ini");
        QVERIFY(!SalvaProfilo());
        QCOMPARE(dialoghi.messaggi.size(), 1);
        const QString testo = dialoghi.messaggi[0].testo;
        QVERIFY2(testo.contains(PathResolver::native(FileIni)) && !testo.contains(QStringLiteral("C:\\"))
                     && testo.contains(QStringLiteral("c'è una cartella con lo stesso nome"))
                     && !testo.contains(QStringLiteral("precedente")),
                 qPrintable(testo));
        QCOMPARE(dialoghi.messaggi[0].icona, Dialogs::Critical);
    }

private:
    std::unique_ptr<RadiceTemporanea> radice;
};

ZANFRONI_TEST_MAIN(TestProfilo)
#include "tst_profilo.moc"
