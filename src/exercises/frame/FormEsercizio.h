#pragma once
#include "CursoreScansione.h"
#include "DescrizioneEsercizio.h"
#include "GuardiaInput.h"
#include "Livelli.h"
#include "Premio.h"
#include "shell/Schermo.h"

#include <vector>

class Assistant;
class BarraStato;
class MovieView;
class PulsanteImmagine;
class QAction;
class QLabel;
class QMenu;
class QTimer;

// The frame every exercise screen stands on: the assistant, the set-up from the profile, the counters
// and the status bar, the levels with their menu and the activity rows, the buttons with hover and the
// three keyboard and switch modes, the reward movies, the print menu and leaving for the main menu.
// A screen creates its controls with the helpers below and fills the hooks.
class FormEsercizio : public Schermo
{
    Q_OBJECT
public:
    explicit FormEsercizio(const DescrizioneEsercizio &descrizione);
    ~FormEsercizio() override;

    int Livello() const { return livelli_.livello(); }
    int IndiceScansione() const { return cursore_.indice(); }
    bool PremioMostrato() const { return premioMostrato_; }
    Assistant *Assistente() const { return assistente_; }

    // The frame's handlers.
    void ScegliConMouse(int indice);
    void EvidenziaSottoMouse(int indice);
    void mnuLiv_Click(int indice);
    void mnuesci_Click();
    void TimerScansione_Timer();
    virtual void mnuStEserc_Click();
    virtual void mnuStOr_Click();
    virtual void mnuStVer_Click();
    virtual void mnuPag_Click();

protected:
    // --- Hooks the screens fill ---
    // Loads the screen's clown movie or movies (again after a reward).
    virtual void ApriFileZanfroni() = 0;
    // The screen's part of a new question (the frame has already ended a reward and changed level).
    virtual void GeneraEsercizio() = 0;
    // Whether choosing answer `indice` is right.
    virtual bool Giudica(int indice) { Q_UNUSED(indice); return false; }
    // Right after a right answer is counted, before a reward can clear the sentence.
    virtual void DopoRispostaGiusta(int indice) { Q_UNUSED(indice); }
    // Whether the success sound comes before the reward movie: with the mouse it does, while
    // scanning the reward comes first.
    virtual bool SuonoPrimaDelPremio(bool daScansione) const { return !daScansione; }
    // After a right answer is counted and greeted: true when the same question goes on (the screen has
    // put up its next item; the answers stay open and the highlight stays), false when it is over.
    virtual bool ContinuaDomanda(int indice) { Q_UNUSED(indice); return false; }
    // The scanned items: by default the buttons, the last of them ending the question.
    virtual int ElementiScansione() const;
    virtual bool ElementoScansionabile(int indice) const;
    virtual void EvidenziaElemento(int indice, bool acceso);
    virtual int ElementoProssima() const;
    // Choosing an item (a mouse click, or the highlighted item while scanning).
    virtual void ScegliElemento(int indice, bool daScansione);
    // What stands for the written text when the sentences are heard (parlato): pictures in place of
    // captions on the answer buttons by default. Called with false also in the middle of a question,
    // when the voice stops being heard.
    virtual void ImpostaRisposteParlato(bool parlato);
    // Speech is on and heard on this screen (decided on activation; it can only turn to false).
    bool parlato() const { return parlato_; }

    // --- Helpers ---
    // A button at its design place; `risposta` buttons show their picture only while speech is heard.
    PulsanteImmagine *creaPulsante(const QString &didascalia, const QString &immagine, int left, int top,
                                   int width, int height, double puntiFont, bool risposta);
    // The two answers (pictures while speech is heard) and the disabled next-question button, at design places.
    void creaRisposte(const QString (&didascalie)[2], const QString (&immagini)[2], const QRect (&posti)[3],
                      double puntiFont);
    MovieView *creaFilmato(const QString &nome, int left, int top, int width, int height);
    void posizionaFrase(int left, int top, int width, int height);
    void posizionaAssistente(int left, int top, int width, int height);
    // Upper case under "maiuscolo".
    static QString caso(const QString &testo);
    // The sentence's look from the profile: text background, letter colour, font and size.
    static void stileTesto(QWidget *testo);
    // The sentence: case, optional full stop, shown in LabelFrase and spoken.
    void mostraFrase(const QString &frase, bool puntoFinale);
    void parla(const QString &testo);
    // A question is open: answers enabled, next-question button disabled (and the reverse).
    void abilitaRisposte(bool aperta);
    // Counts a question on the present clown; true when it needs a new clown (every fourth question,
    // and after a reward).
    bool contaDomanda()
    {
        const bool nuovo = ContaDomande == 0;
        ContaDomande = (ContaDomande + 1) % 4;
        return nuovo;
    }
    void MostraPremio();
    bool scansione() const;

    void Form_Activate() override;
    void KeyDown(int codice) override;
    void KeyUp(int codice) override;
    bool chiusuraDalSistema() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // --- Controls and fields shared with the screens ---
    QLabel *LabelFrase;
    QWidget *PicAssistente;
    BarraStato *BarraContatori;
    QTimer *TimerScansione;
    MovieView *Zanfrone = nullptr; // the clown that a reward movie replaces
    std::vector<PulsanteImmagine *> Pulsanti;
    QMenu *mnuLivelli = nullptr;
    std::vector<QAction *> mnuLiv; // 1-based: mnuLiv[0] unused
    int ContaDomande = 0;

    // One step of the scan (the highlight by default; a screen may step something else).
    virtual void passoAvanti();
    virtual void passoIndietro();
    void scegliEvidenziato();
    // Puts the scanning highlight on item `indice`.
    void vaiAElemento(int indice);

    // For screens that judge their own items (parts, drawings, clowns): whether a choice counts now
    // (not while a question is being set up, once per switch press), and the counting of answers:
    // the counters and the status bar, no sound (rispostaSbagliata also plays the failure sound).
    bool accettaScelta();
    void contaGiuste(int quante);
    void contaErrata();
    void rispostaSbagliata();
    // Counts one right or wrong answer (panels and sound) and leaves the question open.
    void contaRisposta(bool giusta);

private:
    void costruisciMenu();
    void CaricaAssistente();
    void ImpostaAssistente();
    void MostraAssistente();
    void vocePersa();
    void impostaModoInput();
    void aggiornaPannelli();
    // Ends a reward, changes level if automatic, asks the screen's question.
    void ProssimaDomanda();
    void CambiaLivello();
    void RitornaDalPremio();
    // A clown movie that could not be loaded leaves its place empty: said on screen, once a run.
    void avvisaFilmatiMancanti();
    void scegli(int indice, bool daScansione);
    void rispostaGiusta(int indice, bool daScansione);
    void contaPremio(); // every tenth right answer: the reward movie
    void spegniEvidenze();
    void lascia();

    DescrizioneEsercizio descrizione_;
    Livelli livelli_;
    CursoreScansione cursore_;
    GuardiaInput guardia_;
    ContaPremio contaPremio_;
    Assistant *assistente_ = nullptr;
    bool premioMostrato_ = false;
    bool parlato_ = false;
    bool preparando_ = false;
    bool domandaAperta_ = false;
    bool lasciato_ = false;
};
