#pragma once
#include <QString>

class QWidget;

// Opens a file or an address with the desktop's own program (xdg-open, else Qt's launcher). When
// the file is missing, no program can open it, or the program fails, says so in Italian instead
// of staying silent; a failure that shows only once the launcher has ended is told then.
void openWithDesktop(QWidget *owner, const QString &pathOrAddress);
