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
        QFont font(QStringLiteral("Liberation Sans"), 8);
        for (const auto &[punti, atteso] : {std::pair{10.5, 10}, std::pair{11.5, 12}}) {
            QFont scelto(QStringLiteral("Liberation Serif"));
            scelto.setPointSizeF(punti);
            dialoghi.font.push_back(scelto);
            QVERIFY(ScegliFont(nullptr, font));
            QCOMPARE(font.pointSize(), atteso);
        }
        dialoghi.font.push_back(std::nullopt);
        QVERIFY(!ScegliFont(nullptr, font));
        QCOMPARE(font.pointSize(), 12);
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

    // The document is opened by the desktop's xdg-open; a missing file or viewer is told, not silent.
    void openingADocumentSaysWhyItFailed_data()
    {
        QTest::addColumn<QString>("launcher"); // the fake xdg-open's script, or "" for none at all
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QString>("told");     // a word of the message, or "" for no message
        QTest::newRow("viewer opens it") << "exit 0" << true << "";
        QTest::newRow("no viewer") << "exit 3" << true << "PDF";
        QTest::newRow("viewer crashes") << "kill -SEGV $$" << true << "PDF";
        QTest::newRow("no xdg-open, no browser") << "" << true << "PDF";
        QTest::newRow("document missing") << "exit 0" << false << "trovato";
    }
    void openingADocumentSaysWhyItFailed()
    {
        QFETCH(QString, launcher);
        QFETCH(bool, fileExists);
        QFETCH(QString, told);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("zanfrone.pdf"));
        if (fileExists) {
            QFile f(pdf);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QDir().mkdir(dir.filePath(QStringLiteral("bin")));
        const QString opened = dir.filePath(QStringLiteral("opened"));
        if (!launcher.isEmpty()) {
            QFile script(dir.filePath(QStringLiteral("bin/xdg-open")));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\n%2\n").arg(opened, launcher).toUtf8());
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.filePath(QStringLiteral("bin"))));
        qunsetenv("BROWSER");
        ServiziDiProva servizi;
        DialoghiFinti &dialoghi = servizi.dialoghi;
        openWithDesktop(nullptr, pdf);
        qputenv("PATH", path);

        if (fileExists && !launcher.isEmpty())
            QTRY_VERIFY(QFile::exists(opened));
        if (told.isEmpty()) {
            QTest::qWait(300);
            QVERIFY(dialoghi.messaggi.isEmpty());
            return;
        }
        QTRY_COMPARE(dialoghi.messaggi.size(), 1);
        QVERIFY(dialoghi.messaggi[0].testo.contains(told));
        QVERIFY(dialoghi.messaggi[0].testo.contains(pdf));
        QTest::qWait(100);
        QCOMPARE(dialoghi.messaggi.size(), 1);
    }
};

ZANFRONI_TEST_MAIN(TestServizi)
#include "tst_servizi.moc"
