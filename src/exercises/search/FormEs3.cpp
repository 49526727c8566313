#include "FormEs3.h"
#include "platform/MovieView.h"
#include "shell/Profilo.h"

namespace {
const char *const kContorni[] = {"cappello.contorno", "ciuffo.contorno", "capelli.contorno",
                                 "camicia.contorno",  "gile.contorno",   "bottoni.contorno",
                                 "pantaloni.contorno", "scarpe.contorno", "secchio.contorno"};
// The outlines of each part row 1..8 (the tuft goes with the hair).
const std::initializer_list<const char *> kParte[9] = {
    {}, {"cappello.contorno"}, {"ciuffo.contorno", "capelli.contorno"}, {"camicia.contorno"}, {"gile.contorno"},
    {"bottoni.contorno"}, {"pantaloni.contorno"}, {"scarpe.contorno"}, {"secchio.contorno"}};

void contorno(MovieView &movie, const char *oggetto, const QString &colore)
{
    movie.SetVariable(QStringLiteral("QualeOggetto"), QString::fromLatin1(oggetto));
    movie.SetVariable(QStringLiteral("TestoColore.QualeColore"), colore);
}
} // namespace

FormEs3::FormEs3()
    : FormDifferenze({.schermo = QStringLiteral("FormEs3"), .livelli = 4, .soglia = 12, .larghezza = 10365,
                      .altezza = 7935, .sfondo = QColor(192, 192, 255)},
                     true)
{
    creaZanfroni(120, 6495);
    connect(ShockwaveFlash1, &MovieView::FSCommand, this, &FormEs3::ShockwaveFlash1_FSCommand);
    connect(ShockwaveFlash2, &MovieView::FSCommand, this, &FormEs3::ShockwaveFlash2_FSCommand);
    creaPulsanti(120, 7440, 6720);
    posizionaFrase(2640, 2640, 3855, 3375);
    posizionaMerlino(3600, 4200, 2000, 2000);
}

QString FormEs3::istruzione() const
{
    const QString testo = QStringLiteral("Clicca sui particolari diversi dei zanfroni per renderli uguali. ");
    return Profilo.ModalitaInput == 0 ? testo + QStringLiteral("Puoi cliccare su entrambi i zanfroni.") : testo;
}

void FormEs3::Form_Activate()
{
    ColoreScansione = TrovaColoreScansione(Profilo.ColorePulsanteSelezionato);
    FormDifferenze::Form_Activate();
}

void FormEs3::ApriFileZanfroni()
{
    // Clickable parts with the mouse; outlined parts for scanning.
    const int numero = scansione() ? 3 : 2;
    caricaZanfrone(ShockwaveFlash1, numero);
    caricaZanfrone(ShockwaveFlash2, numero);
    if (!scansione() && Profilo.CursoreSistema) {
        ShockwaveFlash1->GotoFrame(1);
        ShockwaveFlash2->GotoFrame(1);
    }
}

void FormEs3::ColoraSelezionato(int riga)
{
    if (riga < 1 || riga > CoppiaDifferenze::kRigaMassima)
        return;
    for (const char *oggetto : kContorni)
        contorno(*ShockwaveFlash2, oggetto, QStringLiteral("000000"));
    for (const char *oggetto : kParte[riga])
        contorno(*ShockwaveFlash2, oggetto, ColoreScansione);
}

// The command holds the clicked part's row; anything else is not a click on a part.
void FormEs3::clicSulZanfrone(const QString &command, int bersaglio)
{
    bool numero = false;
    const int riga = command.trimmed().toInt(&numero);
    if (numero)
        clicSuParte(riga, 1 - bersaglio, bersaglio);
}

void FormEs3::ShockwaveFlash1_FSCommand(const QString &command, const QString &) { clicSulZanfrone(command, 0); }
void FormEs3::ShockwaveFlash2_FSCommand(const QString &command, const QString &) { clicSulZanfrone(command, 1); }
