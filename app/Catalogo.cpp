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
#include "shell/configura/FormConfigura.h"

namespace {
template <class S> Schermo *nuovo() { return new S; }

// The exercises, in menu order: the menu's left column top to bottom, then the right one.
QList<Esercizio> catalogo()
{
    return {
        {.schermo = FormEs1::Nome, .crea = nuovo<FormEs1>, .attivita = QStringLiteral("Vero - falso"),
         .didascalia = QStringLiteral("\nVero o falso"), .immagine = QStringLiteral("\\immagini\\verofalso.svg"),
         .pulsante = {960, 360}, .riquadroImmagine = {240, 120, 735, 1035}},
        {.schermo = FormEs2::Nome, .crea = nuovo<FormEs2>, .attivita = QStringLiteral("Uguale - Diverso"),
         .didascalia = QStringLiteral("\nUguale - diverso"), .immagine = QStringLiteral("\\immagini\\ugualediverso.svg"),
         .pulsante = {960, 1680}, .riquadroImmagine = {120, 1320, 855, 1155}},
        {.schermo = FormEs8::Nome, .crea = nuovo<FormEs8>, .attivita = QStringLiteral("Trova le differenze - 1°"),
         .didascalia = QStringLiteral("Trova le\ndifferenze\n1°"), .immagine = QStringLiteral("\\immagini\\differenze1.svg"),
         .pulsante = {960, 3000}, .riquadroImmagine = {120, 2760, 855, 1035}},
        {.schermo = FormEs3::Nome, .crea = nuovo<FormEs3>, .attivita = QStringLiteral("Trova le differenze - 2°"),
         .didascalia = QStringLiteral("Trova le\ndifferenze\n2°"), .immagine = QStringLiteral("\\immagini\\differenze2.svg"),
         .pulsante = {960, 4320}, .riquadroImmagine = {120, 4080, 855, 1035}},
        {.schermo = FormEs4::Nome, .crea = nuovo<FormEs4>, .attivita = QStringLiteral("Colora il zanfrone"),
         .didascalia = QStringLiteral("\nColora il zanfrone"), .immagine = QStringLiteral("\\immagini\\colora.svg"),
         .pulsante = {3360, 360}, .riquadroImmagine = {2520, 120, 855, 1035}},
        {.schermo = FormEs5::Nome, .crea = nuovo<FormEs5>, .attivita = QStringLiteral("Insiemi"),
         .didascalia = QStringLiteral("\nInsiemi"), .immagine = QStringLiteral("\\immagini\\insiemi.svg"),
         .pulsante = {3360, 1680}, .riquadroImmagine = {2520, 1440, 855, 1035}},
        {.schermo = FormEs6::Nome, .crea = nuovo<FormEs6>, .attivita = QStringLiteral("Elimina gli intrusi"),
         .didascalia = QStringLiteral("\nTrova gli\nintrusi"), .immagine = QStringLiteral("\\immagini\\intrusi.svg"),
         .pulsante = {3360, 3000}, .riquadroImmagine = {2520, 2760, 855, 1035}},
        {.schermo = FormEs7::Nome, .crea = nuovo<FormEs7>, .attivita = QStringLiteral("Indovina chi?"),
         .didascalia = QStringLiteral("\nIndovina chi?"), .immagine = QStringLiteral("\\immagini\\indovinachi.svg"),
         .pulsante = {3360, 4320}, .riquadroImmagine = {2520, 4080, 855, 1035}},
    };
}
} // namespace

void RegistraSchermi()
{
    Schermi::registra(FormAvvio::Nome, nuovo<FormAvvio>);
    Schermi::registra(FormConfigura::Nome, nuovo<FormConfigura>);
    Schermi::registra(FormMenu::Nome, nuovo<FormMenu>);
    Schermi::registra(FormInfo::Nome, nuovo<FormInfo>);
    Schermi::registra(FormGuida::NomeConfigurazione,
                      [] { return new FormGuida(FormGuida::NomeConfigurazione, QStringLiteral("\\conf\\zanfroni.swf")); });
    Schermi::registra(FormGuida::NomeColoriMenu,
                      [] { return new FormGuida(FormGuida::NomeColoriMenu, QStringLiteral("\\conf\\menu.swf")); });
    Schermi::registra(FormEserciziEseguiti::Nome, nuovo<FormEserciziEseguiti>);
    Esercizi::registra(catalogo());
}
