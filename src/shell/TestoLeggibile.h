#pragma once
#include <QColor>

// The text colour, unless the background (a highlight the teacher chose) leaves it unreadable:
// then black or white, whichever stands out more.
QColor TestoLeggibile(const QColor &testo, const QColor &fondo);

// The edge a highlight needs where it stands out too little from the colour behind it (by the same
// measure): black or white, whichever stands out more from the highlight; invalid where it needs none.
QColor BordoEvidenza(const QColor &evidenza, const QColor &dietro);
