#pragma once
#include <QString>

// Why a file could not be written or a folder could not be made, in Italian, for the messages a
// teacher reads. The reason is found by looking at the path as it is after the failure (folders
// missing or blocked by a file, read-only or full disk, permissions); `errorCode` (an errno value,
// 0 when unknown) and `systemText` decide when looking does not.
namespace FileErrors {
enum class Target { File, Folder };

QString reason(const QString &nativePath, Target target, int errorCode = 0, const QString &systemText = {});

// True when `nativePath` may be replaced by a save: nothing there yet, a regular file, or a link
// that leads to a regular file. Otherwise *why says what is there instead.
bool replaceable(const QString &nativePath, QString *why = nullptr);

// True when the file at `nativePath` (through a link) must not be written: the system refuses it,
// or its owner has taken away the owner's write permission (which the superuser would overlook).
bool writeProtected(const QString &nativePath);
} // namespace FileErrors
