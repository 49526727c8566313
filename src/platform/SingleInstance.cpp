#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &key)
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    lock_ = std::make_unique<QLockFile>(dir + QStringLiteral("/zanfroni-") + QString::fromLatin1(hash) + QStringLiteral(".lock"));
    lock_->setStaleLockTime(0); // a lock left by a crashed copy is taken over when its process is gone
    owned_ = lock_->tryLock(0);
}

SingleInstance::~SingleInstance() = default;
