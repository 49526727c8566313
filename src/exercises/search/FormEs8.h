#pragma once
#include "FormDifferenze.h"

#include <array>

class Immagine;
class CorniceEvidenza;

// "Trova le differenze - 1°": two clowns and, under them, a strip of eight part drawings; the child
// chooses the drawing of each part in which the right clown differs, and it takes the left one's.
class FormEs8 : public FormDifferenze
{
    Q_OBJECT
public:
    static inline const QString Nome = QStringLiteral("FormEs8");
    FormEs8();
    int ParteScansione() const { return IndiceScansione(); } // 0..7 the drawings, 8 the new-pair button
    // The frame shown around a drawing (-1: none).
    int CornicePresente() const;

    void ScegliDisegno(int indice);
    void IncorniciaDisegno(int indice);

protected:
    void ApriFileZanfroni() override;
    void MostraScansione(int parte) override { ColoraSelezionato(parte); }
    QString istruzione() const override;
    void Form_Activate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ColoraSelezionato(int parte);
    void nascondiCornici();

    QWidget *StrisciaDisegni;
    std::array<Immagine *, 8> Disegni{};
    std::array<CorniceEvidenza *, 8> CorniciDisegni{};
};
