#pragma once
#include "shell/Zanfrone.h"

#include <QString>

// The clown and the sentences of "Vero - falso". Levels 1..3 speak of one part, 4..6 of two parts
// joined by " e "; levels 1 and 4 positive, 2 and 5 negative, 3 and 6 either, at even chances.
// Every random draw comes from the program's generator, in a fixed order.
class FrasiVeroFalso
{
public:
    Aspetto aspetto{};  // the clown asked about
    int Risposta = 0;   // 0 the sentence is true ("Vero"), 1 false ("Falso")
    QString Frase;      // without the final full stop

    // Draws a new clown: the colours of parts 1..7, then the bucket, then the hat.
    void ImpostaColori();
    // The sentence for `livello` (1..6) into Frase and its truth into Risposta.
    void ScriviFrase(int livello);

    // One clause about `parte` that is true (risposta 0) or false (1) of the clown.
    QString ComponiFrasePositiva(int parte, int risposta) const;
    QString ComponiFraseNegativa(int parte, int risposta) const;
    // A part 1..9; the hat's colour is never asked while the hat is hidden, nor a colour that every
    // other row looks or reads like.
    int ScegliParte() const;

private:
    QString proposizione(int livello, int parte, int risposta) const;
    void unaProposizione(int livello);
    void dueProposizioni(int livello);
};
