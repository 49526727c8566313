#pragma once
#include "TastiFisici.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>

class QKeyEvent;
class QWidget;
class Schermo;

// Watches every key event of the program, reads the physical presses (TastiFisici) and gives each
// to the screen it happened on, as Schermo::KeyDown and Schermo::KeyUp.
class TastieraSchermi : public QObject
{
public:
    static TastieraSchermi &istanza();
    void registra(Schermo *schermo);
    static void ritira(Schermo *schermo); // also after the program's end has taken the instance

    TastiFisici logica;
    // How long a release waits for the press of a repeat pair, where it must: the X server sends
    // both halves at once, so they arrive well within a millisecond of each other.
    static constexpr int kAttesaCoppiaMs = 4;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TastieraSchermi(QObject *parent);
    bool tasto(QWidget *destinatario, QKeyEvent *ev);
    void esegui(const QList<TastiFisici::Azione> &azioni);

    QSet<const void *> schermi_;
    QElapsedTimer orologio_;
    QTimer attesa_;
};
