#pragma once
#include "shell/Zanfrone.h"

#include <QString>
#include <QStringList>
#include <array>

// The traits of a line-up's target as short sentences: one line each, in random order, and one
// sentence per part icon (0 hat, 1 hair, 2 shirt, 3 waistcoat, 4 buttons, 5 trousers, 6 shoes,
// 7 bucket) for the assistant to say.
class FrasiCaratteristiche
{
public:
    static constexpr int kIcone = 8;

    QStringList Righe;                    // as shown: case applied, each ended with "."
    std::array<QString, kIcone> FrasiParti; // as built, never upper-cased

    // Sentences 1..9 in an order drawn at random; the hat's colour is left out without a hat.
    void ScriviFrase(const Aspetto &caratteristiche, bool maiuscolo);
    // Sentence `numeroFrase` (1..9) of the target; also kept in its icon's entry.
    QString ComponiFrasePositiva(int numeroFrase, const Aspetto &caratteristiche);
    QString Testo() const { return Righe.join(QLatin1Char('\n')); }
};
