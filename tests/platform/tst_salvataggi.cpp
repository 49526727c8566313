#include "ServiziDiProva.h"
#include "log/FileRapporto.h"
#include "platform/PathResolver.h"
#include "platform/TextFile.h"
#include "shell/Avvio.h"
#include "shell/Profilo.h"

#include <QFile>
#include <QProcess>
#include <QtTest>
#include <sys/stat.h>

// Saves on file systems that fail for real: a full or read-only tmpfs, links to devices and fifos.
class TestSalvataggi : public QObject
{
    Q_OBJECT

    QTemporaryDir cartella;
    bool montato = false;

    QString percorso(const QString &relativo) const { return cartella.filePath(relativo); }
    static QByteArray leggi(const QString &nativo)
    {
        QFile f(nativo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illeggibile>");
    }
    static bool monta(const QStringList &argomenti)
    {
        return QProcess::execute(QStringLiteral("mount"), argomenti) == 0;
    }
    // Fills the disk until a write comes up short.
    void riempi()
    {
        QFile f(percorso(QStringLiteral("riempi")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray blocco(1024, 'x');
        while (f.write(blocco) == blocco.size()) {
        }
    }

private slots:
    void init() { PathResolver::setRoot(cartella.path()); }
    void cleanup()
    {
        PathResolver::setRoot(QString());
        if (montato)
            QProcess::execute(QStringLiteral("umount"), {cartella.path()});
        montato = false;
    }

    void aFullOrReadOnlyDiskKeepsEveryOldFileAndSaysWhy()
    {
        montato = monta({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"), QStringLiteral("size=64k"),
                         QStringLiteral("tmpfs"), cartella.path()});
        if (!montato)
            QSKIP("SKIP: a 64 KB tmpfs cannot be mounted here (the full-disk case needs root)");
        ServiziDiProva servizi;
        DialoghiFinti &dialoghi = servizi.dialoghi;
        QVERIFY(QDir().mkpath(percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni/dati/Anna"))));
        QVERIFY(TextFile::writeLines(FileLeggimi, RigheLeggimi()));
        FileIni = CartellaImpostazioni + QStringLiteral("anna.ini");
        ImpostaPredefiniti();
        Profilo.VelocitaVoce = 200;
        QVERIFY(SalvaProfilo());
        const QString rapporto = CartellaDati + QStringLiteral("\\Anna\\oggi.rpt");
        QVERIFY(FileRapporto::scrivi(rapporto, Rapporto{QStringLiteral("Anna"), QStringLiteral("Data 1"), {}, {}}));
        const QString profiloNativo = percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni/anna.ini"));
        const QString leggimiNativo = percorso(QStringLiteral("ImpostazioniProgrammiDorva/leggimi.txt"));
        const QString rapportoNativo = percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni/dati/Anna/oggi.rpt"));
        const QByteArray profilo = leggi(profiloNativo), leggimi = leggi(leggimiNativo), vecchio = leggi(rapportoNativo);
        riempi();

        // The profile: the old bytes stay, the message names the real file and the full disk.
        Profilo.VelocitaVoce = 99;
        QVERIFY(!SalvaProfilo());
        QCOMPARE(leggi(profiloNativo), profilo);
        QCOMPARE(dialoghi.messaggi.size(), 1);
        const QString testo = dialoghi.messaggi.takeFirst().testo;
        QVERIFY2(testo.contains(profiloNativo) && testo.contains(QStringLiteral("il disco è pieno"))
                     && testo.contains(QStringLiteral("Il file precedente non è stato modificato")),
                 qPrintable(testo));

        // A report saved over an old one, and the read-me rewritten with a new user's folder.
        QString errore;
        QVERIFY(!FileRapporto::scrivi(rapporto, Rapporto{QStringLiteral("Anna"), QStringLiteral("Data 2"), {}, {}}, &errore));
        QCOMPARE(leggi(rapportoNativo), vecchio);
        QVERIFY(errore.contains(rapportoNativo) && errore.contains(QStringLiteral("pieno")));
        QVERIFY(!CreaCartella(CartellaDati + QStringLiteral("\\Bruno"), &errore));
        QCOMPARE(leggi(leggimiNativo), leggimi);
        QVERIFY(errore.contains(leggimiNativo));

        // A new file: no word of a previous one, nothing left behind.
        FileIni = CartellaImpostazioni + QStringLiteral("nuovo.ini");
        QVERIFY(!SalvaProfilo());
        QVERIFY(!dialoghi.messaggi.takeFirst().testo.contains(QStringLiteral("precedente")));
        QCOMPARE(QDir(percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni"))).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("anna.ini")});

        // Read-only: said as such, the file unchanged.
        QVERIFY(QFile::remove(percorso(QStringLiteral("riempi"))));
        QVERIFY(monta({QStringLiteral("-o"), QStringLiteral("remount,ro"), cartella.path()}));
        FileIni = CartellaImpostazioni + QStringLiteral("anna.ini");
        QVERIFY(!SalvaProfilo());
        QVERIFY(dialoghi.messaggi.takeFirst().testo.contains(QStringLiteral("sola lettura")));
        QCOMPARE(leggi(profiloNativo), profilo);
    }

    void onlyARegularFileOrALinkToOneIsReplaced()
    {
        ServiziDiProva servizi;
        DialoghiFinti &dialoghi = servizi.dialoghi;
        ImpostaPredefiniti();
        const QString fifo = percorso(QStringLiteral("coda"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QFile(percorso(QStringLiteral("vero.txt"))).open(QIODevice::WriteOnly);
        const struct { const char *nome; QString destinazione; bool sostituibile; } casi[] = {
            {"dispositivo.ini", QStringLiteral("/dev/null"), false},
            {"fifo.ini", fifo, false},
            {"sospeso.ini", percorso(QStringLiteral("non/esiste.txt")), false},
            {"cartella.ini", percorso(QStringLiteral("non")), false},
            {"collegato.ini", percorso(QStringLiteral("vero.txt")), true},
        };
        QVERIFY(QDir().mkpath(percorso(QStringLiteral("non"))));
        for (const auto &caso : casi) {
            const QString collegamento = percorso(QString::fromLatin1(caso.nome));
            QVERIFY(QFile::link(caso.destinazione, collegamento));
            FileIni = collegamento;
            QCOMPARE(SalvaProfilo(), caso.sostituibile);
            QVERIFY2(QFileInfo(collegamento).isSymLink(), caso.nome);
            QCOMPARE(QFileInfo(collegamento).symLinkTarget(), QFileInfo(caso.destinazione).absoluteFilePath());
            QVERIFY(!TextFile::readLines(collegamento) == !caso.sostituibile); // a fifo is not opened, so no wait
        }
        QCOMPARE(dialoghi.messaggi.size(), 4);
        QVERIFY(dialoghi.messaggi[0].testo.contains(QStringLiteral("/dev/null")));
        struct stat st {};
        QVERIFY(::stat("/dev/null", &st) == 0 && S_ISCHR(st.st_mode));
        QVERIFY(::stat(QFile::encodeName(fifo).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
        QVERIFY(!QFileInfo::exists(percorso(QStringLiteral("non/esiste.txt"))));
        QVERIFY(leggi(percorso(QStringLiteral("vero.txt"))).startsWith(" 130 \r\n"));
    }

    // A file whose owner took away the write permission is kept as it was, by the superuser too.
    void aReadOnlyFileStaysAsItWas()
    {
        ServiziDiProva servizi;
        ImpostaPredefiniti();
        const QString nativo = percorso(QStringLiteral("anna.ini")), collegamento = percorso(QStringLiteral("link.ini"));
        QVERIFY(QFile::link(nativo, collegamento));
        FileIni = nativo;
        QVERIFY(SalvaProfilo());
        QCOMPARE(::chmod(QFile::encodeName(nativo).constData(), 0444), 0);
        auto modo = [&] {
            struct stat st {};
            return ::stat(QFile::encodeName(nativo).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
        };
        const QByteArray prima = leggi(nativo);
        Profilo.VelocitaVoce = 99;
        for (const QString &file : {nativo, collegamento}) {
            FileIni = file;
            QVERIFY(!SalvaProfilo());
            QCOMPARE(leggi(nativo), prima);
            QCOMPARE(modo(), 0444u);
            QVERIFY(QFileInfo(collegamento).isSymLink());
            const QString testo = servizi.dialoghi.messaggi.takeFirst().testo;
            QVERIFY2(testo.contains(QStringLiteral("il file è protetto dalla scrittura"))
                         && testo.contains(QStringLiteral("Il file precedente non è stato modificato")),
                     qPrintable(testo));
        }
        QCOMPARE(::chmod(QFile::encodeName(nativo).constData(), 0644), 0);
        QVERIFY(SalvaProfilo());
    }
};

ZANFRONI_TEST_MAIN(TestSalvataggi)
#include "tst_salvataggi.moc"
