#include "DesktopOpener.h"
#include "Dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

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
} // namespace

void openWithDesktop(QWidget *owner, const QString &pathOrAddress)
{
    const bool isFile = QFileInfo(pathOrAddress).isAbsolute();
    if (isFile && !QFileInfo(pathOrAddress).isFile()) {
        MsgBox(owner, QStringLiteral("Il documento\n%1\nnon è stato trovato.").arg(pathOrAddress), kTitle,
               Dialogs::Exclamation);
        return;
    }
    const QString launcher = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (launcher.isEmpty()) {
        const QUrl url = isFile ? QUrl::fromLocalFile(pathOrAddress) : QUrl::fromUserInput(pathOrAddress);
        if (!QDesktopServices::openUrl(url))
            tellNoProgram(owner, pathOrAddress);
        return;
    }
    // xdg-open reports a missing viewer only through its exit status.
    auto *process = new QProcess(QCoreApplication::instance());
    QPointer<QWidget> screen(owner);
    auto failed = [process, screen, pathOrAddress] {
        tellNoProgram(screen, pathOrAddress);
        process->deleteLater();
    };
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            failed();
    });
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0)
                             failed();
                         else
                             process->deleteLater();
                     });
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(launcher, {pathOrAddress});
}
