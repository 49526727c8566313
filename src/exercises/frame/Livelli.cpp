#include "Livelli.h"
#include "shell/Attivita.h"

#include <algorithm>

Livelli::Livelli(int livelloMassimo, int sogliaSalita) : massimo_(std::max(1, livelloMassimo)), soglia_(sogliaSalita) {}

void Livelli::sbagliata()
{
    if (errati_ < 32767) // a 16-bit count in the activity table
        ++errati_;
}

void Livelli::chiudiTratto()
{
    ScriviRisultatoAttivita(livello_, esatti_, errati_);
    esatti_ = 0;
    errati_ = 0;
}

void Livelli::scegli(int nuovo)
{
    chiudiTratto();
    livello_ = std::clamp(nuovo, 1, massimo_);
}

bool Livelli::unLivelloInMeno()
{
    if (livello_ <= 1)
        return false;
    chiudiTratto();
    --livello_;
    return true;
}

bool Livelli::unLivelloInPiu()
{
    if (livello_ >= massimo_)
        return false;
    chiudiTratto();
    ++livello_;
    return true;
}

bool Livelli::cambiaAutomatico()
{
    if (errati_ >= kErratiDiscesa && unLivelloInMeno())
        return true;
    return esatti_ - errati_ >= soglia_ && unLivelloInPiu();
}

void Livelli::esci() const { ScriviRisultatoAttivita(livello_, esatti_, errati_); }
