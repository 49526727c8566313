#pragma once
#include <QLineEdit>
#include <QWidget>

// A number field that takes only the digits and Backspace from the keyboard (no sign, no point,
// no pasting); editing and moving keys work as usual. Tells when a key is released in it.
class CampoNumerico : public QLineEdit
{
    Q_OBJECT
public:
    explicit CampoNumerico(QWidget *parent = nullptr);
    // The number the field shows: its leading number, 0 when there is none.
    double valore() const;

signals:
    void tastoRilasciato();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
};

// The two little arrows beside a number field: one step up or down within a range.
class SuGiu : public QWidget
{
    Q_OBJECT
public:
    SuGiu(CampoNumerico *campo, int minimo, int massimo, QWidget *parent = nullptr);
    void passo(int verso); // +1 or -1

signals:
    void mosso();

private:
    CampoNumerico *campo_;
    int minimo_, massimo_;
};
