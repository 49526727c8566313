#include "PathResolver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString g_root;
QString g_programFolder;

bool isDrivePath(const QString &p)
{
    return p.size() >= 2 && p[1] == QLatin1Char(':') && p[0].isLetter();
}
} // namespace

void PathResolver::setRoot(const QString &root) { g_root = root; }

QString PathResolver::root()
{
    if (!g_root.isEmpty())
        return g_root;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

void PathResolver::setProgramFolder(const QString &folder) { g_programFolder = folder; }

QString PathResolver::programFolder()
{
    if (!g_programFolder.isEmpty())
        return g_programFolder;
    const QStringList candidates = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/zanfroni"),
        QStringLiteral(ZANFRONI_ASSETS_BUILD),
        QStringLiteral(ZANFRONI_ASSETS_INSTALL),
    };
    for (const QString &c : candidates) {
        if (QFileInfo(c).isDir()) {
            g_programFolder = QDir(c).canonicalPath();
            return g_programFolder;
        }
    }
    return QStringLiteral(ZANFRONI_ASSETS_INSTALL);
}

QString PathResolver::matchCase(const QString &base, const QStringList &components)
{
    QString current = base;
    bool matching = true;
    for (const QString &name : components) {
        QString chosen = name;
        if (matching) {
            const QString exact = current + QLatin1Char('/') + name;
            if (!QFileInfo::exists(exact)) {
                const QStringList entries = QDir(current).entryList(
                    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
                auto it = std::find_if(entries.begin(), entries.end(), [&](const QString &e) {
                    return e.compare(name, Qt::CaseInsensitive) == 0;
                });
                if (it != entries.end())
                    chosen = *it;
                else
                    matching = false; // nothing below a missing component can exist
            }
        }
        current += QLatin1Char('/') + chosen;
    }
    return current;
}

QString PathResolver::native(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (isDrivePath(p)) {
        QStringList parts = p.mid(2).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        // The Windows folder is the data root itself: its "fonts" is the user's font folder.
        if (!parts.isEmpty() && parts.first().compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0)
            parts.removeFirst();
        QString base = root();
        while (base.endsWith(QLatin1Char('/')) && base.size() > 1)
            base.chop(1);
        return matchCase(base, parts);
    }
    if (QFileInfo::exists(p) || !p.startsWith(QLatin1Char('/')))
        return p;
    const QStringList parts = p.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return matchCase(QString(), parts);
}

QString App::Path() { return PathResolver::programFolder(); }
