#include "Catalogo.h"
#include "exercises/search/FormEs3.h"
#include "exercises/search/FormEs6.h"
#include "exercises/search/FormEs7.h"
#include "exercises/search/FormEs8.h"
#include "exercises/sentences/FormEs1.h"
#include "exercises/sentences/FormEs2.h"
#include "exercises/sentences/FormEs4.h"
#include "exercises/sentences/FormEs5.h"
#include "log/FormEserciziEseguiti.h"
#include "shell/Esercizi.h"
#include "shell/FormAvvio.h"
#include "shell/FormGuida.h"
#include "shell/FormInfo.h"
#include "shell/FormMenu.h"
#include "shell/Immagini.h"
#include "shell/configura/FormConfigura.h"

namespace {
template <class S> Schermo *nuovo() { return new S; }

// The exercises, in menu order: the menu's left column top to bottom, then the right one.
QList<Esercizio> catalogo()
{
    return {
        {.schermo = QStringLiteral("FormEs1"), .crea = nuovo<FormEs1>, .attivita = QStringLiteral("Vero - falso"),
         .didascalia = QStringLiteral("\nVero o falso"), .immagine = Immagini::Menu(0),
         .pulsante = {960, 360}, .riquadroImmagine = {240, 120, 735, 1035}},
        {.schermo = QStringLiteral("FormEs2"), .crea = nuovo<FormEs2>, .attivita = QStringLiteral("Uguale - Diverso"),
         .didascalia = QStringLiteral("\nUguale - diverso"), .immagine = Immagini::Menu(1),
         .pulsante = {960, 1680}, .riquadroImmagine = {120, 1320, 855, 1155}},
        {.schermo = QStringLiteral("FormEs8"), .crea = nuovo<FormEs8>, .attivita = QStringLiteral("Trova le differenze - 1°"),
         .didascalia = QStringLiteral("Trova le\ndifferenze\n1°"), .immagine = Immagini::Menu(2),
         .pulsante = {960, 3000}, .riquadroImmagine = {120, 2760, 855, 1035}},
        {.schermo = QStringLiteral("FormEs3"), .crea = nuovo<FormEs3>, .attivita = QStringLiteral("Trova le differenze - 2°"),
         .didascalia = QStringLiteral("Trova le\ndifferenze\n2°"), .immagine = Immagini::Menu(3),
         .pulsante = {960, 4320}, .riquadroImmagine = {120, 4080, 855, 1035}},
        {.schermo = QStringLiteral("FormEs4"), .crea = nuovo<FormEs4>, .attivita = QStringLiteral("Colora il zanfrone"),
         .didascalia = QStringLiteral("\nColora il zanfrone"), .immagine = Immagini::Menu(4),
         .pulsante = {3360, 360}, .riquadroImmagine = {2520, 120, 855, 1035}},
        {.schermo = QStringLiteral("FormEs5"), .crea = nuovo<FormEs5>, .attivita = QStringLiteral("Insiemi"),
         .didascalia = QStringLiteral("\nInsiemi"), .immagine = Immagini::Menu(5),
         .pulsante = {3360, 1680}, .riquadroImmagine = {2520, 1440, 855, 1035}},
        {.schermo = QStringLiteral("FormEs6"), .crea = nuovo<FormEs6>, .attivita = QStringLiteral("Elimina gli intrusi"),
         .didascalia = QStringLiteral("\nTrova gli\nintrusi"), .immagine = Immagini::Menu(6),
         .pulsante = {3360, 3000}, .riquadroImmagine = {2520, 2760, 855, 1035}},
        {.schermo = QStringLiteral("FormEs7"), .crea = nuovo<FormEs7>, .attivita = QStringLiteral("Indovina chi?"),
         .didascalia = QStringLiteral("\nIndovina chi?"), .immagine = Immagini::Menu(7),
         .pulsante = {3360, 4320}, .riquadroImmagine = {2520, 4080, 855, 1035}},
    };
}
} // namespace

void RegistraSchermi()
{
    Schermi::registra(QStringLiteral("FormAvvio"), nuovo<FormAvvio>);
    Schermi::registra(QStringLiteral("FormConfigura"), nuovo<FormConfigura>);
    Schermi::registra(QStringLiteral("FormMenu"), nuovo<FormMenu>);
    Schermi::registra(QStringLiteral("FormInfo"), nuovo<FormInfo>);
    Schermi::registra(QStringLiteral("Form2"), [] { return new FormGuida(QStringLiteral("Form2"), QStringLiteral("\\conf\\zanfroni.swf")); });
    Schermi::registra(QStringLiteral("Form3"), [] { return new FormGuida(QStringLiteral("Form3"), QStringLiteral("\\conf\\menu.swf")); });
    Schermi::registra(QStringLiteral("FormEserciziEseguiti"), nuovo<FormEserciziEseguiti>);
    Esercizi::registra(catalogo());
}
