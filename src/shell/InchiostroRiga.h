#pragma once
#include <climits>
#include <memory>
#include <vector>

class QFont;
class QString;
class QTextLine;

// The ink of one line of text drawn from x = 0 with its baseline at y = 0, in whole pixels: for
// each column from `prima`, the highest and the lowest row holding ink (a column without ink has
// alto > basso).
struct InchiostroRiga {
    int prima = 0;
    std::vector<int> alto, basso;
    int cima = INT_MAX, fondo = INT_MIN; // over the whole line
    bool vuota() const { return cima > fondo; }

    // The ink of `riga`, the line `testo` laid out in `font`, as the painter draws it; measured once
    // for each font and text.
    static std::shared_ptr<const InchiostroRiga> Di(const QFont &font, const QString &testo, const QTextLine &riga);
    // The least distance between the baselines of `a`, starting at column `xa`, and `b` below it,
    // starting at `xb`, at which no ink of `b` comes within `distacco` pixels of `a`'s, in any
    // direction. INT_MIN when none of their ink faces each other.
    static int DistanzaMinima(const InchiostroRiga &a, int xa, const InchiostroRiga &b, int xb, int distacco);
    // Sets cima and fondo from the columns.
    void misuraEstremi();
};
