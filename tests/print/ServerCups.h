#pragma once
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <cups/cups.h>
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/prctl.h>
#include <unistd.h>

// A private print server for one test run: cupsd with its own configuration folder on a free
// port of 127.0.0.1, and one queue that writes PDF files (cups-pdf) into a folder of its own.
// Everything goes when the object does; cupsd also ends if the test process dies.
class ServerCups
{
public:
    static inline const QString Coda = QStringLiteral("ZanfroniPdf");
    QString indirizzo; // host:port, for CUPS_SERVER

    ~ServerCups() { ferma(); }

    // What this machine lacks to run a server; "" when it has it all.
    static QString mancante()
    {
        if (geteuid() != 0)
            return QStringLiteral("the test must run as root to start cupsd");
        for (const char *f : {"/usr/sbin/cupsd", "/usr/lib/cups/backend/cups-pdf", "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"})
            if (!QFileInfo::exists(QString::fromLatin1(f)))
                return QStringLiteral("%1 is missing (packages cups, printer-driver-cups-pdf)").arg(QString::fromLatin1(f));
        for (const char *p : {"lpadmin", "cupsreject", "cupsaccept", "pdftoppm"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(p)).isEmpty())
                return QStringLiteral("%1 is missing (packages cups-client, poppler-utils)").arg(QString::fromLatin1(p));
        if (!getgrnam("lp"))
            return QStringLiteral("the group lp is missing");
        return {};
    }

    // Starts cupsd and adds the queue, the system's default one; false with the reason.
    bool avvia(QString &motivo)
    {
        if (!cartella_.isValid())
            return (motivo = QStringLiteral("no temporary folder")), false;
        const QString d = cartella_.path();
        for (const char *s : {"ppd", "spool", "cache", "state", "log", "pdf", "spool-pdf", "tmp"})
            QDir(d).mkpath(QString::fromLatin1(s));
        // The filters run as lp: they must reach the spool and the temporary folder.
        QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                     | QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
                                     | QFileDevice::ExeOther);
        const QByteArray tmp = QFile::encodeName(d + QStringLiteral("/tmp"));
        if (chown(tmp.constData(), 0, getgrnam("lp")->gr_gid) != 0 || chmod(tmp.constData(), 01770) != 0)
            return (motivo = QStringLiteral("cannot prepare %1").arg(QString::fromLocal8Bit(tmp))), false;

        QTcpServer libero;
        if (!libero.listen(QHostAddress::LocalHost))
            return (motivo = QStringLiteral("no free port")), false;
        const quint16 porta = libero.serverPort();
        libero.close();
        indirizzo = QStringLiteral("127.0.0.1:%1").arg(porta);

        scrivi(QStringLiteral("cupsd.conf"), QStringLiteral(
            "Listen %1\nLogLevel debug\nBrowsing No\nWebInterface No\nDefaultAuthType None\nDefaultPolicy libero\n"
            "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
            "<Policy libero>\n  JobPrivateAccess all\n  JobPrivateValues none\n  SubscriptionPrivateAccess all\n"
            "  SubscriptionPrivateValues none\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n").arg(indirizzo));
        scrivi(QStringLiteral("cups-files.conf"), QStringLiteral(
            "ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\nCacheDir %1/cache\nStateDir %1/state\n"
            "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\nPageLog %1/log/page_log\nPrintcap %1/printcap\n"
            "User lp\nGroup lp\nSystemGroup root\nFileDevice No\n").arg(d));
        // cups-pdf reads its settings only from the system folder, by the name in the device URI.
        // Those of earlier runs that died are removed first.
        for (const QFileInfo &f : QDir(QStringLiteral("/etc/cups")).entryInfoList({QStringLiteral("cups-pdf-zanfroni*.conf")})) {
            const int pid = f.completeBaseName().mid(int(qstrlen("cups-pdf-zanfroni"))).toInt();
            if (pid > 0 && kill(pid, 0) != 0)
                QFile::remove(f.absoluteFilePath());
        }
        const QString nome = QStringLiteral("zanfroni%1").arg(getpid());
        confPdf_ = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(nome);
        if (!scriviIn(confPdf_, QStringLiteral("Out %1/pdf\nAnonDirName %1/pdf\nSpool %1/spool-pdf\nGrp root\n"
                                               "Log %1/log\nLogType 7\n").arg(d)))
            return (motivo = QStringLiteral("cannot write %1").arg(confPdf_)), false;

        cupsd_.setProcessChannelMode(QProcess::MergedChannels);
        cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
        cupsd_.start(QStringLiteral("/usr/sbin/cupsd"), {QStringLiteral("-f"), QStringLiteral("-c"), d + QStringLiteral("/cupsd.conf"),
                                                         QStringLiteral("-s"), d + QStringLiteral("/cups-files.conf")});
        if (!cupsd_.waitForStarted(5000))
            return (motivo = QStringLiteral("cupsd did not start")), false;
        QElapsedTimer t;
        t.start();
        for (;;) {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, porta);
            if (s.waitForConnected(200))
                break;
            if (cupsd_.state() != QProcess::Running || t.elapsed() > 10000)
                return (motivo = QStringLiteral("cupsd does not answer: %1 %2").arg(QString::fromLocal8Bit(cupsd_.readAll()), registro())), false;
            QThread::msleep(50);
        }
        if (!comando(QStringLiteral("lpadmin"), {QStringLiteral("-p"), Coda, QStringLiteral("-E"), QStringLiteral("-v"),
                                                 QStringLiteral("cups-pdf:/") + nome, QStringLiteral("-P"),
                                                 QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")})
            || !comando(QStringLiteral("lpadmin"), {QStringLiteral("-d"), Coda}))
            return (motivo = QStringLiteral("lpadmin failed: %1").arg(ultimoErrore_)), false;
        return true;
    }

    // A command of the CUPS clients against this server (lpadmin, cupsreject, ...).
    bool comando(const QString &programma, QStringList argomenti)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        argomenti.prepend(indirizzo);
        argomenti.prepend(QStringLiteral("-h"));
        p.start(programma, argomenti);
        const bool ok = p.waitForFinished(15000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        ultimoErrore_ = QString::fromLocal8Bit(p.readAll());
        return ok;
    }
    bool rifiuta() { return comando(QStringLiteral("cupsreject"), {Coda}); }
    bool accetta() { return comando(QStringLiteral("cupsaccept"), {Coda}); }

    // Waits until no job of the queue is left to print; false after `ms` or when the queue stopped.
    bool attendiLavori(int ms = 120000) // cups-pdf runs Ghostscript: slow on a loaded machine
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            cups_job_t *lavori = nullptr;
            const int attivi = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lavori, Coda.toLatin1().constData(), 0, CUPS_WHICHJOBS_ACTIVE);
            if (attivi > 0)
                cupsFreeJobs(attivi, lavori);
            if (attivi == 0)
                return true;
            QThread::msleep(100);
        }
        return false;
    }

    // The PDF files written, oldest first.
    QStringList pdf() const
    {
        QStringList l;
        for (const QFileInfo &f : QDir(cartella_.filePath(QStringLiteral("pdf")))
                                      .entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed))
            l << f.absoluteFilePath();
        return l;
    }

    // The end of the server's log, to tell what went wrong.
    QString registro() const
    {
        QFile f(cartella_.filePath(QStringLiteral("log/error_log")));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(f.readAll().right(3000));
    }

private:
    void ferma()
    {
        if (cupsd_.state() != QProcess::NotRunning) {
            cupsd_.terminate();
            if (!cupsd_.waitForFinished(5000))
                cupsd_.kill();
            cupsd_.waitForFinished(2000);
        }
        if (!confPdf_.isEmpty())
            QFile::remove(confPdf_);
    }
    void scrivi(const QString &nome, const QString &testo) { scriviIn(cartella_.filePath(nome), testo); }
    static bool scriviIn(const QString &percorso, const QString &testo)
    {
        QFile f(percorso);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(testo.toUtf8()) == testo.toUtf8().size();
    }

    QTemporaryDir cartella_;
    QProcess cupsd_;
    QString confPdf_;
    QString ultimoErrore_;
};
