#pragma once
#include "RegoleColora.h"
#include "exercises/frame/FormEsercizio.h"

// "Colora il zanfrone": a grey clown and seven sentences; the child colours the parts so that the
// sentences are true and has them judged. Levels 1-3 one sentence at a time, 4-6 all at once.
// With the mouse the parts are clicked; while scanning the program outlines one part at a time and
// the switch steps its colour.
class FormEs4 : public FormEsercizio
{
    Q_OBJECT
public:
    static inline const QString Nome = QStringLiteral("FormEs4");
    FormEs4();
    const RegoleColora &regole() const { return regole_; }
    // A click on the clown: the movie sends the part's row as text.
    void ColoraParteCliccata(const QString &command);

protected:
    void Form_Activate() override;
    void ApriFileZanfroni() override;
    void GeneraEsercizio() override;
    void ScegliElemento(int indice, bool daScansione) override;
    // While scanning a step changes the colour of the outlined part; every direction steps forward.
    void passoAvanti() override;
    void passoIndietro() override { passoAvanti(); }

private:
    void ImpostaColori();
    void PresentaFrasi();
    void PresentaFraseUnica();
    void PresentaUnaPerVolta();
    void ColoraContorno();
    void DeColoraContorno();
    void coloraParte(int parte);
    // Judges the current part, counts it and plays its sound; true when it was right.
    bool giudicaParteCorrente();
    void Controlla();
    void SelezionaColore();
    // All parts done: the highlight goes to the new-exercise button.
    void evidenziaNuovo();

    RegoleColora regole_;
    QLabel *LabelIstruzione;
};
