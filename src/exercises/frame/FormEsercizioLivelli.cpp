#include "BarraStato.h"
#include "FormEsercizio.h"
#include "platform/MovieView.h"
#include "print/Form1.h"
#include "print/MotoreStampa.h"
#include "print/SorgenteStampa.h"
#include "print/frmStampa.h"
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
    BarraContatori->setPannello(1, QStringLiteral("Esatti ") + QString::number(livelli_.esatti()));
    BarraContatori->setPannello(2, QStringLiteral("Errati ") + QString::number(livelli_.errati()));
    BarraContatori->setPannello(3, QStringLiteral("Livello ") + QString::number(livelli_.livello()));
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
    avvisaFilmatiMancanti();
}

void FormEsercizio::MostraPremio()
{
    ContaDomande = 0;
    LabelFrase->clear();
    if (Zanfrone) {
        Zanfrone->Movie(FilmatoPremio());
        Zanfrone->Play();
    }
    premioMostrato_ = true;
}

void FormEsercizio::RitornaDalPremio()
{
    if (!premioMostrato_)
        return;
    ApriFileZanfroni(); // the clown's movie takes the reward's place: nothing to stop first
    premioMostrato_ = false;
}

// The print menu: the screen at once, through the print dialog on a landscape or portrait sheet, or
// the page of clowns to colour. Coming back, the screen goes on with the same question.
void FormEsercizio::mnuStEserc_Click() { MotoreStampa::istanza().StampaVeloce(this, SorgenteStampa::daSchermo(this)); }
void FormEsercizio::mnuStOr_Click() { StampaFPB(this, 10, 10, 100, 100, 2, QString()); }
void FormEsercizio::mnuStVer_Click() { StampaFPB(this, 10, 10, 100, 100, 1, QString()); }
void FormEsercizio::mnuPag_Click()
{
    Form1 pagina(this);
    pagina.exec();
}
