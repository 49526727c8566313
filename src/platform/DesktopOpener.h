#pragma once
#include <QString>

class QWidget;

// Opens a file or an address with the desktop's own program for its kind (DesktopApplications),
// started on its own with its output discarded; nothing waits on it. When the file is missing, or
// the desktop has no program for it, or the program cannot be started, says so in Italian.
void openWithDesktop(QWidget *owner, const QString &pathOrAddress);
