#pragma once
#include "shell/Zanfrone.h"

#include <QRect>
#include <array>
#include <functional>

// A line-up of clowns drawn at random, one of them the target, and how the scanning frame moves over
// it. Levels 1..5 show 2, 4, 6, 9 or 12 clowns, numbered row by row, left to right.
class Allineamento
{
public:
    static constexpr int kMassimo = 12;
    static constexpr int kLivelli = 5;
    using Mostrato = std::function<bool(int)>;

    static int NumeroZanfroni(int livello);
    static int Colonne(int livello);
    // Design place (twips) of clown `i` at `livello`.
    static QRect Posto(int livello, int i);

    // The next or previous shown clown (itself when none other is shown).
    static int Avanti(int posizione, int numero, const Mostrato &mostrato);
    static int Indietro(int posizione, int numero, const Mostrato &mostrato);
    // One row down (`direzione` +1) or up (-1), wrapping within the column; a step that lands on a
    // hidden clown is repeated. A column with no clown shown passes on to the next shown clown.
    // Level 1 has one row: nothing moves.
    static int Verticale(int posizione, int direzione, int livello, const Mostrato &mostrato);

    int Numero = 0;
    int ZanfroneGiusto = 0;
    std::array<Aspetto, kMassimo> Aspetti{};
    Aspetto Caratteristiche{}; // the target's record

    // Whether `zanfrone` shows every trait listed for `bersaglio`, as a child sees and reads them: the
    // bucket, the hat, the hat's colour only when the target wears one, the colours of parts 2..7.
    static bool Somiglia(const Aspetto &zanfrone, const Aspetto &bersaglio);

    // Draws the target's place, then every clown in turn: parts 1..7, the bucket, the hat. Then any
    // other clown that looks like the target is drawn again, in the same way, until it does not.
    void ImpostaColori(int numero);
};
