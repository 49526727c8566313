#include "ServiziDiProva.h"
#include "log/FileRapporto.h"
#include "platform/TextFile.h"
#include "shell/Avvio.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class TestFileRapporto : public QObject
{
    Q_OBJECT

    static QByteArray contenuto(const QString &percorso)
    {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void crea(const QString &percorso, const QByteArray &byte)
    {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(byte);
    }

private slots:
    void writesTheWindowsBytesAndReadsThemBackUnchanged()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("prova.rpt"));
        Rapporto r{QStringLiteral("Niccolò"), QStringLiteral("Data 05/03/2024"),
                   {{{QStringLiteral("Trova le differenze - 1°"), {}, {}, {}}},
                    {{{}, QStringLiteral("2"), QStringLiteral("7"), QStringLiteral("0")}}},
                   QStringLiteral("bravo")};
        QVERIFY(FileRapporto::scrivi(file, r));
        const QByteArray atteso = "Niccol\xF2\r\nData 05/03/2024\r\n 3 \r\nTrova le differenze - 1\xB0\r\n\r\n\r\n\r\n"
                                  "\r\n2\r\n7\r\n0\r\nbravo\r\n";
        QCOMPARE(contenuto(file), atteso);
        const auto letto = FileRapporto::leggi(file);
        QVERIFY(letto);
        QCOMPARE(*letto, r);

        // With no rows: name, date, the count 1 between blanks and the empty note.
        QVERIFY(FileRapporto::scrivi(file, Rapporto{QStringLiteral("_predefinito"), QStringLiteral("Data 1/1/24"), {}, {}}));
        QCOMPARE(contenuto(file), QByteArray("_predefinito\r\nData 1/1/24\r\n 1 \r\n\r\n"));
    }

    void readsFilesMadeByHand()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("a mano.RPT"));
        // Quoted, padded and comma-holding name and date lines; a count without blanks; no final CR LF.
        crea(file, "  \"Rossi, Maria\"  \r\nData 2/3/2024, luned\xEC\r\n2\r\nInsiemi\r\n3\r\n12\r\n4\r\nnota finale");
        auto r = FileRapporto::leggi(file);
        QVERIFY(r);
        QCOMPARE(r->nome, QStringLiteral("Rossi, Maria"));
        QCOMPARE(r->data, QStringLiteral("Data 2/3/2024, lunedì"));
        QCOMPARE(r->righe[0][2], QStringLiteral("12"));
        QCOMPARE(r->nota, QStringLiteral("nota finale"));

        // Lone LF line ends, and a file that lost its (empty) note line, still show their rows.
        crea(file, "Anna\nData\n 2 \nVero - falso\n1\n2\n3\n");
        r = FileRapporto::leggi(file);
        QVERIFY(r);
        QCOMPARE(r->righe[0][3], QStringLiteral("3"));
        QCOMPARE(r->nota, QString());

        // The most rows the program writes (one more counts the header row).
        crea(file, "Anna\r\nData\r\n 501 \r\n" + QByteArray("Insiemi\r\n1\r\n2\r\n3\r\n").repeated(500));
        QCOMPARE(FileRapporto::leggi(file).value_or(Rapporto{}).righe.size(), 500);
    }

    void refusesWhatIsNotAReport_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::newRow("vuoto") << QByteArray();
        QTest::newRow("due righe") << QByteArray("Anna\r\nData\r\n");
        QTest::newRow("conteggio non numerico") << QByteArray("Anna\r\nData\r\nVero - falso\r\n1\r\n");
        QTest::newRow("conteggio zero") << QByteArray("Anna\r\nData\r\n 0 \r\n\r\n");
        QTest::newRow("conteggio enorme") << QByteArray("Anna\r\nData\r\n 99999 \r\n\r\n");
        QTest::newRow("501 righe") << QByteArray("Anna\r\nData\r\n 502 \r\n") + QByteArray("Insiemi\r\n1\r\n2\r\n3\r\n").repeated(501);
        QTest::newRow("righe mancanti") << QByteArray("Anna\r\nData\r\n 3 \r\nInsiemi\r\n1\r\n2\r\n3\r\nInsiemi\r\n1\r\n");
    }
    void refusesWhatIsNotAReport()
    {
        QFETCH(QByteArray, byte);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("rotto.rpt"));
        crea(file, byte);
        QString errore;
        QVERIFY(!FileRapporto::leggi(file, &errore));
        QVERIFY(!errore.isEmpty());
        QVERIFY(!FileRapporto::leggi(dir.filePath(QStringLiteral("manca.rpt"))));
    }

    void theUsersFolderIsMadeWithTheReadMeFile()
    {
        RadiceTemporanea radice;
        QCOMPARE(FileRapporto::cartella(QStringLiteral("a/b\\c:d")), FileRapporto::cartella(QStringLiteral("a_b_c_d")));

        // The whole chain is missing: each level is made and the read-me file written.
        const QString cartella = FileRapporto::cartella(QStringLiteral("Anna"));
        QVERIFY(FileRapporto::preparaCartella(cartella));
        QVERIFY(QDir(radice.percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni/dati/Anna"))).exists());
        QVERIFY(QFile::exists(radice.percorso(QStringLiteral("ImpostazioniProgrammiDorva/leggimi.txt"))));

        // An existing folder, found under another letter case, is left alone and so is the read-me file.
        QVERIFY(QFile::remove(radice.percorso(QStringLiteral("ImpostazioniProgrammiDorva/leggimi.txt"))));
        QVERIFY(FileRapporto::preparaCartella(FileRapporto::cartella(QStringLiteral("anna")).replace(QStringLiteral("dati"), QStringLiteral("Dati"))));
        QVERIFY(!QFile::exists(radice.percorso(QStringLiteral("ImpostazioniProgrammiDorva/leggimi.txt"))));
        QCOMPARE(QDir(radice.percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni/dati"))).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Anna")});
    }
};

ZANFRONI_TEST_MAIN(TestFileRapporto)
#include "tst_filerapporto.moc"
