#include "BarraStato.h"
#include "FormEsercizio.h"
#include "platform/Dialogs.h"
#include "platform/MovieView.h"
#include "shell/Profilo.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>

void FormEsercizio::costruisciMenu()
{
    QMenuBar *barra = menuBar();
    QFont f = barra->font();
    f.setPointSize(12);
    barra->setFont(f);

    mnuLivelli = barra->addMenu(descrizione_.menuLivelli);
    mnuLivelli->setObjectName(QStringLiteral("mnuLivelli"));
    auto *gruppo = new QActionGroup(this);
    mnuLiv.assign(descrizione_.livelli + 1, nullptr);
    for (int i = 1; i <= descrizione_.livelli; ++i) {
        QAction *a = mnuLivelli->addAction(QString::number(i));
        a->setObjectName(QStringLiteral("mnuLiv_%1").arg(i));
        a->setCheckable(true);
        a->setChecked(i == 1);
        a->setActionGroup(gruppo);
        if (i <= 12)
            a->setShortcut(QKeySequence(Qt::Key_F1 + (i - 1)));
        connect(a, &QAction::triggered, this, [this, i] { mnuLiv_Click(i); });
        mnuLiv[i] = a;
    }

    QMenu *mnuSt = barra->addMenu(QStringLiteral("&Stampa"));
    mnuSt->setObjectName(QStringLiteral("mnuSt"));
    QAction *veloce = mnuSt->addAction(QStringLiteral("veloce"), this, &FormEsercizio::mnuStEserc_Click);
    veloce->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QMenu *mnuStPg = mnuSt->addMenu(QStringLiteral("con opzioni"));
    mnuStPg->addAction(QStringLiteral("foglio orizzontale"), this, &FormEsercizio::mnuStOr_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuStPg->addAction(QStringLiteral("foglio verticale"), this, &FormEsercizio::mnuStVer_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    mnuSt->addAction(QStringLiteral("zanfroni da colorare"), this, &FormEsercizio::mnuPag_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));

    QAction *esci = barra->addAction(QStringLiteral("&Esci"));
    esci->setObjectName(QStringLiteral("mnuEsci"));
    connect(esci, &QAction::triggered, this, &FormEsercizio::mnuesci_Click);
}

void FormEsercizio::aggiornaPannelli()
{
    StatusBar1->setPannello(1, QStringLiteral("Esatti ") + QString::number(livelli_.esatti()));
    StatusBar1->setPannello(2, QStringLiteral("Errati ") + QString::number(livelli_.errati()));
    StatusBar1->setPannello(3, QStringLiteral("Livello ") + QString::number(livelli_.livello()));
}

void FormEsercizio::mnuLiv_Click(int indice)
{
    if (preparando_ || indice < 1 || indice > descrizione_.livelli || !mnuLiv[indice]->isEnabled())
        return;
    livelli_.scegli(indice);
    mnuLiv[indice]->setChecked(true);
    ProssimaDomanda();
    aggiornaPannelli();
}

void FormEsercizio::CambiaLivello()
{
    livelli_.cambiaAutomatico();
    aggiornaPannelli();
}

void FormEsercizio::ProssimaDomanda()
{
    preparando_ = true;
    if (scansione() && cursore_.fermo()) { // a level chosen from the menu after a right answer
        EvidenziaElemento(cursore_.indice(), false);
        cursore_.vaiA(0);
        EvidenziaElemento(0, true);
    }
    RitornaDalPremio(); // a level change or a new question always ends a reward movie
    if (Profilo.PassaggioLivelli)
        CambiaLivello();
    GeneraEsercizio();
    domandaAperta_ = true;
    preparando_ = false;
    guardia_.segna();
}

void FormEsercizio::MostraPremio()
{
    ContaDomande = 0;
    Label1->clear();
    if (ShockwaveFlash1) {
        ShockwaveFlash1->Movie(FilmatoPremio());
        ShockwaveFlash1->Play();
    }
    premioMostrato_ = true;
}

void FormEsercizio::RitornaDalPremio()
{
    if (!premioMostrato_)
        return;
    if (ShockwaveFlash1)
        ShockwaveFlash1->StopPlay();
    ApriFileZanfroni();
    premioMostrato_ = false;
}

// Printing comes with the print dialog; until then each entry says so.
void FormEsercizio::mnuStEserc_Click()
{
    MsgBox(this, QStringLiteral("La stampa non è ancora disponibile."), QStringLiteral("Zanfroni"), Dialogs::Information);
}
void FormEsercizio::mnuStOr_Click() { mnuStEserc_Click(); }
void FormEsercizio::mnuStVer_Click() { mnuStEserc_Click(); }
void FormEsercizio::mnuPag_Click()
{
    MsgBox(this, QStringLiteral("La pagina dei zanfroni da colorare non è ancora disponibile."), QStringLiteral("Zanfroni"),
           Dialogs::Information);
}
