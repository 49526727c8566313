#pragma once
#include "FrasiUgualeDiverso.h"
#include "exercises/frame/FormEsercizio.h"
#include "shell/Immagini.h"

// "Uguale - Diverso": two clowns and a sentence about one part of both, completed with
// "uguali" or "diversi".
class FormEs2 : public FormEsercizio
{
    Q_OBJECT
public:
    static inline const QString Nome = QStringLiteral("FormEs2");
    FormEs2();
    const FrasiUgualeDiverso &frasi() const { return frasi_; }

protected:
    void ApriFileZanfroni() override;
    void GeneraEsercizio() override;
    bool Giudica(int indice) override { return frasi_.Giusta(indice); }
    void DopoRispostaGiusta(int indice) override;
    // The reward comes before the success sound in every input mode.
    bool SuonoPrimaDelPremio(bool) const override { return false; }

private:
    void ImpostaColori();
    FrasiUgualeDiverso frasi_;
    MovieView *SecondoZanfrone;
};
