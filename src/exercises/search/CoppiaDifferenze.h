#pragma once
#include "shell/Zanfrone.h"

#include <QString>

// Two clowns, the second a copy of the first with as many parts changed as the level: the child
// finds the differences and makes the clowns equal again, one part at a time.
class CoppiaDifferenze
{
public:
    // Rows 1..8 can be chosen on the screens (part drawings or clown parts); row 9, the hat's
    // presence, is settled through the hat (row 1).
    static constexpr int kRigaMassima = 8;

    Aspetto aspetto[2]{}; // [0] the left clown, [1] the right one
    int Differenze[10]{}; // 1: the row is a difference still to be found
    int Trovate = 0;
    int Livello = 1;      // differences of this pair

    // A new pair with `livello` differences. `conMouse`: any of rows 1..9 may differ; otherwise the
    // first clown shows bucket and hat and only rows 1..8 may differ. `secchioADestra`: a bucket
    // difference always shows the bucket on the right clown.
    void ImpostaColori(int livello, bool conMouse, bool secchioADestra);

    // The child chose row `riga`: when it is a difference, column `bersaglio` takes the value of
    // column `sorgente` (with the mouse the hat also brings its presence) and the row is found.
    bool Giudica(int riga, int sorgente, int bersaglio, bool conMouse);
    bool Finita() const { return Trovate >= Livello; }
};
