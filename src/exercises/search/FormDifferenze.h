#pragma once
#include "CoppiaDifferenze.h"
#include "exercises/frame/FormEsercizio.h"

// What the two difference screens share: two clowns that differ in as many parts as the level, a
// help button and a new-pair button, and the scanning of eight parts with the new-pair button last.
// Each screen shows the parts its own way (drawings under the clowns, or the clowns' own outlines).
class FormDifferenze : public FormEsercizio
{
    Q_OBJECT
public:
    const CoppiaDifferenze &coppia() const { return coppia_; }
    // The new-pair button's place among the scanned items (the parts are 0..7).
    static constexpr int kNuovaCoppia = CoppiaDifferenze::kRigaMassima;

protected:
    // `secchioADestra`: while scanning, a bucket difference always shows the bucket on the right clown.
    FormDifferenze(const DescrizioneEsercizio &descrizione, bool secchioADestra);

    // The clowns, side by side, and the two buttons at their design places (twips).
    void creaZanfroni(int top, int height);
    void creaPulsanti(int aiutoLeft, int nuovaLeft, int top);

    // The scanned part (0..7, row + 1) is shown.
    virtual void MostraScansione(int parte) = 0;
    // The instruction for the present input mode, and whether the assistant hides after reading it.
    virtual QString istruzione() const = 0;
    virtual bool nascondiDopoIstruzione() const { return false; }

    void GeneraEsercizio() override;
    int ElementiScansione() const override { return kNuovaCoppia + 1; }
    bool ElementoScansionabile(int indice) const override { return indice >= 0 && indice < kNuovaCoppia; }
    void EvidenziaElemento(int indice, bool acceso) override;
    int ElementoProssima() const override { return kNuovaCoppia; }
    void ScegliElemento(int indice, bool daScansione) override;
    void Form_Activate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // With the mouse, while the pair is open: a click on part `riga` of clown `bersaglio`.
    void clicSuParte(int riga, int sorgente, int bersaglio);
    // Row `riga` chosen: right, the target clown takes the source's value; the pair may be done.
    void giudicaRiga(int riga, int sorgente, int bersaglio);
    void Aiuto();
    void NascondiAiuto();

    MovieView *SecondoZanfrone = nullptr;

private:
    void ImpostaColori();
    void ColoraPrimoZanfrone();
    void ColoraSecondoZanfrone();

    CoppiaDifferenze coppia_;
    bool secchioADestra_;
};
