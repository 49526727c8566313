#pragma once
#include "FrasiInsiemi.h"
#include "InsiemiZanfroni.h"
#include "exercises/frame/FormEsercizio.h"

#include <array>

// "Insiemi": a sentence about the clown and a big clown that fits it or not; each right answer puts
// the clown into the yes set or the no set, and a new clown comes for the same sentence until one
// set holds ten. The new-exercise button then starts the next sentence with both sets empty.
class FormEs5 : public FormEsercizio
{
    Q_OBJECT
public:
    static inline const QString Nome = QStringLiteral("FormEs5");
    FormEs5();
    const FrasiInsiemi &frasi() const { return frasi_; }
    const InsiemiZanfroni &insiemi() const { return insiemi_; }
    // The small clowns: set 0 yes, 1 no; place 0..9.
    MovieView *piccolo(int insieme, int posto) const { return (insieme == 0 ? ZanfroniSi : ZanfroniNo)[posto]; }

protected:
    void ApriFileZanfroni() override;
    void GeneraEsercizio() override;
    bool Giudica(int indice) override { return indice == frasi_.Risposta; }
    void DopoRispostaGiusta(int indice) override;
    bool ContinuaDomanda(int indice) override;
    // The thumbs keep their pictures whatever the speech setting.
    void ImpostaRisposteParlato(bool) override {}

private:
    void ImpostaColori();
    void ColoraSi();
    void ColoraNo();
    void colloca(int insieme);
    void nascondiPiccoli();
    void creaBordi();

    FrasiInsiemi frasi_;
    InsiemiZanfroni insiemi_;
    std::array<MovieView *, InsiemiZanfroni::kPosti> ZanfroniSi{};
    std::array<MovieView *, InsiemiZanfroni::kPosti> ZanfroniNo{};
};
