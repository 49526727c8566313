#pragma once
#include <QColor>
#include <QString>

// What tells one exercise screen from another on the common frame. Screens give it with designated
// initialisers, leaving out what keeps its default.
struct DescrizioneEsercizio {
    QString schermo;        // its name in the screen registry, the class's Nome
    int livelli = 1;        // levels 1..livelli
    int soglia = 7;         // one level up when right minus wrong reaches it
    QString menuLivelli = QStringLiteral("Livelli");
    bool premio = false;    // a reward movie every tenth right answer
    int larghezza = 7935;   // design client area, twips
    int altezza = 6075;
    QColor sfondo;          // design background, kept while ColoriVari is on
};
