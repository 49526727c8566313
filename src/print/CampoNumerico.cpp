#include "CampoNumerico.h"
#include "GeometriaStampa.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

CampoNumerico::CampoNumerico(QWidget *parent) : QLineEdit(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

double CampoNumerico::valore() const
{
    // Like Val: a sign, digits and one point from the start, anything after them ignored.
    const QString t = text().trimmed();
    int fine = 0;
    if (fine < t.size() && (t[fine] == QLatin1Char('-') || t[fine] == QLatin1Char('+')))
        ++fine;
    bool punto = false;
    while (fine < t.size() && (t[fine].isDigit() || (t[fine] == QLatin1Char('.') && !punto))) {
        punto = punto || t[fine] == QLatin1Char('.');
        ++fine;
    }
    return t.left(fine).toDouble();
}

void CampoNumerico::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)) {
        event->accept();
        return;
    }
    const QString testo = event->text();
    const bool carattere = !testo.isEmpty() && testo[0].isPrint() && !(event->modifiers() & Qt::ControlModifier);
    if (carattere && !(testo.size() == 1 && testo[0] >= QLatin1Char('0') && testo[0] <= QLatin1Char('9'))) {
        event->accept(); // dropped
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CampoNumerico::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        emit tastoRilasciato();
}

SuGiu::SuGiu(CampoNumerico *campo, int minimo, int massimo, QWidget *parent)
    : QWidget(parent), campo_(campo), minimo_(minimo), massimo_(massimo)
{
    auto *colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    for (int verso : {+1, -1}) {
        auto *b = new QToolButton(this);
        b->setArrowType(verso > 0 ? Qt::UpArrow : Qt::DownArrow);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b->setObjectName(verso > 0 ? QStringLiteral("su") : QStringLiteral("giu"));
        connect(b, &QToolButton::clicked, this, [this, verso] { passo(verso); });
        colonna->addWidget(b);
    }
}

void SuGiu::passo(int verso)
{
    const int v = qBound(minimo_, GeometriaStampa::Arrotonda(campo_->valore()) + verso, massimo_);
    campo_->setText(QString::number(v));
    emit mosso();
}
