#pragma once
#include "Impostazioni.h"
#include "clsResize.h"

#include <QMainWindow>
#include <memory>

class TastiFisici;

// One full-screen screen of the program: borderless, designed at a size in twips (15 twips = 1 pixel)
// and scaled to the whole screen by its clsResize. Keys reach the screen as a whole, whatever widget
// has the focus: KeyDown once when a key goes down, KeyUp once when it comes up. A held key does
// not act again, a bounce of the same press is ignored, and a release whose press happened on
// another screen is ignored.
class Schermo : public QMainWindow
{
    Q_OBJECT
public:
    Schermo(const QString &nome, int larghezzaTwips, int altezzaTwips, QWidget *parent = nullptr);
    ~Schermo() override;

    QString nome() const { return nome_; }
    QWidget *area() const { return area_; }
    clsResize &Ridimensiona() { return *ridimensiona_; }
    QSize dimensioneProgetto() const { return progetto_; }

    // Places one of our controls at its design geometry (twips), named so that tests can find it.
    void posiziona(QWidget *controllo, const QString &nome, int left, int top, int width, int height);
    static int twips(int t) { return t / 15; }

    // Background of the client area.
    void coloreSfondo(const QColor &c);
    QColor coloreSfondo() const;

    // Form_Load's end (the scaling object records the design), then shown full screen;
    // Form_Activate runs once, when the screen has its full size.
    void apri();
    // Closed by the program itself (going to another screen): no system-close handling.
    void chiudi();
    bool attivato() const { return attivato_; }

    // Virtual key codes as the screens compare them: Space 32, Enter 13, Left 37 .. Down 40.
    static int codiceTasto(int qtKey);
    using enum Tasto;
    // The program's one reading of physical key presses, shared by every screen.
    static TastiFisici &tastiFisici();

protected:
    virtual void Form_Activate() {}
    virtual void KeyDown(int) {}
    virtual void KeyUp(int) {}
    // Alt+F4 or the window manager: answer true to let the screen close.
    virtual bool chiusuraDalSistema() { return true; }
    // While true, Space, Enter and the arrows belong to the screen and never reach its widgets.
    bool catturaTasti = false;

    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    friend class TastieraSchermi;

    QString nome_;
    QSize progetto_;
    QWidget *area_;
    std::unique_ptr<clsResize> ridimensiona_;
    bool chiusoDalProgramma_ = false;
    bool attivato_ = false;
};
