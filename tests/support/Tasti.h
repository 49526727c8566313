#pragma once
// Key events as an X server delivers them to the program: each carries the server's millisecond
// timestamp, a hand's tap lasts 80 ms and taps come 200 ms apart; a held key without detectable
// auto-repeat comes as release/press pairs with one timestamp, unflagged.
#include "shell/TastiFisici.h"

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

namespace Tasti {
inline quint64 &ora()
{
    static quint64 ms = 1'000'000;
    return ms;
}
inline QString testo(Qt::Key k)
{
    switch (k) {
    case Qt::Key_Space: return QStringLiteral(" ");
    case Qt::Key_Return: return QStringLiteral("\r");
    default: return {};
    }
}
// One key event at `ms` after the last one, flagged as auto-repeat or not.
inline void evento(QWidget *w, QEvent::Type tipo, Qt::Key k, quint64 ms, bool ripetuto = false)
{
    ora() += ms;
    QKeyEvent ev(tipo, k, Qt::NoModifier, testo(k), ripetuto);
    ev.setTimestamp(ora());
    QApplication::sendEvent(w, &ev);
}
inline void premi(QWidget *w, Qt::Key k) { evento(w, QEvent::KeyPress, k, 200); }
inline void rilascia(QWidget *w, Qt::Key k) { evento(w, QEvent::KeyRelease, k, 80); }
inline void tocca(QWidget *w, Qt::Key k)
{
    premi(w, k);
    rilascia(w, k);
}
// While the key is held: one repeat of the X server as a release/press pair with one timestamp;
// Qt flags only the pairs it reads together.
inline void ripeti(QWidget *w, Qt::Key k, bool segnato = false)
{
    evento(w, QEvent::KeyRelease, k, 40, segnato);
    evento(w, QEvent::KeyPress, k, 0, segnato);
}
// A key held for `volte` repeats: half of the pairs flagged, as Qt's xcb back end does.
inline void tieni(QWidget *w, Qt::Key k, int volte)
{
    premi(w, k);
    for (int i = 0; i < volte; ++i)
        ripeti(w, k, i % 2);
}
// A bouncing contact: pressed 10 ms, touching again 10 ms after the release.
inline void rimbalza(QWidget *w, Qt::Key k)
{
    premi(w, k);
    evento(w, QEvent::KeyRelease, k, 10);
    evento(w, QEvent::KeyPress, k, 10);
    evento(w, QEvent::KeyRelease, k, 10);
}
} // namespace Tasti
