#pragma once
#include <QColor>
#include <QWidget>

// The frame around a scanned or chosen picture or clown: a band of the highlight colour along the
// edges of its box; clicks pass through. Where the highlight stands out too little from the colour
// behind it (BordoEvidenza), a line in black or white runs along both sides of the band.
class CorniceEvidenza : public QWidget
{
    Q_OBJECT
public:
    // `spessore`: the band's width in pixels.
    CorniceEvidenza(int spessore, QWidget *parent);
    void setColori(const QColor &evidenza, const QColor &dietro);
    QColor colore() const { return colore_; }
    int spessore() const { return spessore_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int spessore_;
    QColor colore_ = Qt::red;
    QColor dietro_;
};
