#include "Schermate.h"
#include "ServiziDiProva.h"
#include "log/FormEserciziEseguiti.h"
#include "platform/Services.h"
#include "platform/TextFile.h"
#include "shell/DialoghiComuni.h"
#include "shell/Utenti.h"

#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <atomic>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
// Should anything open the named pipe for reading and wait there, a writer frees it after 3 s;
// `aperture` counts the times.
class GuardiaTubo
{
public:
    explicit GuardiaTubo(const QString &tubo)
        : filo_([this, percorso = QFile::encodeName(tubo)] {
              for (int volta = 0; !fine_; ++volta) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(50));
                  const int fd = volta < 60 ? -1 : ::open(percorso.constData(), O_WRONLY | O_NONBLOCK);
                  if (fd >= 0) {
                      ++aperture;
                      ::close(fd);
                  }
              }
          })
    {
    }
    ~GuardiaTubo()
    {
        fine_ = true;
        filo_.join();
    }
    std::atomic<int> aperture = 0;

private:
    std::atomic<bool> fine_ = false;
    std::thread filo_;
};

// The label draws `testo` as typed: the same, character for character, as when told it is plain text.
void comeScritto(QLabel *etichetta, const QString &testo)
{
    QVERIFY(etichetta);
    QCOMPARE(etichetta->text().remove(QChar(0x200B)), testo); // where a message box may break a long word
    const QImage mostrato = etichetta->grab().toImage();
    etichetta->setTextFormat(Qt::PlainText);
    QCOMPARE(mostrato, etichetta->grab().toImage());
}
} // namespace

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

        // The size field emptied by hand, on a screen with a font of its own as the settings screen:
        // no size comes back.
        allApertura<QFontDialog>([](QFontDialog *d) {
            for (QLabel *etichetta : d->findChildren<QLabel *>())
                if (auto *campo = qobject_cast<QLineEdit *>(etichetta->buddy()); campo && !campo->isReadOnly()) {
                    campo->selectAll();
                    QTest::keyClick(campo, Qt::Key_Backspace);
                }
        });
        QString famiglia = QStringLiteral("arial");
        int punti = 25;
        QWidget schermo;
        schermo.setFont(QFont(QStringLiteral("Arial"), 11));
        QVERIFY(ScegliFontSalvato(&schermo, famiglia, punti));
        QCOMPARE(punti, 0);
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

    // A report opened from its file, a refused name and a refused colour word are shown as typed,
    // never read as markup: a picture named there is not opened (a named pipe would stop the program).
    void textFromFilesAndUsersIsNeverMarkup()
    {
        ServiziDiProva servizi;
        RadiceTemporanea radice;
        const QString tubo = radice.percorso(QStringLiteral("tubo"));
        QCOMPARE(mkfifo(QFile::encodeName(tubo).constData(), 0600), 0);
        GuardiaTubo guardia(tubo);
        const QString immagine = QStringLiteral("<img src=\"%1\">").arg(tubo);
        const QString righe[3] = {immagine, QStringLiteral("<b>Data</b> 1/2 &amp; <i>3</i>"),
                                  QStringLiteral("<a href=\"x\">nota</a><br>fine")};
        const QString file = radice.percorso(QStringLiteral("markup.rpt"));
        QVERIFY(TextFile::writeLines(file, {righe[0], righe[1], QStringLiteral(" 1 "), righe[2]}));

        NomeUtente = QStringLiteral("Anna");
        Schermate::registraConMenuFinto();
        auto *s = qobject_cast<FormEserciziEseguiti *>(Schermi::mostra(FormEserciziEseguiti::Nome));
        QVERIFY(s && QTest::qWaitFor([s] { return s->attivato(); }));
        servizi.dialoghi.file.push_back(file);
        QElapsedTimer tempo;
        tempo.start();
        s->mnuApri_Click();
        s->grab();
        QVERIFY2(tempo.elapsed() < 2000, qPrintable(QString::number(tempo.elapsed())));
        const auto etichetta = [s](const QString &testo) -> QLabel * {
            for (QLabel *l : s->findChildren<QLabel *>())
                if (l->text() == testo)
                    return l;
            return nullptr;
        };
        for (const QString &riga : righe)
            comeScritto(etichetta(riga), riga);
        Schermate::chiudiTutte();

        Services::current().dialogs = &Dialogs::system();
        const QString nome = immagine + QStringLiteral("<b>Ugo</b>");
        const QString colore = QStringLiteral("<i>żółty</i>");
        for (const QString &testo :
             {QStringLiteral("Il nome \"%1\" non può essere usato per un nuovo utente.\n%2").arg(nome, MotivoNomeNonValido(nome)),
              QStringLiteral("Il nome di colore \"%1\" non può essere usato.\n%2").arg(colore, MotivoCarattereNonConservato(colore))}) {
            allApertura<QMessageBox>([&](QMessageBox *box) {
                comeScritto(box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label")), testo);
            });
            MsgBox(nullptr, testo, QStringLiteral("Zanfroni"), Dialogs::Exclamation);
        }
        QCOMPARE(guardia.aperture.load(), 0);
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
