#include "FileErrors.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {
QString quoted(const QString &path) { return QStringLiteral("\u00AB%1\u00BB").arg(QDir::toNativeSeparators(path)); }

// The first folder above `path`, from the top, that is missing or is not a folder.
QString missingFolder(const QString &path, bool *blockedByFile)
{
    const QString parent = QFileInfo(path).absolutePath();
    QStringList chain;
    for (QString f = parent; !f.isEmpty() && f != QLatin1String("/"); f = QFileInfo(f).absolutePath())
        chain.prepend(f);
    for (const QString &f : chain) {
        const QFileInfo info(f);
        if (info.isDir())
            continue;
        *blockedByFile = info.exists() || info.isSymLink();
        return f;
    }
    return {};
}

QString fileSystemReason(const QString &folder, int errorCode)
{
    struct statvfs fs {};
    const bool known = ::statvfs(QFile::encodeName(folder).constData(), &fs) == 0;
    if (errorCode == EROFS || (known && (fs.f_flag & ST_RDONLY)))
        return QStringLiteral("il disco è protetto dalla scrittura (sola lettura)");
    if (errorCode == ENOSPC || errorCode == EDQUOT || (known && (fs.f_bavail == 0 || fs.f_favail == 0)))
        return QStringLiteral("il disco è pieno");
    if (errorCode == EACCES || errorCode == EPERM || ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return QStringLiteral("non c'è il permesso di scrivere nella cartella %1").arg(quoted(folder));
    return {};
}
} // namespace

bool FileErrors::replaceable(const QString &nativePath, QString *why)
{
    const QFileInfo info(nativePath);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (info.isFile()) // follows links: a link to a regular file is written through
        return true;
    if (why) {
        if (info.isDir())
            *why = QStringLiteral("al suo posto c'è una cartella con lo stesso nome");
        else if (info.isSymLink())
            *why = QStringLiteral("è un collegamento che non porta a un file normale (%1)").arg(quoted(info.symLinkTarget()));
        else
            *why = QStringLiteral("non è un file normale");
    }
    return false;
}

bool FileErrors::writeProtected(const QString &nativePath)
{
    const QFileInfo info(nativePath);
    return info.exists() && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner));
}

QString FileErrors::reason(const QString &nativePath, Target target, int errorCode, const QString &systemText)
{
    bool blocked = false;
    const QString folder = missingFolder(nativePath, &blocked);
    if (!folder.isEmpty())
        return blocked ? QStringLiteral("al posto della cartella %1 c'è un file con lo stesso nome").arg(quoted(folder))
                       : QStringLiteral("la cartella %1 non esiste").arg(quoted(folder));
    const QFileInfo info(nativePath);
    if (target == Target::Folder && (info.exists() || info.isSymLink()) && !info.isDir())
        return QStringLiteral("al suo posto c'è un file con lo stesso nome");
    QString why;
    if (target == Target::File && !replaceable(nativePath, &why))
        return why;
    const QString fs = fileSystemReason(info.absolutePath(), errorCode);
    if (!fs.isEmpty())
        return fs;
    if (target == Target::File && writeProtected(nativePath))
        return QStringLiteral("il file è protetto dalla scrittura");
    if (errorCode == ENAMETOOLONG)
        return QStringLiteral("il nome è troppo lungo");
    return systemText.isEmpty() ? QStringLiteral("errore del sistema")
                                : QStringLiteral("errore del sistema: %1").arg(systemText);
}
