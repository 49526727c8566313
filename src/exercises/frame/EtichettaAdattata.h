#pragma once
#include "shell/CarattereTesto.h"

#include <QLabel>

// A read-only text (a sentence, the list of a target's traits) that always shows whole: drawn in its
// own font, or smaller when that does not fit the box. font() stays as set.
class EtichettaAdattata : public QLabel
{
    Q_OBJECT
public:
    explicit EtichettaAdattata(QWidget *parent = nullptr);
    // The font the text is drawn in at the present size.
    QFont carattereMostrato() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect areaTesto() const;

    mutable CarattereTesto::TestoAdattato adattato_;
};
