#pragma once
#include "Allineamento.h"
#include "FrasiCaratteristiche.h"
#include "exercises/frame/FormEsercizio.h"

#include <array>

class CorniceEvidenza;
class EtichettaAdattata;
class Immagine;

// The line-up screens: up to twelve clowns, one of them the target, whose traits stand as sentences
// in TestoCaratteristiche and are said by the part icons of PannelloIcone (speech on) or read in
// turn while scanning.
// The scanned items are the new-game button (item 0, Pulsanti[0]) and the clowns (item k + 1 for
// clown k); the button takes the highlight only when a game is over.
class FormAllineamento : public FormEsercizio
{
    Q_OBJECT
public:
    // `larghezzaNuovo`: design width of the new-game button.
    FormAllineamento(const DescrizioneEsercizio &descrizione, const QString &istruzione, int larghezzaNuovo);

    int NumeroZanfroni() const { return NumeroZanfroni_; }
    int ZanfroneGiusto() const { return allineamento_.ZanfroneGiusto; }
    int PosizioneScansione() const { return PosizioneScansione_; }
    int FraseDaLeggere() const { return FraseDaLeggere_; }
    const Allineamento &allineamento() const { return allineamento_; }
    const FrasiCaratteristiche &frasi() const { return frasi_; }
    MovieView *zanfrone(int i) const { return Zanfroni_[i]; }
    bool mostrato(int i) const;
    bool partitaFinita() const { return finita_; }

    // The clown's click (counts only in mouse mode), a part icon's click, the reading's tick.
    void ClicZanfrone(int Index);
    void DiciParte(int Index);
    virtual void TimerLettura_Timer();

protected:
    // --- What each line-up screen does its own way ---
    // A choice of clown `zanfrone` by a click or by the scanning frame.
    virtual void Scegli(int zanfrone, bool daScansione) = 0;

    // --- The engine ---
    void ImpostaLivelli();
    void ApriFileZanfroni() override;
    void ImpostaColori();
    void ScriviFrase();
    void SistemaRiquadro();
    // Hides CorniceZanfrone, lays out the level, disables the new-game button and draws the line-up.
    void nuovoAllineamento();
    // Scanning: the frame on clown 0.
    void avviaScansione();
    void nascondi(int zanfrone);
    // A game is over: the frame on `zanfrone`; the new-game button enabled (mouse) or highlighted.
    void finePartita(int zanfrone);
    void giudica(bool giusta) { contaRisposta(giusta); }
    void leggiFrase(); // says FrasiParti(FraseDaLeggere), then on to the next
    void setFraseDaLeggere(int i) { FraseDaLeggere_ = i; }

    int ElementiScansione() const override { return Allineamento::kMassimo + 1; }
    bool ElementoScansionabile(int indice) const override;
    void EvidenziaElemento(int indice, bool acceso) override;
    int ElementoProssima() const override { return 0; }
    void ScegliElemento(int indice, bool daScansione) override;
    // Heard: the part icons of PannelloIcone lie over the written traits; unheard, TestoCaratteristiche shows.
    void ImpostaRisposteParlato(bool parlato) override;
    void KeyUp(int codice) override;
    void Form_Activate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    EtichettaAdattata *TestoCaratteristiche = nullptr; // the target's sentences, one a line
    QWidget *PannelloIcone = nullptr;
    std::array<Immagine *, FrasiCaratteristiche::kIcone> IconeParti{};
    CorniceEvidenza *CorniceZanfrone = nullptr;
    QTimer *TimerLettura = nullptr;

private:
    void disponi(); // the clowns in play at their places for the present size

    std::array<MovieView *, Allineamento::kMassimo> Zanfroni_{};
    Allineamento allineamento_;
    FrasiCaratteristiche frasi_;
    int NumeroZanfroni_ = 0;
    int PosizioneScansione_ = 0;
    int FraseDaLeggere_ = 0;
    int riquadro_ = 0; // the clown CorniceZanfrone frames
    bool finita_ = false;
};
