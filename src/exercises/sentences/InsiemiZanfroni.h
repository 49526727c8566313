#pragma once

// The two sets of "Insiemi": the clowns that fit the sentence (yes) and those that do not (no),
// ten places each, filled in order. The exercise is over when one set is full.
class InsiemiZanfroni
{
public:
    static constexpr int kPosti = 10;

    int NumeroSi = 0;
    int NumeroNo = 0;

    void svuota() { NumeroSi = NumeroNo = 0; }
    // The place the next clown of set `risposta` (0 yes, 1 no) takes, or -1 when the set is full.
    int prossimoPosto(int risposta) const
    {
        const int n = risposta == 0 ? NumeroSi : NumeroNo;
        return n < kPosti ? n : -1;
    }
    void aggiungi(int risposta)
    {
        int &n = risposta == 0 ? NumeroSi : NumeroNo;
        if (n < kPosti)
            ++n;
    }
    bool pieno() const { return NumeroSi >= kPosti || NumeroNo >= kPosti; }
};
