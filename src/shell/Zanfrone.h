#pragma once
#include "Aspetto.h"

#include <QString>

// The clown every exercise draws, as data: its parts, its look and the words of its colours.
// PittoreZanfrone.h paints it into a clown movie.

// Columns of Colori: 0 the code, then the colour's name in the four agreements.
enum class Accordo : int { MaschileSingolare = 1, MaschilePlurale = 2, FemminileSingolare = 3, FemminilePlurale = 4 };

// The agreement of a part's colour word: the hat and the waistcoat masculine singular, the hair, the
// buttons and the trousers masculine plural, the shirt feminine singular, the shoes feminine plural.
Accordo AccordoParte(int parte);
// The colour word of row `riga` of the user's Colori in that agreement ("" outside the table).
QString ParolaColore(int riga, Accordo accordo);
// "RRGGBB" of a colour row (row 0: the background).
QString CodiceColore(int riga);

// Whether a child can mistake colour row `a` for row `b` on part `parte` (1..7): the same row, or
// rows linked by the same colour or the same word in the part's agreement (case and outer blanks
// aside), through any chain of rows: green "verde", green "blu" and blue "blu" are one colour.
bool ColoriConfondibili(int a, int b, int parte);
// Whether some colour row can be told apart from row `riga` on part `parte`.
bool ColoreRiconoscibile(int riga, int parte);
// Draws a random colour row 1..4 that differs from `diverso` (any row when `diverso` is 0). Given a
// part, the row must also look and read differently from `diverso` there, when any row does.
int ColoreCasuale(int diverso = 0, int parte = 0);
