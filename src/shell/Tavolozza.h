#pragma once
#include <QString>

// The 216 web-safe colours in their fixed order: "&H00BBGGRR&" literals and "RRGGBB" codes.
constexpr int kColoriTavolozza = 216;
extern QString Tavolozza[kColoriTavolozza];
extern QString TavolozzaEsadecimale[kColoriTavolozza];

void PreparaTavolozza();
