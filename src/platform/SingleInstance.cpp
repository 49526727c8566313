#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstance::SingleInstance(const QString &key)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    const QString path = dir + QStringLiteral("/zanfroni-") + QString::fromLatin1(hash) + QStringLiteral(".lock");
    // The system's lock on the open file: it ends with the process however the process ends, and
    // nothing waits for the disk. The file says which process holds it, as the lock files of
    // earlier versions of the program did, so that they too see it held.
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    owned_ = fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
    if (owned_) {
        // On a full disk the file stays empty: the lock holds all the same.
        const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
        [[maybe_unused]] const bool written =
            ::ftruncate(fd_, 0) == 0 && ::write(fd_, pid.constData(), size_t(pid.size())) == pid.size();
    }
}

SingleInstance::~SingleInstance()
{
    if (fd_ >= 0)
        ::close(fd_);
}
