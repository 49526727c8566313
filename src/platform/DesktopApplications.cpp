#include "DesktopApplications.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <algorithm>

namespace {

// The groups of a desktop or mimeapps.list file: group -> key -> value (no translations needed).
using Groups = QHash<QString, QHash<QString, QString>>;

Groups readGroups(const QString &path)
{
    Groups groups;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return groups;
    QString group;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !groups[group].contains(line.left(equals).trimmed()))
            groups[group].insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return groups;
}

QStringList listValue(const QString &value)
{
    return value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

// A desktop file's string escapes: \s \n \t \r \\.
QString unescape(const QString &value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar n = value[++i];
        out += n == QLatin1Char('s') ? QChar(' ') : n == QLatin1Char('n') ? QChar('\n')
             : n == QLatin1Char('t') ? QChar('\t') : n == QLatin1Char('r') ? QChar('\r') : n;
    }
    return out;
}

// Exec's words: split at spaces outside double quotes; inside them \" \` \$ \\ stand for the character.
QStringList splitExec(const QString &exec)
{
    QStringList words;
    QString word;
    bool quoted = false, inWord = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted && c == QLatin1Char('\\') && i + 1 < exec.size()) {
            word += exec[++i];
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && c.isSpace()) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    return words;
}

// Field codes: %f %F %u %U the target, %c the name, %k the desktop file, %% a percent sign; the
// others (%i and the deprecated ones) are dropped. Without a target's code the target comes last.
QStringList expandExec(const QString &exec, const QString &target, const QString &name, const QString &file)
{
    QStringList command;
    bool placed = false;
    const QStringList words = splitExec(exec);
    for (const QString &word : words) {
        QString expanded;
        for (qsizetype i = 0; i < word.size(); ++i) {
            if (word[i] != QLatin1Char('%') || i + 1 == word.size()) {
                expanded += word[i];
                continue;
            }
            const char code = word[++i].toLatin1();
            if (QByteArrayView("fFuU").contains(code)) {
                expanded += target;
                placed = true;
            } else if (code == 'c') {
                expanded += name;
            } else if (code == 'k') {
                expanded += file;
            } else if (code == '%') {
                expanded += QLatin1Char('%');
            }
        }
        if (!expanded.isEmpty() || word.isEmpty())
            command << expanded;
    }
    if (!placed && !command.isEmpty())
        command << target;
    return command;
}

bool canRun(const QString &program)
{
    if (program.isEmpty())
        return false;
    if (program.contains(QLatin1Char('/')))
        return QFileInfo(program).isExecutable() && QFileInfo(program).isFile();
    return !QStandardPaths::findExecutable(program).isEmpty();
}

// The installed applications: desktop id ("kde4-okular.desktop" for kde4/okular.desktop) -> file,
// the first folder of the XDG data folders winning; and the ids in that order.
struct Installed {
    QHash<QString, QString> files;
    QStringList order;
};

Installed installedApplications(const QStringList &dataDirs)
{
    Installed installed;
    for (const QString &dir : dataDirs) {
        const QString root = dir + QStringLiteral("/applications/");
        QDirIterator it(root, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QString id = path.mid(root.size());
            id.replace(QLatin1Char('/'), QLatin1Char('-'));
            if (!installed.files.contains(id)) {
                installed.files.insert(id, path);
                installed.order << id;
            }
        }
    }
    return installed;
}

// The command for one desktop file, or empty when it cannot serve.
QStringList commandOf(const QString &desktopFile, const QString &target, const QStringList &types,
                      bool mustListType)
{
    const auto entry = readGroups(desktopFile).value(QStringLiteral("Desktop Entry"));
    const auto is = [&entry](const char *key) { return entry.value(QLatin1String(key)) == QLatin1String("true"); };
    if (entry.value(QStringLiteral("Type")) != QLatin1String("Application") || is("Hidden") || is("Terminal"))
        return {};
    if (mustListType) {
        const QStringList listed = listValue(entry.value(QStringLiteral("MimeType")));
        if (std::none_of(types.begin(), types.end(), [&listed](const QString &t) { return listed.contains(t); }))
            return {};
    }
    const QString tryExec = unescape(entry.value(QStringLiteral("TryExec")));
    if (!tryExec.isEmpty() && !canRun(tryExec))
        return {};
    const QStringList command = expandExec(unescape(entry.value(QStringLiteral("Exec"))), target,
                                           entry.value(QStringLiteral("Name")), desktopFile);
    return command.isEmpty() || !canRun(command.first()) ? QStringList() : command;
}

// The mimeapps.list files, most important first: the config folders, then the data folders'
// applications folders, each with the current desktops' own file before the common one.
QStringList mimeappsLists(const QStringList &dataDirs)
{
    QStringList prefixes;
    for (const QString &desktop : qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(QLatin1Char(':'), Qt::SkipEmptyParts))
        prefixes << desktop + QLatin1Char('-');
    prefixes << QString();
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    for (const QString &dir : dataDirs)
        folders << dir + QStringLiteral("/applications");
    QStringList lists;
    for (const QString &folder : folders)
        for (const QString &prefix : prefixes)
            lists << folder + QLatin1Char('/') + prefix + QStringLiteral("mimeapps.list");
    return lists;
}

// The type and its old name with "x-" ("application/x-pdf"), which desktop files still list. The
// type's other aliases do not count: image tools list "image/pdf" and show no document.
QStringList namesOf(const QString &mimeType)
{
    const qsizetype slash = mimeType.indexOf(QLatin1Char('/'));
    const QString subtype = mimeType.mid(slash + 1);
    if (slash <= 0 || subtype.startsWith(QLatin1String("x-")))
        return {mimeType};
    return {mimeType, mimeType.left(slash + 1) + QStringLiteral("x-") + subtype};
}

} // namespace

QStringList DesktopApplications::commandFor(const QString &mimeType, const QString &target)
{
    const QStringList types = namesOf(mimeType);
    const QStringList dataDirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    const Installed installed = installedApplications(dataDirs);
    // A default or an added association serves without listing the type itself.
    const auto serving = [&](const QStringList &ids, const QStringList &removed) {
        for (const QString &id : ids)
            if (installed.files.contains(id) && !removed.contains(id))
                if (QStringList c = commandOf(installed.files[id], target, types, false); !c.isEmpty())
                    return c;
        return QStringList();
    };

    QStringList added, removed;
    for (const QString &list : mimeappsLists(dataDirs)) {
        const Groups groups = readGroups(list);
        for (const QString &type : types) {
            if (QStringList c = serving(listValue(groups[QStringLiteral("Default Applications")].value(type)), {});
                !c.isEmpty())
                return c;
            added << listValue(groups[QStringLiteral("Added Associations")].value(type));
            removed << listValue(groups[QStringLiteral("Removed Associations")].value(type));
        }
    }
    if (QStringList c = serving(added, removed); !c.isEmpty())
        return c;
    for (const QString &id : installed.order)
        if (!removed.contains(id))
            if (QStringList c = commandOf(installed.files[id], target, types, true); !c.isEmpty())
                return c;
    return {};
}
