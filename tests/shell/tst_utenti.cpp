// The users of the settings folder as the main menu and the settings screen list, choose and create
// them, driven by mouse and key events.
#include "AmbienteMenu.h"
#include "Catalogo.h"
#include "platform/TextFile.h"
#include "shell/Attivita.h"
#include "shell/FormMenu.h"
#include "shell/Profilo.h"
#include "shell/Schermi.h"
#include "shell/Utenti.h"
#include "shell/configura/FormConfigura.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRadioButton>
#include <QTabBar>
#include <QtTest>
#include <sys/stat.h>

using Schermate::apriMenu;
using Schermate::attivo;

class TestUtenti : public ProvaConAmbiente<AmbienteMenu>
{
    Q_OBJECT

    QStringList fileNellaCartella() const
    {
        return QDir(amb->cartella()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                          QDir::Name);
    }
    void scriviProfilo(const QString &file, qint16 velocita, const QString &caso = QStringLiteral("minuscolo"))
    {
        ProfiloUtente p;
        p.VelocitaVoce = velocita;
        p.TipoCarattere = TipoLettere::daParola(caso);
        // Written as they are: a path resolver would read the backslashes in some names as folders.
        QFile f(amb->cartella() + file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(p.righe().join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
    }
    QString rigaProfilo(const QString &file, int riga) const
    {
        const auto righe = TextFile::readLines(amb->cartella() + file);
        return righe && righe->size() >= riga ? righe->at(riga - 1) : QString();
    }

    template <class T> static T *c(QWidget *schermo, const QString &nome)
    {
        T *w = schermo->findChild<T *>(nome);
        if (!w)
            qFatal("missing control %s", qPrintable(nome));
        return w;
    }
    // On the option's round mark, at its left.
    static void clic(QRadioButton *o) { QTest::mouseClick(o, Qt::LeftButton, {}, QPoint(o->height() / 2, o->height() / 2)); }
    static void clicSuVoce(QWidget *schermo, const QString &nome)
    {
        auto *barra = schermo->findChild<QMenuBar *>();
        for (QAction *a : barra->actions())
            if (a->objectName() == nome || a->text() == nome)
                return QTest::mouseClick(barra, Qt::LeftButton, {}, barra->actionGeometry(a).center());
        qFatal("missing menu entry %s", qPrintable(nome));
    }
    static void clicSuScheda(QWidget *schermo, int indice)
    {
        auto *schede = c<QTabBar>(schermo, QStringLiteral("TabSchede"));
        QTest::mouseClick(schede, Qt::LeftButton, {}, schede->tabRect(indice).center());
    }

    static QStringList vociCombo(QComboBox *combo)
    {
        QStringList r;
        for (int i = 0; i < combo->count(); ++i)
            r << combo->itemText(i);
        return r;
    }

    void prepara() override
    {
        amb = std::make_unique<AmbienteMenu>(ServiziDiProva::Udibile);
        ImpostaPredefiniti();
    }

private slots:
    void initTestCase() { RegistraSchermi(); }

    // Only profiles that could have been created under their names are users, and both lists agree.
    void bothListsHoldTheSameValidRegularFiles()
    {
        scriviProfilo(QStringLiteral("_predefinito.INI"), 130);
        scriviProfilo(QStringLiteral("Anna.ini"), 130);
        scriviProfilo(QStringLiteral("Weiß.INI"), 130);
        scriviProfilo(QStringLiteral("Łukasz.ini"), 130); // a report would hold "?ukasz"
        scriviProfilo(QStringLiteral(".nome.ini"), 130);
        scriviProfilo(QStringLiteral("dati\\..\\..\\..\\fuori.ini"), 130);
        scriviProfilo(QStringLiteral("co:sa.ini"), 130);
        scriviProfilo(QString(65, QLatin1Char('x')) + QStringLiteral(".ini"), 130);
        scriviProfilo(QStringLiteral("Anna.ini.bak"), 130);
        QVERIFY(QDir().mkdir(amb->cartella() + QStringLiteral("cartella.ini")));
        QVERIFY(QFile::link(amb->cartella() + QStringLiteral("Anna.ini"), amb->cartella() + QStringLiteral("link.ini")));
        QVERIFY(QFile::link(amb->cartella() + QStringLiteral("manca"), amb->cartella() + QStringLiteral("rotto.ini")));
        QVERIFY(::mkfifo(QFile::encodeName(amb->cartella() + QStringLiteral("tubo.ini")).constData(), 0600) == 0);
        QVERIFY(QFile::link(amb->cartella() + QStringLiteral("tubo.ini"), amb->cartella() + QStringLiteral("nodo.ini")));

        QStringList nomi, file;
        for (const Utente &u : ElencoUtenti()) {
            nomi << u.nome;
            file << u.file;
        }
        QCOMPARE(nomi, (QStringList{QStringLiteral("_predefinito"), QStringLiteral("Anna"), QStringLiteral("link"),
                                    QStringLiteral("Weiß")}));
        QCOMPARE(file.last(), QStringLiteral("Weiß.INI"));
        // The reason names the whole character; the letters of the Windows set beyond Latin-1 pass.
        QVERIFY(MotivoNomeNonValido(QStringLiteral("Łukasz")).contains(QStringLiteral("«Ł»")));
        QVERIFY(MotivoNomeNonValido(QStringLiteral("Ugo 😀")).contains(QStringLiteral("«😀»")));
        QCOMPARE(MotivoNomeNonValido(QStringLiteral("Œdipe Šime €")), QString());

        FormMenu *m = apriMenu(QStringLiteral("_predefinito"), QStringLiteral("_predefinito.INI"));
        QVERIFY(m);
        QCOMPARE(vociCombo(c<QComboBox>(m, QStringLiteral("ComboUtenti"))), nomi);
        clicSuVoce(m, QStringLiteral("Configurazione"));
        auto *f = attivo<FormConfigura>();
        QVERIFY(f);
        clic(c<QRadioButton>(f, QStringLiteral("OptionUtente_1")));
        auto *lista = c<QListWidget>(f, QStringLiteral("ListModificaUtente"));
        QStringList elencati;
        for (int i = 0; i < lista->count(); ++i)
            elencati << lista->item(i)->text();
        QCOMPARE(elencati, (QStringList{QStringLiteral("ANNA"), QStringLiteral("LINK"), QStringLiteral("WEISS")}));
    }

    // A typed name is judged once: leaving the field and leaving the screen bring no second message.
    void aNewNameIsConfirmedOnce_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("comeLascia"); // how the field is left before "&Esci"
        QTest::addColumn<int>("messaggi");
        QTest::addColumn<QString>("fileAtteso");
        QTest::newRow("new, Esci") << "Anna" << "" << 0 << "Anna.ini";
        QTest::newRow("new, Enter") << "Anna" << "invio" << 0 << "Anna.ini";
        QTest::newRow("new, another tab") << "Anna" << "scheda" << 0 << "Anna.ini";
        QTest::newRow("existing, Esci") << "MARCO" << "" << 1 << "marco.ini";
        QTest::newRow("existing, Enter") << "MARCO" << "invio" << 1 << "marco.ini";
        QTest::newRow("starts with a dot") << ".nome" << "scheda" << 1 << "";
    }
    void aNewNameIsConfirmedOnce()
    {
        QFETCH(QString, nome);
        QFETCH(QString, comeLascia);
        QFETCH(int, messaggi);
        QFETCH(QString, fileAtteso);
        scriviProfilo(QStringLiteral("marco.ini"), 200);
        FormMenu *m = apriMenu(QStringLiteral("_predefinito"), QStringLiteral("_predefinito.INI"));
        QVERIFY(m);
        clicSuVoce(m, QStringLiteral("Configurazione"));
        auto *f = attivo<FormConfigura>();
        QVERIFY(f);
        clic(c<QRadioButton>(f, QStringLiteral("OptionUtente_2")));
        auto *testo = c<QLineEdit>(f, QStringLiteral("TextNuovoUtente"));
        QTRY_VERIFY(testo->hasFocus());
        QTest::keyClicks(testo, nome);
        if (comeLascia == QLatin1String("invio"))
            QTest::keyClick(testo, Qt::Key_Return);
        else if (comeLascia == QLatin1String("scheda"))
            clicSuScheda(f, 2);
        clicSuVoce(f, QStringLiteral("mnuesci"));

        if (fileAtteso.isEmpty()) { // refused: the screen stays, nothing is written
            QCOMPARE(Schermi::attivo(), f);
            QCOMPARE(amb->servizi.dialoghi.messaggi.size(), messaggi + 1); // told again on "&Esci"
            QCOMPARE(fileNellaCartella(), (QStringList{QStringLiteral("_predefinito.INI"), QStringLiteral("marco.ini")}));
            return;
        }
        QVERIFY(attivo<FormMenu>());
        QTest::qWait(50); // focus changes settle
        QCOMPARE(amb->servizi.dialoghi.messaggi.size(), messaggi);
        QVERIFY(QFile::exists(amb->cartella() + fileAtteso));
        QCOMPARE(NomeUtente, fileAtteso.chopped(4));
    }

    // "Weiß" is listed as "WEISS" in capitals, and stays "Weiß.ini" whichever list chooses it.
    void aNameLongerInCapitalsKeepsItsFile_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("mostrato");
        QTest::newRow("minuscolo") << "minuscolo" << "Weiß";
        QTest::newRow("maiuscolo") << "maiuscolo" << "WEISS";
        QTest::newRow("corsivo") << "corsivo" << "Weiß";
    }
    void aNameLongerInCapitalsKeepsItsFile()
    {
        QFETCH(QString, caso);
        QFETCH(QString, mostrato);
        scriviProfilo(QStringLiteral("_predefinito.INI"), 130, caso);
        scriviProfilo(QStringLiteral("Weiß.ini"), 200, caso);
        const QStringList fileAttesi{QStringLiteral("Weiß.ini"), QStringLiteral("_predefinito.INI")};

        FormMenu *m = apriMenu(QStringLiteral("_predefinito"), QStringLiteral("_predefinito.INI"));
        QVERIFY(m);
        auto *combo = c<QComboBox>(m, QStringLiteral("ComboUtenti"));
        QCOMPARE(vociCombo(combo).last(), mostrato);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down); // chooses the next user
        QCOMPARE(NomeUtente, QStringLiteral("Weiß"));
        QCOMPARE(Profilo.VelocitaVoce, qint16(200));

        // Shown again, the menu keeps the user and the activity table.
        m->AvviaEsercizi(5);
        QCOMPARE(NumeroAttivita, qint16(1));
        auto *es = attivo();
        QVERIFY(es);
        Schermi::mostra(FormMenu::Nome, es);
        m = attivo<FormMenu>();
        QVERIFY(m);
        QCOMPARE(c<QComboBox>(m, QStringLiteral("ComboUtenti"))->currentText(), mostrato);
        QCOMPARE(NumeroAttivita, qint16(1));
        QCOMPARE(NomeUtente, QStringLiteral("Weiß"));

        // The settings list: away to the default user and back to Weiß, whose change is saved.
        clicSuVoce(m, QStringLiteral("Configurazione"));
        auto *f = attivo<FormConfigura>();
        QVERIFY(f);
        clic(c<QRadioButton>(f, QStringLiteral("OptionUtente_0")));
        QCOMPARE(Profilo.VelocitaVoce, qint16(130));
        clic(c<QRadioButton>(f, QStringLiteral("OptionUtente_1")));
        auto *lista = c<QListWidget>(f, QStringLiteral("ListModificaUtente"));
        QCOMPARE(lista->count(), 1);
        QCOMPARE(lista->item(0)->text(), QStringLiteral("WEISS"));
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualItemRect(lista->item(0)).center());
        QCOMPARE(NomeUtente, QStringLiteral("Weiß"));
        QCOMPARE(Profilo.VelocitaVoce, qint16(200));
        Profilo.VelocitaVoce = 190;
        clicSuVoce(f, QStringLiteral("mnuesci"));
        QVERIFY(attivo<FormMenu>());
        QCOMPARE(rigaProfilo(QStringLiteral("Weiß.ini"), 1), QStringLiteral(" 190 "));
        QCOMPARE(NumeroAttivita, qint16(1));
        QCOMPARE(fileNellaCartella(), fileAttesi);
        QVERIFY(amb->servizi.dialoghi.messaggi.isEmpty());
    }
};

ZANFRONI_TEST_MAIN(TestUtenti)
#include "tst_utenti.moc"
