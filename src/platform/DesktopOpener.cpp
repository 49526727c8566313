#include "DesktopOpener.h"
#include "DesktopApplications.h"
#include "Dialogs.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QUrl>

namespace {
const QString kTitle = QStringLiteral("Zanfroni");

void tellNoProgram(QWidget *owner, const QString &pathOrAddress)
{
    const bool pdf = pathOrAddress.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    MsgBox(owner,
           QStringLiteral("Non è stato possibile aprire\n%1\n").arg(pathOrAddress)
               + (pdf ? QStringLiteral("Per leggere la documentazione serve un programma che apra i file PDF: "
                                       "installane uno (per esempio Evince o Okular) e riprova.")
                      : QStringLiteral("Sul computer non c'è un programma che sappia aprirlo.")),
           kTitle, Dialogs::Exclamation);
}

// The kind of the file by its name, or the address's scheme as the desktop names it.
QString kindOf(const QString &pathOrAddress, bool isFile)
{
    if (!isFile)
        return QStringLiteral("x-scheme-handler/") + QUrl::fromUserInput(pathOrAddress).scheme();
    if (pathOrAddress.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return QStringLiteral("application/pdf"); // even where the MIME database is missing
    return QMimeDatabase().mimeTypeForFile(pathOrAddress, QMimeDatabase::MatchExtension).name();
}
} // namespace

void openWithDesktop(QWidget *owner, const QString &pathOrAddress)
{
    const bool isFile = QFileInfo(pathOrAddress).isAbsolute();
    if (isFile && !QFileInfo(pathOrAddress).isFile()) {
        MsgBox(owner, QStringLiteral("Il documento\n%1\nnon è stato trovato.").arg(pathOrAddress), kTitle,
               Dialogs::Exclamation);
        return;
    }
    const QStringList command = DesktopApplications::commandFor(kindOf(pathOrAddress, isFile), pathOrAddress);
    QProcess viewer;
    viewer.setProgram(command.value(0));
    viewer.setArguments(command.mid(1));
    viewer.setStandardInputFile(QProcess::nullDevice());
    viewer.setStandardOutputFile(QProcess::nullDevice());
    viewer.setStandardErrorFile(QProcess::nullDevice());
    if (command.isEmpty() || !viewer.startDetached())
        tellNoProgram(owner, pathOrAddress);
}
