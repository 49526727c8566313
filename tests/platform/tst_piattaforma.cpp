#include "ServiziDiProva.h"
#include "platform/PathResolver.h"
#include "platform/Rnd.h"
#include "platform/TextFile.h"
#include "platform/VbColor.h"
#include "shell/Profilo.h"
#include "shell/Suoni.h"
#include "shell/Tavolozza.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QtTest>

class TestPiattaforma : public QObject
{
    Q_OBJECT
private slots:
    void logicalPathsMapUnderTheRootWhateverTheCase()
    {
        RadiceTemporanea radice;
        QDir().mkpath(radice.percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni/Dati")));
        QCOMPARE(PathResolver::native(QStringLiteral("C:\\ImpostazioniProgrammiDorva\\Zanfroni\\dati")),
                 radice.percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni/Dati")));
        QCOMPARE(PathResolver::native(QStringLiteral("c:\\windows\\fonts\\indis1.ttf")),
                 radice.percorso(QStringLiteral("fonts/indis1.ttf")));
        // A missing name keeps the case it was given.
        QCOMPARE(PathResolver::native(QStringLiteral("C:\\IMPOSTAZIONIPROGRAMMIDORVA\\Nuovo\\x.ini")),
                 radice.percorso(QStringLiteral("ImpostazioniProgrammiDorva/Nuovo/x.ini")));
    }

    void textFilesUseCp1252AndCrLf()
    {
        const QString testo = QStringLiteral("però € è “sì” – ok");
        QCOMPARE(TextFile::decodeCp1252(TextFile::encodeCp1252(testo)), testo);
        QCOMPARE(TextFile::encodeCp1252(QStringLiteral("€è")), QByteArray("\x80\xE8"));
        QCOMPARE(TextFile::encodeCp1252(QStringLiteral("中")), QByteArray("?"));
        QByteArray ogniByte; // the five bytes the code page leaves undefined included
        for (int b = 1; b < 256; ++b)
            ogniByte += char(b);
        QCOMPARE(TextFile::encodeCp1252(TextFile::decodeCp1252(ogniByte)), ogniByte);

        RadiceTemporanea radice;
        const QString file = radice.percorso(QStringLiteral("a.txt"));
        QVERIFY(TextFile::writeLines(file, {QStringLiteral("uno"), QString(), QStringLiteral("tre")}));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("uno\r\n\r\ntre\r\n"));
        QCOMPARE(*TextFile::readLines(file), (QStringList{QStringLiteral("uno"), QString(), QStringLiteral("tre")}));
        QVERIFY(!TextFile::readLines(radice.percorso(QStringLiteral("manca.txt"))));
    }

    void coloursKeepThePlatformValuesAndThePaletteHoldsEachWebSafeColourOnce()
    {
        QCOMPARE(VbColor::toQColor(VbColor::ButtonFace), QApplication::palette().color(QPalette::Button));
        QCOMPARE(VbColor::fromQColor(QColor(0x80, 0xFF, 0xFF)), 16777088.0);

        PreparaTavolozza();
        QCOMPARE(Tavolozza[215], QStringLiteral("&H00FF3300&"));
        QSet<QString> visti;
        for (int i = 0; i < kColoriTavolozza; ++i) {
            visti.insert(TavolozzaEsadecimale[i]);
            QCOMPARE(VbColor::toQColor(VbColor::fromBgrLiteral(Tavolozza[i])), VbColor::fromHex6(TavolozzaEsadecimale[i]));
            for (int c = 0; c < 6; c += 2)
                QVERIFY(QStringLiteral("00 33 66 99 CC FF").contains(TavolozzaEsadecimale[i].mid(c, 2)));
        }
        QCOMPARE(visti.size(), 216);
    }

    void soundsAreDrawnAmongTheNumberedFiles()
    {
        QTemporaryDir programma;
        PathResolver::setProgramFolder(programma.path());
        QDir().mkpath(programma.filePath(QStringLiteral("suoni/si")));
        for (int i = 1; i <= 3; ++i)
            QFile(programma.filePath(QStringLiteral("suoni/si/%1.wav").arg(i))).open(QIODevice::WriteOnly);
        ServiziDiProva servizi;
        SuoniFinti &suoni = servizi.suoni;
        Profilo.SuoniAttivi = true;
        servizi.caso.copione({0.0, 0.99});
        SuonoSi();
        SuonoSi();
        QCOMPARE(suoni.suonati.size(), 2);
        QVERIFY(suoni.suonati[0].endsWith(QStringLiteral("suoni/si/1.wav")));
        QVERIFY(suoni.suonati[1].endsWith(QStringLiteral("suoni/si/3.wav")));
        // Sounds off: nothing is drawn or played.
        Profilo.SuoniAttivi = false;
        servizi.caso.copione({0.1});
        SuonoSi();
        QCOMPARE(servizi.caso.rimasti(), 1);
        QCOMPARE(suoni.suonati.size(), 2);
        // No failure sounds at all: the draw still happens, nothing breaks.
        Profilo.SuoniAttivi = true;
        SuonoNo();
        QCOMPARE(servizi.caso.rimasti(), 0);
        PathResolver::setProgramFolder(QString());
    }
};

ZANFRONI_TEST_MAIN(TestPiattaforma)
#include "tst_piattaforma.moc"
