#pragma once
#include <QFrame>

class QLabel;

// The status bar of an exercise screen: three panels, right answers, wrong answers and level.
class BarraStato : public QFrame
{
    Q_OBJECT
public:
    explicit BarraStato(QWidget *parent = nullptr);
    void setPannello(int indice, const QString &testo); // 1..3
    QString pannello(int indice) const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *pannelli_[3];
};
