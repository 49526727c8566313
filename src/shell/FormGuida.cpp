#include "FormGuida.h"
#include "FormMenu.h"
#include "Schermi.h"
#include "platform/MovieView.h"
#include "platform/PathResolver.h"

#include <QLabel>
#include <QMenuBar>

FormGuida::FormGuida(const QString &nome, const QString &filmato)
    : Schermo(nome, 9885, 7155), filmato_(filmato)
{
    coloreSfondo(Qt::white);
    ShockwaveFlash1 = new MovieView(area());
    posiziona(ShockwaveFlash1, QStringLiteral("ShockwaveFlash1"), 0, 0, 9855, 7215);
    Mancante = new QLabel(QStringLiteral("Il filmato della guida non è disponibile."), area());
    Mancante->setTextFormat(Qt::PlainText);
    Mancante->setAlignment(Qt::AlignCenter);
    Mancante->setFont(QFont(QStringLiteral("Arial"), 18));
    Mancante->hide();
    posiziona(Mancante, QStringLiteral("Mancante"), 0, 3000, 9855, 1200);
    connect(menuBar()->addAction(QStringLiteral("&Esci")), &QAction::triggered, this, &FormGuida::mnuesci_Click);
}

void FormGuida::Form_Activate()
{
    ShockwaveFlash1->Movie(App::Path() + filmato_);
    ShockwaveFlash1->GotoFrame(0);
    ShockwaveFlash1->Play();
    Mancante->setVisible(!ShockwaveFlash1->isLoaded());
}

void FormGuida::mnuesci_Click()
{
    ShockwaveFlash1->StopPlay();
    Schermi::mostra(FormMenu::Nome, this);
}

bool FormGuida::chiusuraDalSistema()
{
    // Closed from the window manager it goes back to the main menu, as "&Esci" does.
    ShockwaveFlash1->StopPlay();
    return Schermi::mostra(FormMenu::Nome) != nullptr;
}
