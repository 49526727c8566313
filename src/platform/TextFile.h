#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Text files as the Windows program writes them: the Windows 8-bit character set (cp1252)
// and CR LF after every line. Writes are atomic: a failed write keeps the old file whole.
namespace TextFile {
// Characters cp1252 cannot hold are written as '?'.
QByteArray encodeCp1252(const QString &text);
// Whether cp1252 holds `c` (never half of a surrogate pair).
bool holdsCp1252(QChar c);
QString decodeCp1252(const QByteArray &bytes);

// Writes each line followed by CR LF; on failure returns false and puts in *error an Italian message
// naming the file, the reason, and (when there was one) that the old file is unchanged.
// Only a regular file (or a link to one, kept as a link) is replaced.
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);

// Reads the lines of a regular file (CR LF, lone LF or lone CR end a line); nullopt when it cannot be
// read, with an Italian message naming the file and the reason in *error. Every byte decodes, so a file read and written back is
// byte for byte the same (the five bytes cp1252 leaves undefined included).
std::optional<QStringList> readLines(const QString &path, QString *error = nullptr);

// Removes the temporary copies an interrupted save leaves in `folder` ("<name>.XXXXXX", where
// <name> matches one of the wildcard patterns `ownNames`, in any letter case); how many went.
int removeStaleCopies(const QString &folder, const QStringList &ownNames);
} // namespace TextFile
