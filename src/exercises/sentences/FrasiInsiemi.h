#pragma once
#include "shell/Zanfrone.h"

#include <QString>

// The sentences and the clowns of "Insiemi". A sentence states one clause about the clown (level 1),
// two joined by "e" (2), by "o almeno" (3) or by "o ... ma non tutti e due" (4). Each clown is drawn
// so that it fits the sentence or not, by a coin tossed anew for every clown. A clause (part, value)
// holds when the clown's entry for that part equals the value: a colour row 1..4 for parts 1..7,
// 1 present or 0 absent for the bucket (8) and the hat (9). Every draw comes from the program's
// generator, in a fixed order.
class FrasiInsiemi
{
public:
    int Parte1 = 0;
    int Colore1 = 0;
    int Parte2 = 0;     // kept from the last two-clause sentence at level 1
    int Colore2 = 0;
    QString Proposizione;
    QString Frase;      // without the final full stop
    int Risposta = 0;   // 0 the clown fits the sentence, 1 it does not
    Aspetto aspetto{};  // the clown to judge

    // The sentence of `livello` (1..4; any other level leaves everything as it was).
    void ScriviFrase(int livello);
    void ScriviFrase1();
    void ScriviFrase2();
    void ScriviFrase3();
    void ScriviFrase4();
    void ComponiFrasePositiva1();
    void ComponiFrasePositiva2();
    void ComponiFrasePositiva3();
    void ComponiFrasePositiva4();

    // Tosses the coin into Risposta and draws a clown that fits the sentence of `livello` or not.
    void ImpostaColori(int livello);
    // A hidden hat never carries a colour that a clause about the hat asks for.
    void ColoraErratoCappelloInvisibile();

    bool Vale(int parte, int valore) const { return aspetto[parte] == valore; }
    bool Vale1() const { return Vale(Parte1, Colore1); }
    bool Vale2() const { return Vale(Parte2, Colore2); }

private:
    void componi(int forma, int parte, int valore);
    // The first clause of levels 2..4, a colour; "O " before it in lower case for the alternatives.
    void primaProposizione(bool alternativa);
    void ridisegna(int parte);
    void faiValere(int parte, int valore);
    // Draws a second part other than the first, and never the hat's presence beside its colour;
    // the value is drawn with every part when `valoreOgniVolta`, else once after the last part.
    void secondaParte(bool valoreOgniVolta);
    static int valoreCasuale(int parte);
};
