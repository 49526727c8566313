#pragma once

// The clown parts as every exercise numbers them.
namespace Parti {
enum : int { Cappello = 1, Capelli = 2, Camicia = 3, Gile = 4, Bottoni = 5, Pantaloni = 6, Scarpe = 7, Secchio = 8, ConCappello = 9 };
constexpr int kColorate = 7; // parts 1..7 carry a colour row
constexpr int kColori = 4;   // rows 1..4 of Colori
} // namespace Parti

// One clown's look: the colour row (1..4 of Colori) of each coloured part, and whether the bucket
// and the hat are shown (0/1).
struct Aspetto {
    int cappello = 0;
    int capelli = 0;
    int camicia = 0;
    int gile = 0;
    int bottoni = 0;
    int pantaloni = 0;
    int scarpe = 0;
    int secchio = 0;
    int conCappello = 0;

    // The entry of a part by its number (Parti), for the rules that go over every part: the colour
    // row of parts 1..7, 0/1 for the bucket (8) and the hat shown (9). Any other number reads 0.
    int operator[](int parte) const
    {
        return parte >= Parti::Cappello && parte <= Parti::ConCappello ? const_cast<Aspetto &>(*this).voce(parte) : 0;
    }
    int &operator[](int parte) { return voce(parte); }
    bool operator==(const Aspetto &) const = default;

private:
    int &voce(int parte)
    {
        switch (parte) {
        case Parti::Cappello: return cappello;
        case Parti::Capelli: return capelli;
        case Parti::Camicia: return camicia;
        case Parti::Gile: return gile;
        case Parti::Bottoni: return bottoni;
        case Parti::Pantaloni: return pantaloni;
        case Parti::Scarpe: return scarpe;
        case Parti::Secchio: return secchio;
        default: return conCappello; // callers keep to parts 1..9
        }
    }
};
