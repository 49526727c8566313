#include "Avvio.h"
#include "Profilo.h"
#include "Schermi.h"
#include "Tavolozza.h"
#include "platform/Dialogs.h"
#include "platform/PathResolver.h"
#include "platform/Rnd.h"
#include "platform/SingleInstance.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace {
const QString kTitolo = QStringLiteral("Gommolo");
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
    const QString nativo = PathResolver::native(percorso);
    const QFileInfo info(nativo);
    if (!QDir().mkdir(nativo)) {
        if (errore)
            *errore = QFileInfo(info.absolutePath()).isWritable() || !QFileInfo::exists(info.absolutePath())
                          ? QStringLiteral("la cartella superiore non esiste o non è accessibile")
                          : QStringLiteral("permesso negato");
        return false;
    }
    return TextFile::writeLines(FileLeggimi, RigheLeggimi(), errore);
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
    QFontDatabase::addApplicationFont(nativa);
    MsgBox(nullptr,
           QStringLiteral("Ho installato il font per il corsivo 'indis1.ttf'\n"
                          " ----------------------- \n"
                          "Font \"Ecolier court\" di Jean-Marie Douteau (licenza SIL OFL)\n"
                          " http://perso.orange.fr/jm.douteau/"),
           kTitolo);
}

bool PreparaCartelle()
{
    const QString programma = CartellaImpostazioni;
    const QString cartelle[3] = {CartellaRadice, programma, CartellaDati};
    for (int i = 0; i < 3; ++i) {
        if (EsisteCartella(cartelle[i]))
            continue;
        QString errore;
        if (!CreaCartella(cartelle[i], &errore)) {
            MsgBox(nullptr,
                   QStringLiteral("Non è stato possibile creare la cartella\n%1\n(%2).\nIl programma verrà chiuso.")
                       .arg(PathResolver::native(cartelle[i]), errore),
                   QStringLiteral("Zanfroni"), Dialogs::Critical);
            return false;
        }
        if (i == 1)
            InstallaFont();
    }
    return true;
}

void RegistraCaratteri()
{
    const int id = QFontDatabase::addApplicationFont(PathResolver::native(App::Path() + QStringLiteral("\\indis1.ttf")));
    const QStringList famiglie = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
    if (!famiglie.isEmpty())
        QFont::insertSubstitution(QStringLiteral("Indis1"), famiglie.first());
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}

bool Main()
{
    static SingleInstance unica(PathResolver::root());
    if (unica.alreadyRunning()) {
        MsgBox(nullptr, QStringLiteral("E' già stata avviata una copia di questo programma!"), kTitolo);
        return false;
    }
    Rnd::Randomize();
    if (!PreparaCartelle())
        return false;
    RegistraCaratteri();
    FileIni = CartellaImpostazioni + QStringLiteral("_predefinito.INI");
    NomeUtente = QStringLiteral("_predefinito");
    LinguaAgente = QStringLiteral("&H410");
    CaricaProfilo();
    PreparaTavolozza();
    Schermi::mostra(QStringLiteral("FormAvvio"));
    return true;
}
