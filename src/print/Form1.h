#pragma once
#include <QDialog>
#include <vector>

class QLabel;
class RiquadroDisegno;

// The page of four clown pictures to print and colour by hand: a click on one opens the print
// dialog with it; "&Esci" closes the page. Modal over an exercise screen, centred, not scaled.
class Form1 : public QDialog
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    void StampaDisegno(int indice);
    void mnuesci_Click();

    std::vector<RiquadroDisegno *> Disegni;
    QLabel *LabelIstruzione;

protected:
    void showEvent(QShowEvent *event) override;
};
