#pragma once
#include "Schermi.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

// An exercise as the main menu offers it: its screen, its line in the activity log and its place on
// the menu. The composition root lists every exercise once at start-up.
struct Esercizio {
    QString schermo;         // the screen it opens, by name
    Schermi::Fabbrica crea;  // a fresh copy of that screen
    QString attivita;        // its name in the activity log
    QString didascalia;      // the menu button's caption, lines separated by \n
    QString immagine;        // the picture beside the button
    QPoint pulsante;         // the button's top-left on the menu, twips
    QRect riquadroImmagine;  // the picture on the menu, twips
};

namespace Esercizi {
// Registers each exercise's screen and keeps the list, in menu order, for the menu.
void registra(QList<Esercizio> elenco);
const QList<Esercizio> &elenco();
} // namespace Esercizi
