#include "ServiziDiProva.h"
#include "platform/Services.h"
#include "shell/DialoghiComuni.h"

#include <QFontDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <functional>

// The system's own dialogs, shown for real: what they open on and how large they come up.
class TestDialoghi : public QObject
{
    Q_OBJECT

    // Runs `guarda` on the dialog of type T once it is shown, then closes it with OK.
    template <class T> static void allApertura(std::function<void(T *)> guarda)
    {
        auto *attesa = new QTimer;
        QObject::connect(attesa, &QTimer::timeout, attesa, [attesa, guarda] {
            auto *d = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!d || !d->isVisible())
                return;
            attesa->stop();
            attesa->deleteLater();
            guarda(d);
            d->accept();
        });
        attesa->start(20);
    }

private slots:
    // The dialog lists faces, not the aliases profiles hold ("arial"): it opens on the face the word
    // is drawn with, in its regular style, at the stored size even where its list lacks it, and OK
    // keeps both as stored.
    void theFontDialogOpensOnTheStoredFont()
    {
        ServiziDiProva servizi;
        Services::current().dialogs = &Dialogs::system();
        for (const QString &parola : {QStringLiteral("arial"), QStringLiteral("Arial"), QStringLiteral("DejaVu Serif")}) {
            QFont mostrato;
            allApertura<QFontDialog>([&](QFontDialog *d) { mostrato = d->currentFont(); });
            QString famiglia = parola;
            int punti = 25;
            QVERIFY(ScegliFontSalvato(nullptr, famiglia, punti));
            QCOMPARE(mostrato.family(), QFontInfo(QFont(parola)).family());
            QCOMPARE(mostrato.pointSize(), 25);
            QCOMPARE(mostrato.weight(), QFont::Normal); // not the first style listed ("Bold")
            QVERIFY(!mostrato.italic());
            QCOMPARE(famiglia, parola);
            QCOMPARE(punti, 25);
        }
    }

    // A box fits the screen whatever it says: a refused name of 200 letters, the widest name a user
    // can have, a path of long folder names. The path and the name are shown whole, the refused
    // name shortened in its middle.
    void aMessageBoxFitsTheScreen()
    {
        ServiziDiProva servizi;
        Services::current().dialogs = &Dialogs::system();
        const QString rifiutato = QStringLiteral("Anna") + QString(192, QLatin1Char('x')) + QStringLiteral("Rosa");
        const QString largo(64, QLatin1Char('W'));
        const QString cartella = QStringLiteral("/home/maestra/") + QString(120, QLatin1Char('c')) + QLatin1Char('/')
                                 + QString(200, QLatin1Char('d'));
        const struct { QString testo, mostrato; } casi[] = {
            {QStringLiteral("Il nome \"%1\" non può essere usato per un nuovo utente.").arg(rifiutato),
             QStringLiteral("Il nome \"Anna%1\u2026%2Rosa\" non può essere usato per un nuovo utente.")
                 .arg(QString(28, QLatin1Char('x')), QString(27, QLatin1Char('x')))},
            {QStringLiteral("Esiste già un utente con il nome \"%1\".").arg(largo), {}},
            {QStringLiteral("Non è stato possibile scrivere il file\n%1/profilo.ini\n(la cartella non esiste).").arg(cartella), {}},
        };
        for (const auto &caso : casi) {
            QRect riquadro, schermo;
            QString mostrato;
            allApertura<QMessageBox>([&](QMessageBox *box) {
                riquadro = box->frameGeometry();
                schermo = box->screen()->availableGeometry();
                mostrato = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->text();
            });
            MsgBox(nullptr, caso.testo, QStringLiteral("Zanfroni"), Dialogs::Exclamation);
            QCOMPARE(schermo.width(), 1024);
            QVERIFY2(riquadro.width() < 1024 && riquadro.height() < 768, qPrintable(QString::number(riquadro.width())));
            mostrato.remove(QChar(0x200B)); // where a long word may break
            QCOMPARE(mostrato, caso.mostrato.isEmpty() ? caso.testo : caso.mostrato);
        }
    }
};

// Offscreen, on a 1024 x 768 screen: the smallest the program is made for.
int main(int argc, char *argv[])
{
    QTemporaryFile schermi(QDir::tempPath() + QStringLiteral("/schermi-XXXXXX.json"));
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && schermi.open()) {
        schermi.write(R"({"screens": [{"name": "1024x768", "x": 0, "y": 0, "width": 1024, "height": 768,
                          "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        schermi.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(schermi.fileName()));
    }
    QApplication app(argc, argv);
    QTranslator traduzione; // Qt's own words in Italian, as the program shows them
    if (traduzione.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzione);
    ServiziDiProva servizi;
    TestDialoghi test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_dialoghi.moc"
