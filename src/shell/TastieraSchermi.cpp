#include "TastieraSchermi.h"
#include "Schermo.h"
#include "platform/KeyboardRepeat.h"

#include <QApplication>
#include <QKeyEvent>

namespace {
QPointer<TastieraSchermi> unica;
const void *luogo(const QWidget *finestra) { return finestra; }
} // namespace

TastieraSchermi &TastieraSchermi::istanza()
{
    if (!unica)
        unica = new TastieraSchermi(qApp);
    return *unica;
}

TastieraSchermi::TastieraSchermi(QObject *parent) : QObject(parent)
{
    orologio_.start();
    attesa_.setSingleShot(true);
    attesa_.setTimerType(Qt::PreciseTimer);
    attesa_.setInterval(kAttesaCoppiaMs);
    connect(&attesa_, &QTimer::timeout, this, [this] { esegui(logica.scaduto()); });
    // Where the X server cannot report repeats as repeats, each release waits for its pair.
    logica.attendeCoppie = QGuiApplication::platformName() == QLatin1String("xcb") && !KeyboardRepeat::makeDetectable();
    qApp->installEventFilter(this);
}

void TastieraSchermi::registra(Schermo *schermo) { schermi_.insert(luogo(schermo)); }
void TastieraSchermi::ritira(Schermo *schermo)
{
    if (unica)
        unica->schermi_.remove(luogo(schermo));
}

bool TastieraSchermi::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) || !watched->isWidgetType())
        return false;
    return tasto(static_cast<QWidget *>(watched), static_cast<QKeyEvent *>(event));
}

bool TastieraSchermi::tasto(QWidget *destinatario, QKeyEvent *ev)
{
    // A key event a widget ignores is offered to its parents: it counts at its first receiver only.
    QWidget *finestra = destinatario->window();
    QWidget *primo = QApplication::focusWidget();
    if (!primo || primo->window() != finestra)
        primo = finestra;
    if (destinatario != primo)
        return false;

    const int codice = Schermo::codiceTasto(ev->key());
    const bool nostro = codice == Tasto::Invio || codice == Tasto::Spazio
                        || (codice >= CodiceTasto(Tasto::Sinistra) && codice <= CodiceTasto(Tasto::Giu));
    const auto *schermo = schermi_.contains(luogo(finestra)) ? static_cast<Schermo *>(finestra) : nullptr;
    // Space, Enter and the arrows of a screen that takes them never reach its buttons.
    const bool consuma = schermo && schermo->catturaTasti && nostro
                         && !(ev->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
    if (codice == 0 || ev->isAutoRepeat())
        return consuma;
    const qint64 ms = ev->timestamp() ? qint64(ev->timestamp()) : orologio_.elapsed();
    esegui(ev->type() == QEvent::KeyPress ? logica.premuto(codice, ms, luogo(finestra))
                                          : logica.rilasciato(codice, ms, luogo(finestra)));
    if (logica.inAttesa())
        attesa_.start();
    return consuma;
}

void TastieraSchermi::esegui(const QList<TastiFisici::Azione> &azioni)
{
    for (const TastiFisici::Azione &a : azioni) {
        if (!schermi_.contains(a.luogo))
            continue; // not a screen, or closed since
        auto *schermo = static_cast<Schermo *>(const_cast<QWidget *>(static_cast<const QWidget *>(a.luogo)));
        if (!schermo->isVisible())
            continue;
        if (a.tipo == TastiFisici::Azione::Premi)
            schermo->KeyDown(a.codice);
        else
            schermo->KeyUp(a.codice);
    }
}
