#include "ServiziDiProva.h"
#include "platform/DesktopOpener.h"
#include "shell/DialoghiComuni.h"

#include <QtTest>

class TestServizi : public QObject
{
    Q_OBJECT
private slots:
    void colourDialogChangesTheColourOnlyOnOk()
    {
        ServiziDiProva servizi;
        DialoghiFinti &dialoghi = servizi.dialoghi;
        double colore = 123;
        dialoghi.colori.push_back(std::nullopt);
        QVERIFY(!ScegliColore(nullptr, colore));
        QCOMPARE(colore, 123.0);
        dialoghi.colori.push_back(QColor(0x11, 0x22, 0x33));
        QVERIFY(ScegliColore(nullptr, colore));
        QCOMPARE(colore, double(0x332211));
    }

    void fontSizesRoundHalvesToEvenAndCancelKeepsTheFont()
    {
        ServiziDiProva servizi;
        DialoghiFinti &dialoghi = servizi.dialoghi;
        QString famiglia = QStringLiteral("Liberation Sans");
        int punti = 8;
        for (const auto &[scelti, atteso] : {std::pair{10.5, 10}, std::pair{11.5, 12}}) {
            QFont scelto(QStringLiteral("Liberation Serif"));
            scelto.setPointSizeF(scelti);
            dialoghi.font.push_back(scelto);
            QVERIFY(ScegliFontSalvato(nullptr, famiglia, punti));
            QCOMPARE(punti, atteso);
        }
        dialoghi.font.push_back(std::nullopt);
        QVERIFY(!ScegliFontSalvato(nullptr, famiglia, punti));
        QCOMPARE(punti, 12);
        QCOMPARE(famiglia, QStringLiteral("Liberation Serif"));
    }

    void fileDialogCancelledGivesNothingAndBytesStopAtZero()
    {
        ServiziDiProva servizi;
        DialoghiFinti &dialoghi = servizi.dialoghi;
        QCOMPARE(ScegliFile(nullptr, 1, QStringLiteral("Apri"), QString(), QStringLiteral("Rapporti|*.rpt"),
                            QStringLiteral("C:\\"), QStringLiteral("rpt")),
                 QString());
        QCOMPARE(StringaDaByte(QByteArray("Arial\0xyz", 9)), QStringLiteral("Arial"));
    }

    // The guide opens with the desktop's PDF viewer, found from the desktop files and mimeapps.list of
    // the XDG folders and started with its output discarded; with none, or none that can run without a
    // terminal, an Italian message comes at once and nothing is started (not xdg-open either).
    void openingADocumentFindsTheDesktopsViewer_data()
    {
        QTest::addColumn<QStringList>("programmi"); // desktop files "name|MimeType|lines before Exec"
        QTest::addColumn<QString>("mimeapps");      // what mimeapps.list says
        QTest::addColumn<bool>("esiste");           // the document
        QTest::addColumn<QString>("aperto");        // the viewer that ran, or "" for a message
        QTest::addColumn<QString>("detto");         // a word of the message
        const QString pdf = QStringLiteral("application/pdf;");
        // An image tool listing PDF's alias image/pdf, a viewer removed from PDF files, and ones that
        // cannot run: none counts.
        QTest::newRow("no viewer") << QStringList{QStringLiteral("editor|text/plain;|"),
                                                  QStringLiteral("immagini|image/png;image/pdf;|"),
                                                  QStringLiteral("tolto|") + pdf + QStringLiteral("|"),
                                                  QStringLiteral("testuale|") + pdf + QStringLiteral("|Terminal=true"),
                                                  QStringLiteral("assente|") + pdf + QStringLiteral("|Exec=assente %f"),
                                                  QStringLiteral("nascosto|") + pdf + QStringLiteral("|Hidden=true")}
                                   << QStringLiteral("[Default Applications]\napplication/pdf=sparito.desktop\n"
                                                     "[Removed Associations]\napplication/pdf=tolto.desktop\n")
                                   << true << QString() << QStringLiteral("PDF");
        QTest::newRow("a viewer that lists PDF") << QStringList{QStringLiteral("editor|text/plain;|"),
                                                                QStringLiteral("lettore|text/plain;application/x-pdf;|")}
                                                 << QString() << true << QStringLiteral("lettore") << QString();
        // Defaults whose file is gone or whose program is missing are passed over.
        QTest::newRow("mimeapps.list's default first")
            << QStringList{QStringLiteral("primo|") + pdf + QStringLiteral("|"), QStringLiteral("secondo|") + pdf + QStringLiteral("|"),
                           QStringLiteral("perso|") + pdf + QStringLiteral("|Exec=perso %f"),
                           QStringLiteral("provato|") + pdf + QStringLiteral("|TryExec=perso")}
            << QStringLiteral("[Default Applications]\napplication/pdf=assente.desktop;perso.desktop;provato.desktop;secondo.desktop\n")
            << true << QStringLiteral("secondo") << QString();
        QTest::newRow("document missing") << QStringList{QStringLiteral("lettore|") + pdf + QStringLiteral("|")} << QString()
                                          << false << QString() << QStringLiteral("trovato");
    }
    void openingADocumentFindsTheDesktopsViewer()
    {
        QFETCH(QStringList, programmi);
        QFETCH(QString, mimeapps);
        QFETCH(bool, esiste);
        QFETCH(QString, aperto);
        QFETCH(QString, detto);
        QTemporaryDir dir;
        const auto cartella = [&dir](const QString &nome) {
            QDir().mkpath(dir.filePath(nome));
            return dir.filePath(nome);
        };
        const auto scrivi = [](const QString &percorso, const QString &testo) {
            QFile f(percorso);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(testo.toUtf8());
            f.close();
            f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        };
        const QString pdf = cartella(QStringLiteral("la guida")) + QStringLiteral("/zanfrone.pdf");
        if (esiste)
            scrivi(pdf, QString());
        // The viewer records its words and where its output goes, and makes some noise.
        const QString bin = cartella(QStringLiteral("bin con spazi"));
        scrivi(bin + QStringLiteral("/vedi"),
               QStringLiteral("#!/bin/sh\nPATH=/usr/bin:/bin\nuscite=$(readlink /proc/$$/fd/1 /proc/$$/fd/2)\n"
                              "{ for a in \"$@\"; do echo \"$a\"; done; echo \"$uscite\"; }"
                              " > '%1/tmp' && mv '%1/tmp' \"%1/$1\"\necho rumore; echo rumore >&2\n")
                   .arg(dir.path()));
        scrivi(bin + QStringLiteral("/xdg-open"), QStringLiteral("#!/bin/sh\nPATH=/usr/bin:/bin\ntouch '%1/xdg-open'\n").arg(dir.path()));
        for (const QString &programma : programmi) {
            const QStringList parti = programma.split(QLatin1Char('|'));
            scrivi(cartella(QStringLiteral("dati/applications")) + QLatin1Char('/') + parti[0] + QStringLiteral(".desktop"),
                   QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nMimeType=%2\n%3\n"
                                  "Exec=\"%4/vedi\" %1 --pagina \"1 2\" %f\n")
                       .arg(parti[0], parti[1], parti[2], bin));
        }
        if (!mimeapps.isEmpty())
            scrivi(cartella(QStringLiteral("config")) + QStringLiteral("/mimeapps.list"), mimeapps);

        const QList<std::pair<const char *, QString>> ambiente{
            {"PATH", bin},
            {"XDG_DATA_HOME", cartella(QStringLiteral("casa"))},
            {"XDG_DATA_DIRS", cartella(QStringLiteral("dati"))},
            {"XDG_CONFIG_HOME", cartella(QStringLiteral("config"))},
            {"XDG_CONFIG_DIRS", cartella(QStringLiteral("config di sistema"))},
        };
        QList<QByteArray> trovati;
        for (const auto &[nome, valore] : ambiente) {
            trovati << qgetenv(nome);
            qputenv(nome, QFile::encodeName(valore));
        }
        ServiziDiProva servizi;
        QElapsedTimer t;
        t.start();
        openWithDesktop(nullptr, pdf);
        const qint64 ms = t.elapsed();
        for (qsizetype i = 0; i < ambiente.size(); ++i)
            qputenv(ambiente[i].first, trovati[i]);

        QVERIFY2(ms < 2000, qPrintable(QString::number(ms)));
        if (aperto.isEmpty()) {
            QCOMPARE(servizi.dialoghi.messaggi.size(), 1);
            QVERIFY(servizi.dialoghi.messaggi[0].testo.contains(detto));
            QVERIFY(servizi.dialoghi.messaggi[0].testo.contains(pdf));
            QTest::qWait(300);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList()); // nothing ran
            return;
        }
        const QString registro = dir.filePath(aperto);
        QTRY_VERIFY(QFile::exists(registro));
        QFile f(registro);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 (QStringList{aperto, QStringLiteral("--pagina"), QStringLiteral("1 2"), pdf,
                              QStringLiteral("/dev/null"), QStringLiteral("/dev/null")}));
        QVERIFY(servizi.dialoghi.messaggi.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("xdg-open"))));
    }
};

ZANFRONI_TEST_MAIN(TestServizi)
#include "tst_servizi.moc"
