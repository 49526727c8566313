#include "BarraStato.h"

#include <QHBoxLayout>
#include <QLabel>

BarraStato::BarraStato(QWidget *parent) : QFrame(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    auto *righe = new QHBoxLayout(this);
    righe->setContentsMargins(2, 2, 2, 2);
    righe->setSpacing(3);
    const char *const iniziali[3] = {"Esatti", "Errati", "Livello"};
    for (int i = 0; i < 3; ++i) {
        pannelli_[i] = new QLabel(QString::fromLatin1(iniziali[i]), this);
        pannelli_[i]->setTextFormat(Qt::PlainText);
        pannelli_[i]->setObjectName(QStringLiteral("Pannello%1").arg(i + 1));
        pannelli_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pannelli_[i]->setIndent(6);
        QFont f = pannelli_[i]->font();
        f.setBold(true);
        pannelli_[i]->setFont(f);
        righe->addWidget(pannelli_[i], 1);
    }
}

// The panels' letters follow the bar's height, so that the counts read well on any screen.
void BarraStato::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    for (QLabel *p : pannelli_) {
        QFont f = p->font();
        f.setPixelSize(qMax(10, height() * 2 / 5));
        p->setFont(f);
    }
}

void BarraStato::setPannello(int indice, const QString &testo)
{
    if (indice >= 1 && indice <= 3)
        pannelli_[indice - 1]->setText(testo);
}

QString BarraStato::pannello(int indice) const
{
    return indice >= 1 && indice <= 3 ? pannelli_[indice - 1]->text() : QString();
}
