#pragma once
#include <QString>

// The activity table: rows 1..500 of exercise name, level, right and wrong answers; row 0 unused.
constexpr int kRigheAttivita = 500;
extern QString AttivitaEseguite[kRigheAttivita + 1][4];
extern qint16 NumeroAttivita;

// Starting an exercise: advances the counter and writes the name. Past row 500 nothing is written
// (false) but the counter still goes on.
bool IniziaAttivita(const QString &nome);
// A level change or leaving: level, right and wrong answers into the current row (none past row 500),
// then the next row.
void ScriviRisultatoAttivita(int livello, long long esatti, int errati);
// Choosing another user empties the table.
void SvuotaAttivita();

// The screen that shows the table (in the log layer, above the menu that opens it), by name.
inline const QString SchermoAttivita = QStringLiteral("FormEserciziEseguiti");
