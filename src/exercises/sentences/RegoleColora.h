#pragma once
#include "shell/Zanfrone.h"

#include <QString>

// One exercise of "Colora il zanfrone": seven sentences, one for each colourable part, each naming a
// colour the part is (positive) or is not (negative) to have; the colours the child gives the parts
// and their judging. Levels 1 and 4 positive, 2 and 5 negative, 3 and 6 a coin per part.
// Every random draw comes from the program's generator, in a fixed order.
class RegoleColora
{
public:
    static constexpr int kFinito = 99; // ColoreCorrente once all parts are done (scanning)
    static constexpr int kParti = Parti::kColorate;

    enum class Esito { Niente, Giusta, Sbagliata };
    // The check of the whole clown: errors found, and whether it stopped at an uncoloured part.
    struct Controllo {
        int sbagliate = 0;
        bool interrotto = false;
        bool completo = false;
    };

    int ColoreRichiesto[10]{};    // 1..7 the colour row a sentence names; 8 bucket shown; 9 hat shown
    bool ColoriAmmessi[8][5]{};   // (k, 0) part k still open; (k, c) colour row c makes the sentence true
    int ColoreDato[8]{};          // colour row given to part k, 0 none yet
    QString Frasi[8];             // sentence of part k with its full stop
    bool Fatta[8]{};              // part k presented (or, scanning at levels 4-6, worked on)
    int ParteCorrente = 0;
    int ColoreCorrente = 0;       // 0 at the start, then 1..4 cyclically; kFinito when done
    int PartiEsatte = 0;

    // A new exercise: nothing given or judged yet; draws whether the bucket is shown.
    void NuovoEsercizio();
    // The seven sentences for `livello` (1..6), upper case when `maiuscolo`.
    void ScriviFrase(int livello, bool maiuscolo);
    static QString ComponiFrasePositiva(int parte, int riga);
    static QString ComponiFraseNegativa(int parte, int riga);

    // Draws a part not yet presented, marks it and makes it the current one.
    int PescaParte();
    void AzzeraFatte();
    // The seven sentences, one a line: in part order, or (levels 4-6) in a drawn order.
    QString TutteLeFrasi() const;
    QString FrasiInOrdineCasuale();

    bool Aperta(int parte) const { return parte >= 1 && parte <= kParti && ColoriAmmessi[parte][0]; }
    bool Finito() const { return PartiEsatte == kParti; }
    // The shared colour counter one step on: 1..4, 4 back to 1.
    int PassoColore();
    // Gives `parte` the colour row `colore` if it is still open; true when it was painted.
    bool Colora(int parte, int colore);
    // Judges one part: nothing while it is closed or uncoloured; a right colour closes it.
    Esito GiudicaParte(int parte);
    // Judges parts 1..7 in order, closing the right ones; stops at the first uncoloured part.
    Controllo ControllaTutto();
};
