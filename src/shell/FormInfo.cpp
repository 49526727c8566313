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
    QLabel **etichette[4] = {&LabelAutori, &LabelSpazioSopra, &LabelCondizioni, &LabelSpazioSotto};
    const char *const nomi[4] = {"LabelAutori", "LabelSpazioSopra", "LabelCondizioni", "LabelSpazioSotto"};
    const int alto[4] = {240, 1920, 2640, 4680};
    const int altezza[4] = {1560, 600, 1920, 600};
    for (int i = 0; i < 4; ++i) {
        auto *l = new QLabel(area());
        l->setTextFormat(Qt::PlainText);
        l->setFont(arial);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        *etichette[i] = l;
        posiziona(l, QString::fromLatin1(nomi[i]), 360, alto[i], 7815, altezza[i]);
    }

    CommandChiudi = new QPushButton(QStringLiteral("Chiudi"), area());
    CommandChiudi->setFont(arial);
    posiziona(CommandChiudi, QStringLiteral("CommandChiudi"), 3120, 5400, 2295, 735);
    connect(CommandChiudi, &QPushButton::clicked, this, &FormInfo::TornaAlMenu);
}

void FormInfo::Form_Activate()
{
    LabelAutori->setText(QStringLiteral("Software di\nGruppo Zanfroni - https://www.zanfroni.it - info@zanfroni.it\n\n"));
    LabelSpazioSopra->clear();
    LabelCondizioni->setText(QStringLiteral(
        "Il programma è gratuito per le scuole e per le famiglie e può essere copiato liberamente.\n"
        "È fornito così com'è, senza alcuna garanzia di funzionamento.\n"
        "Non può essere venduto né distribuito a pagamento."));
    LabelSpazioSotto->clear();
    CommandChiudi->setFocus();
}

void FormInfo::TornaAlMenu() { Schermi::mostra(FormMenu::Nome, this); }

bool FormInfo::chiusuraDalSistema()
{
    // Closed from the window manager it goes back to the main menu, as "Chiudi" does.
    return Schermi::mostra(FormMenu::Nome) != nullptr;
}

void FormInfo::KeyUp(int key)
{
    if (key == Invio || key == Spazio)
        TornaAlMenu();
}
