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
    FilmatoGuida = new MovieView(area());
    posiziona(FilmatoGuida, QStringLiteral("FilmatoGuida"), 0, 0, 9855, 7215);
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
    FilmatoGuida->Movie(App::Path() + filmato_);
    FilmatoGuida->GotoFrame(0);
    FilmatoGuida->Play();
    Mancante->setVisible(!FilmatoGuida->isLoaded());
}

void FormGuida::mnuesci_Click()
{
    FilmatoGuida->StopPlay();
    Schermi::mostra(FormMenu::Nome, this);
}

bool FormGuida::chiusuraDalSistema()
{
    // Closed from the window manager it goes back to the main menu, as "&Esci" does.
    FilmatoGuida->StopPlay();
    return Schermi::mostra(FormMenu::Nome) != nullptr;
}
