#include "FormInfo.h"
#include "FormMenu.h"
#include "Schermi.h"

#include <QLabel>
#include <QPushButton>

namespace {
const QColor kSfondo(0xFF, 0xFF, 0xC0); // &H00C0FFFF&
}

FormInfo::FormInfo() : Schermo(Nome, 8535, 6420)
{
    // Unlike the other screens the about box keeps its border and title bar.
    setWindowFlag(Qt::FramelessWindowHint, false);
    setWindowTitle(QStringLiteral("Informazioni su Zanfroni"));
    coloreSfondo(kSfondo);
    catturaTasti = true;

    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(14.25);
    QLabel **etichette[4] = {&Label1, &Label2, &Label3, &Label4};
    const int alto[4] = {240, 1920, 2640, 4680};
    const int altezza[4] = {1560, 600, 1920, 600};
    for (int i = 0; i < 4; ++i) {
        auto *l = new QLabel(area());
        l->setTextFormat(Qt::PlainText);
        l->setFont(arial);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        *etichette[i] = l;
        posiziona(l, QStringLiteral("Label%1").arg(i + 1), 360, alto[i], 7815, altezza[i]);
    }

    Command1 = new QPushButton(QStringLiteral("Chiudi"), area());
    Command1->setFont(arial);
    posiziona(Command1, QStringLiteral("Command1"), 3120, 5400, 2295, 735);
    connect(Command1, &QPushButton::clicked, this, &FormInfo::Command1_Click);
}

void FormInfo::Form_Activate()
{
    Label1->setText(QStringLiteral("Software di\nGruppo Zanfroni - https://www.zanfroni.it - info@zanfroni.it\n\n"));
    Label2->clear();
    Label3->setText(QStringLiteral(
        "Il programma è gratuito per le scuole e per le famiglie e può essere copiato liberamente.\n"
        "È fornito così com'è, senza alcuna garanzia di funzionamento.\n"
        "Non può essere venduto né distribuito a pagamento."));
    Label4->clear();
    Command1->setFocus();
}

void FormInfo::Command1_Click() { Schermi::mostra(FormMenu::Nome, this); }

bool FormInfo::chiusuraDalSistema()
{
    // Closed from the window manager it goes back to the main menu, as "Chiudi" does.
    return Schermi::mostra(FormMenu::Nome) != nullptr;
}

void FormInfo::KeyUp(int key)
{
    if (key == Invio || key == Spazio)
        Command1_Click();
}
