#include "TextFile.h"
#include "FileErrors.h"
#include "PathResolver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <cerrno>

namespace {
// cp1252 0x80..0x9F; 0 where the code page leaves the byte undefined.
constexpr char16_t kHigh[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};
} // namespace

namespace {
// The byte cp1252 writes `u` as, or -1 when the code page has none.
int cp1252Byte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    // The five bytes the code page leaves undefined were read as U+0081.. and go back unchanged.
    if (u < 0xA0 && kHigh[u - 0x80] == 0)
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return 0x80 + i;
    return -1;
}
} // namespace

bool TextFile::holdsCp1252(QChar c) { return cp1252Byte(c.unicode()) >= 0; }

QByteArray TextFile::encodeCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = cp1252Byte(c.unicode());
        out.append(b >= 0 ? char(b) : '?');
    }
    return out;
}

QString TextFile::decodeCp1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0)
            out.append(kHigh[b - 0x80] ? QChar(kHigh[b - 0x80]) : QChar(b));
        else
            out.append(QChar(b));
    }
    return out;
}

bool TextFile::writeLines(const QString &path, const QStringList &lines, QString *error)
{
    QByteArray data;
    for (const QString &line : lines) {
        data += encodeCp1252(line);
        data += "\r\n";
    }
    const QString native = PathResolver::native(path);
    const bool hadOldFile = QFileInfo(native).isFile();
    auto fail = [&](const QString &reason) {
        if (error)
            *error = QStringLiteral("Non è stato possibile scrivere il file\n%1\n(%2).%3")
                         .arg(native, reason,
                              hadOldFile ? QStringLiteral("\nIl file precedente non è stato modificato.") : QString());
        return false;
    };
    // A link is written through only when it leads to a regular file: never over a device or a fifo.
    QString why;
    if (!FileErrors::replaceable(native, &why))
        return fail(why);
    if (FileErrors::writeProtected(native))
        return fail(FileErrors::reason(native, FileErrors::Target::File));
    // Unbuffered: the bytes reach the disk inside write(), where a full disk is seen. Through
    // Qt's buffer the failure would come up in commit(), which then still replaces the old file.
    QSaveFile file(native);
    bool ok = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    int code = 0;
    if (ok && file.write(data) != data.size()) {
        ok = false;
        code = ENOSPC; // a short write: the disk filled up
    }
    if (ok && file.commit())
        return true;
    const QString systemText = file.errorString();
    const bool full = file.error() == QFileDevice::ResourceError;
    file.cancelWriting();
    return fail(FileErrors::reason(native, FileErrors::Target::File, full ? ENOSPC : code, systemText));
}

std::optional<QStringList> TextFile::readLines(const QString &path, QString *error)
{
    const QString native = PathResolver::native(path);
    QFile file(native);
    auto fail = [&](const QString &reason) {
        if (error)
            *error = QStringLiteral("Non è stato possibile leggere il file\n%1\n(%2).").arg(native, reason);
        return std::nullopt;
    };
    // Only regular files: a fifo would block the program, a device never ends.
    const QFileInfo info(native);
    if (!info.exists())
        return fail(QStringLiteral("il file non esiste"));
    if (!info.isFile())
        return fail(QStringLiteral("non è un file normale"));
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("non c'è il permesso di leggere il file"));
    const QString text = decodeCp1252(file.readAll());
    QStringList lines;
    QString current;
    bool pending = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << current;
            current.clear();
            pending = false;
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending)
        lines << current;
    return lines;
}

int TextFile::removeStaleCopies(const QString &folder, const QStringList &ownNames)
{
    // QSaveFile names its copy after the target with a dot and six random letters or digits.
    static const QRegularExpression copy(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    QList<QRegularExpression> own;
    for (const QString &pattern : ownNames)
        own << QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                                  QRegularExpression::CaseInsensitiveOption);
    int removed = 0;
    const QDir dir(PathResolver::native(folder));
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks)) {
        const auto match = copy.match(entry.fileName());
        if (!match.hasMatch())
            continue;
        const QString target = match.captured(1);
        if (std::any_of(own.begin(), own.end(), [&](const QRegularExpression &r) { return r.match(target).hasMatch(); })
            && QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
}
