#pragma once
#include "shell/Zanfrone.h"

#include <QString>

// Two clowns side by side and a sentence about one part of both, in the plural, that the child
// completes with "uguali" or "diversi"/"diverse". A negative sentence reverses the right answer.
class FrasiUgualeDiverso
{
public:
    Aspetto aspetto[2]{};  // the left and the right clown
    int Diverso[10][2]{};  // part i: [0] the right answer (0 "uguali", 1 "diversi"), [1] asked on this pair
    int Parte = 1;
    QString Frase;         // ends with "sono ": the answer word completes it
    QString Didascalia[2]; // captions of the two answers

    // Draws a new pair: for each part whether it differs and its colours, then bucket and hat of each clown.
    void ImpostaColori();
    // Level 1 positive, 2 negative, 3 either (an even draw of 0..9 positive, odd negative).
    void ScriviFrase(int livello);
    bool Giusta(int indice) const { return indice == Diverso[Parte][0]; }

private:
    int ScegliParte();
    void Componi(bool negativa);
};
