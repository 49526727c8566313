#pragma once
#include <QColor>

// The text colour, unless the background (a highlight the teacher chose) leaves it unreadable:
// then black or white, whichever stands out more.
QColor TestoLeggibile(const QColor &testo, const QColor &fondo);

// The edge a highlight needs where it stands out too little from the colour behind it (by the same
// measure): black or white, whichever stands out more from the highlight; invalid where it needs none.
QColor BordoEvidenza(const QColor &evidenza, const QColor &dietro);

// The edge of a button now coloured `sfondo` whose plain colour is `spento`: none while it is plain,
// else as BordoEvidenza says of the highlight against the plain colour.
QColor BordoPulsante(const QColor &sfondo, const QColor &spento);
