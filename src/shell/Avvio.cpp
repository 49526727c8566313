#include "Avvio.h"
#include "FormAvvio.h"
#include "Profilo.h"
#include "Schermi.h"
#include "Tavolozza.h"
#include "platform/Dialogs.h"
#include "platform/FileErrors.h"
#include "platform/PathResolver.h"
#include "platform/Rnd.h"
#include "platform/Services.h"
#include "platform/SingleInstance.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <filesystem>

namespace {
const QString kTitolo = QStringLiteral("Gommolo");

// One folder level; false with the message in *errore.
bool creaLivello(const QString &nativo, QString *errore)
{
    std::error_code codice;
    std::filesystem::create_directory(QFile::encodeName(nativo).toStdString(), codice);
    if (!codice && QFileInfo(nativo).isDir())
        return true;
    if (errore)
        *errore = QStringLiteral("Non è stato possibile creare la cartella\n%1\n(%2).")
                      .arg(nativo, FileErrors::reason(nativo, FileErrors::Target::Folder, codice.value(),
                                                      QString::fromStdString(codice.message())));
    return false;
}

// The data folder that stands for drive C:, with every folder above it.
bool PreparaRadice(QString *errore)
{
    const QString radice = QDir::cleanPath(PathResolver::root());
    QStringList mancanti;
    for (QString f = radice; !QFileInfo(f).isDir() && f != QLatin1String("/"); f = QFileInfo(f).absolutePath())
        mancanti.prepend(f);
    for (const QString &f : mancanti)
        if (!creaLivello(f, errore))
            return false;
    return true;
}
} // namespace

QStringList RigheLeggimi()
{
    return {
        QStringLiteral("Questa cartella contiene i files di impostazione dei programmi presenti nel sito ")
            + IndirizzoSito + QLatin1Char('.'),
        QStringLiteral(" "),
        QStringLiteral("Se qualche programma presenta problemi di funzionamento può essere utile cancellare "
                       "il file *.ini relativo al programma in quata cartella."),
        QStringLiteral(" "),
        QStringLiteral("Non cancellare questo file."),
    };
}

bool EsisteCartella(const QString &percorso)
{
    if (percorso.isEmpty())
        return false;
    return QFileInfo(PathResolver::native(percorso)).isDir();
}

bool EsisteFile(const QString &percorso)
{
    if (percorso.isEmpty())
        return false;
    return QFileInfo(PathResolver::native(percorso)).isFile();
}

bool CreaCartella(const QString &percorso, QString *errore)
{
    return creaLivello(PathResolver::native(percorso), errore)
           && TextFile::writeLines(FileLeggimi, RigheLeggimi(), errore);
}

QString CartellaWindows() { return QStringLiteral("c:\\windows\\"); }

void InstallaFont()
{
    const QString destinazione = CartellaWindows() + QStringLiteral("fonts\\indis1.ttf");
    if (EsisteFile(destinazione))
        return;
    const QString nativa = PathResolver::native(destinazione);
    if (!QDir().mkpath(QFileInfo(nativa).absolutePath()))
        return;
    if (!QFile::copy(PathResolver::native(App::Path() + QStringLiteral("\\indis1.ttf")), nativa))
        return;
    MsgBox(nullptr,
           QStringLiteral("Ho installato il font per il corsivo 'indis1.ttf'\n"
                          " ----------------------- \n"
                          "Font \"Ecolier court\" di Jean-Marie Douteau (licenza SIL OFL)\n"
                          " http://perso.orange.fr/jm.douteau/"),
           kTitolo);
}

bool PreparaCartelle()
{
    const QString cartelle[3] = {CartellaRadice, CartellaImpostazioni, CartellaDati};
    QString errore;
    bool fatto = PreparaRadice(&errore);
    for (int i = 0; i < 3 && fatto; ++i) {
        if (EsisteCartella(cartelle[i]))
            continue;
        fatto = CreaCartella(cartelle[i], &errore);
        if (fatto && i == 1)
            InstallaFont();
    }
    if (!fatto)
        MsgBox(nullptr, errore + QStringLiteral("\nIl programma verrà chiuso."), QStringLiteral("Zanfroni"),
               Dialogs::Critical);
    return fatto;
}

void RimuoviCopieInterrotte()
{
    TextFile::removeStaleCopies(CartellaRadice, {QStringLiteral("leggimi.txt")});
    TextFile::removeStaleCopies(CartellaImpostazioni, {QStringLiteral("*.ini")});
    const QDir dati(PathResolver::native(CartellaDati));
    for (const QString &utente : dati.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
        TextFile::removeStaleCopies(dati.filePath(utente), {QStringLiteral("*.rpt")});
}

void SostituisciCaratteri()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}

void RegistraCorsivo()
{
    static bool registrato = false;
    if (registrato)
        return;
    registrato = true;
    const int id = QFontDatabase::addApplicationFont(PathResolver::native(App::Path() + QStringLiteral("\\indis1.ttf")));
    const QStringList famiglie = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
    if (!famiglie.isEmpty())
        QFont::insertSubstitution(QStringLiteral("Indis1"), famiglie.first());
}

EsitoAvvio Main()
{
    static SingleInstance unica(PathResolver::root());
    if (unica.alreadyRunning()) {
        MsgBox(nullptr, QStringLiteral("E' già stata avviata una copia di questo programma!"), kTitolo);
        return EsitoAvvio::GiaAvviato;
    }
    Services::current().random->randomize();
    if (!PreparaCartelle())
        return EsitoAvvio::Fallito;
    RimuoviCopieInterrotte(); // this copy holds the lock: no save of ours is under way
    SostituisciCaratteri(); // the start screen registers the cursive face once it is drawn
    FileIni = CartellaImpostazioni + QStringLiteral("_predefinito.INI");
    NomeUtente = QStringLiteral("_predefinito");
    CaricaProfilo();
    PreparaTavolozza();
    Schermi::mostra(FormAvvio::Nome);
    return EsitoAvvio::Avviato;
}
