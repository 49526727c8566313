#pragma once
#include <QString>
#include <QStringList>

// The desktop's program for a kind of file, found the way the desktop finds it, from files alone
// (nothing is run): the defaults of mimeapps.list, then its added associations, then the desktop
// files of the XDG data folders that list the type, in the folders' order. Only a program that can
// be started counts (its Exec and TryExec found, not hidden), and not one that needs a terminal:
// the program has none to give it.
namespace DesktopApplications {

// The command line that opens `target` (a path or an address) with the program for mimeType, or for
// its old name with "x-" (application/x-pdf); empty when the desktop has none.
QStringList commandFor(const QString &mimeType, const QString &target);

} // namespace DesktopApplications
