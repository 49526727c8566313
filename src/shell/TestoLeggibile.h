#pragma once
#include <QColor>

// The text colour, unless the background (a highlight the teacher chose) leaves it unreadable:
// then black or white, whichever stands out more.
QColor TestoLeggibile(const QColor &testo, const QColor &fondo);
