#pragma once
#include <QString>
#include <array>

// The clown every exercise draws, as data: its parts, its look and the words of its colours.
// PittoreZanfrone.h paints it into a clown movie.

// The clown parts as every exercise numbers them.
namespace Parti {
enum : int { Cappello = 1, Capelli = 2, Camicia = 3, Gile = 4, Bottoni = 5, Pantaloni = 6, Scarpe = 7, Secchio = 8, ConCappello = 9 };
constexpr int kColorate = 7; // parts 1..7 carry a colour row
constexpr int kColori = 4;   // rows 1..4 of Colori
} // namespace Parti

// One clown: entries 1..7 the colour row (1..4 of Colori) of each part, 8 the bucket shown (0/1),
// 9 the hat shown (0/1); entry 0 unused.
using Aspetto = std::array<int, 10>;

// Columns of Colori: 0 the code, then the colour's name in the four agreements.
enum class Accordo : int { MaschileSingolare = 1, MaschilePlurale = 2, FemminileSingolare = 3, FemminilePlurale = 4 };

// The agreement of a part's colour word: the hat and the waistcoat masculine singular, the hair, the
// buttons and the trousers masculine plural, the shirt feminine singular, the shoes feminine plural.
Accordo AccordoParte(int parte);
// The colour word of row `riga` of the user's Colori in that agreement ("" outside the table).
QString ParolaColore(int riga, Accordo accordo);
// "RRGGBB" of a colour row (row 0: the background).
QString CodiceColore(int riga);

// Whether a child can mistake colour row `a` for row `b` on part `parte` (1..7): the same row, the
// same colour, or the same word in the part's agreement (case and outer blanks aside).
bool ColoriConfondibili(int a, int b, int parte);
// Whether some colour row can be told apart from row `riga` on part `parte`.
bool ColoreRiconoscibile(int riga, int parte);
// Draws a random colour row 1..4 that differs from `diverso` (any row when `diverso` is 0). Given a
// part, the row must also look and read differently from `diverso` there, when any row does.
int ColoreCasuale(int diverso = 0, int parte = 0);
