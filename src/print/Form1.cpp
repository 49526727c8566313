#include "Form1.h"
#include "RiquadroDisegno.h"
#include "frmStampa.h"
#include "shell/Immagini.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {
QRect posto(int left, int top, int width, int height) { return QRect(left / 15, top / 15, width / 15, height / 15); }
} // namespace

Form1::Form1(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form1"));
    setModal(true);
    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    auto *barra = new QMenuBar(this);
    QAction *esci = barra->addAction(QStringLiteral("&Esci"));
    esci->setObjectName(QStringLiteral("mnuesci"));
    connect(esci, &QAction::triggered, this, &Form1::mnuesci_Click);
    colonna->setMenuBar(barra);

    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("area"));
    area->setFixedSize(11775 / 15, 6330 / 15);
    colonna->addWidget(area);

    for (int i = 0; i < 4; ++i) {
        auto *r = new RiquadroDisegno(area);
        r->setObjectName(QStringLiteral("Disegni_%1").arg(i));
        r->setGeometry(posto(120 + i * 2880, 240, 2895, 5175));
        r->caricaDisegno(Immagini::Disegno(i + 1));
        r->setToolTip(QStringLiteral("Stampa questo zanfrone"));
        connect(r, &RiquadroDisegno::clicked, this, [this, i] { StampaDisegno(i); });
        Disegni.push_back(r);
    }
    LabelIstruzione = new QLabel(QStringLiteral("Clicca sul zanfrone che vuoi stampare"), area);
    LabelIstruzione->setObjectName(QStringLiteral("LabelIstruzione"));
    LabelIstruzione->setTextFormat(Qt::PlainText);
    LabelIstruzione->setGeometry(posto(720, 5640, 10095, 495));
    LabelIstruzione->setAlignment(Qt::AlignCenter);
    QFont f = LabelIstruzione->font();
    f.setPointSizeF(13.5);
    f.setBold(true);
    LabelIstruzione->setFont(f);
    setFixedSize(sizeHint());
}

void Form1::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *s = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen()) {
        const QRect g = s->geometry();
        move(g.x() + (g.width() - width()) / 2, g.y() + (g.height() - height()) / 2);
    }
}

void Form1::StampaDisegno(int indice)
{
    if (indice < 0 || indice >= int(Disegni.size()))
        return;
    StampaFPB(Disegni[size_t(indice)], 10, 10, 100, 100, 1, QString());
}

void Form1::mnuesci_Click() { accept(); }
