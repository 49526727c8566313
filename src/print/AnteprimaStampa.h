#pragma once
#include <QRectF>
#include <QWidget>

class QLabel;
class SorgenteStampa;

// The printable area drawn to scale, with the source placed where it will print.
class AnteprimaStampa : public QWidget
{
    Q_OBJECT
public:
    explicit AnteprimaStampa(QWidget *parent = nullptr);
    void setSorgente(const SorgenteStampa *sorgente) { sorgente_ = sorgente; update(); }
    // Where the print lies, in the preview's pixels (fractions kept, so it agrees with the fields).
    void setRettangolo(const QRectF &r) { rettangolo_ = r; update(); }
    QRectF rettangolo() const { return rettangolo_; }
    QLabel *lblStampaInCorso;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const SorgenteStampa *sorgente_ = nullptr;
    QRectF rettangolo_;
};

// A small drawing of a printer, for the printer-settings mode.
class FiguraStampante : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};
