#pragma once
#include "FiguraProgramma.h"

#include <QString>
#include <QWidget>

// A picture of the program's folder, stretched to the control (SVG stays crisp at any size).
// A missing picture leaves the place empty. Clicks come out as clicked().
class Immagine : public QWidget
{
    Q_OBJECT
public:
    explicit Immagine(QWidget *parent = nullptr);
    // A path under the program's folder, e.g. "\immagini\avvio.svg".
    void carica(const QString &percorsoProgramma);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    FiguraProgramma figura_;
};
