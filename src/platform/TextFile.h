#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Text files as the Windows program writes them: the Windows 8-bit character set (cp1252)
// and CR LF after every line. Writes are atomic: a failed write keeps the old file whole.
namespace TextFile {
QByteArray encodeCp1252(const QString &text);
QString decodeCp1252(const QByteArray &bytes);

// Writes each line followed by CR LF; on failure returns false and says why in *error.
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);

// Reads the lines of the file (CR LF, lone LF or lone CR end a line); nullopt when it cannot be read.
std::optional<QStringList> readLines(const QString &path, QString *error = nullptr);
} // namespace TextFile
