#pragma once
#include <QAbstractButton>

// One square cell of the palette: shows its colour, clicked with the mouse or Space.
class CasellaColore : public QAbstractButton
{
    Q_OBJECT
public:
    explicit CasellaColore(QWidget *parent = nullptr);
    void setColore(const QColor &c);
    QColor colore() const { return colore_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor colore_ = Qt::white;
};
