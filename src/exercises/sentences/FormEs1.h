#pragma once
#include "FrasiVeroFalso.h"
#include "exercises/frame/FormEsercizio.h"
#include "shell/Immagini.h"

// "Vero - falso": a clown with random colours and a sentence about it, true or false.
class FormEs1 : public FormEsercizio
{
    Q_OBJECT
public:
    static inline const QString Nome = QStringLiteral("FormEs1");
    FormEs1();
    const FrasiVeroFalso &frasi() const { return frasi_; }

protected:
    void ApriFileZanfroni() override;
    void GeneraEsercizio() override;
    bool Giudica(int indice) override { return indice == frasi_.Risposta; }

private:
    void ImpostaColori();
    FrasiVeroFalso frasi_;
};
