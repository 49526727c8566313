#pragma once
// Scripted draws for the rule tests.
#include "Falsi.h"
#include "ProvaFresca.h"
#include "ServiziDiProva.h"
#include "shell/Profilo.h"

#include <QString>
#include <vector>

// The draw that makes Int(Rnd * n) give k.
inline double d(int k, int n) { return (k + 0.5) / n; }
// A clown: hat green, hair red, shirt blue, waistcoat yellow, buttons green, trousers red, shoes blue.
inline std::vector<double> clown(int secchio, int cappello)
{
    return {d(0, 4), d(1, 4), d(2, 4), d(3, 4), d(0, 4), d(1, 4), d(2, 4), d(secchio, 2), d(cappello, 2)};
}
inline std::vector<double> operator+(std::vector<double> a, const std::vector<double> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
// The sentence, or what went wrong when the script was not used up.
inline QString TuttoUsato(const CasoFinto &caso, const QString &frase)
{
    return caso.rimasti() != 0 ? QStringLiteral("draws left: %1").arg(caso.rimasti()) : frase;
}

// The rule tests' base: each test function on the default profile with the fakes in place, its
// draws scripted through servizi->caso.
class ProvaRegole : public ProvaFresca
{
protected:
    std::unique_ptr<ServiziDiProva> servizi;

    void prepara() override
    {
        Profilo = ProfiloUtente();
        servizi = std::make_unique<ServiziDiProva>();
    }
    void smonta() override { servizi.reset(); }
};
