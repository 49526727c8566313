#include "FormEs8.h"
#include "platform/VbColor.h"
#include "shell/CorniceEvidenza.h"
#include "shell/Immagine.h"
#include "shell/Immagini.h"
#include "shell/PittoreZanfrone.h"
#include "shell/Profilo.h"
#include "shell/Puntatore.h"

#include <QEvent>

namespace {
// The strip stands 20 twips above the status bar (495 twips high, at the bottom).
constexpr int kAltezza = 7755;
constexpr int kStrisciaTop = kAltezza - 495 - 615 - 20;
constexpr int kDisegno = 615;
constexpr int kCornice = 6; // pixels of the frame around the chosen drawing
} // namespace

FormEs8::FormEs8()
    : FormDifferenze({.schermo = Nome, .livelli = 4, .soglia = 12, .larghezza = 10410,
                      .altezza = kAltezza, .sfondo = QColor(192, 192, 255)},
                     false)
{
    creaZanfroni(120, 6375);
    StrisciaDisegni = new QWidget(area());
    StrisciaDisegni->setAutoFillBackground(true);
    StrisciaDisegni->setMouseTracking(true);
    StrisciaDisegni->installEventFilter(this);
    posiziona(StrisciaDisegni, QStringLiteral("StrisciaDisegni"), 0, kStrisciaTop, 10335, kDisegno);
    for (int i = 0; i < 8; ++i) {
        const int left = 120 + 720 * i;
        auto *disegno = new Immagine(area());
        disegno->carica(Immagini::Parte(i + 1));
        disegno->setCursor(PuntatoreProgramma());
        disegno->setMouseTracking(true);
        disegno->installEventFilter(this);
        posiziona(disegno, QStringLiteral("Disegni_%1").arg(i), left, kStrisciaTop, kDisegno, kDisegno);
        connect(disegno, &Immagine::clicked, this, [this, i] { ScegliDisegno(i); });
        Disegni[i] = disegno;

        auto *cornice = new CorniceEvidenza(kCornice, area());
        cornice->hide();
        posiziona(cornice, QStringLiteral("CorniciDisegni_%1").arg(i), left, kStrisciaTop, kDisegno, kDisegno);
        CorniciDisegni[i] = cornice;
    }
    creaPulsanti(6240, 7440, kStrisciaTop);
    posizionaFrase(3120, 1440, 3855, 3375);
    posizionaAssistente(3600, 4200, 2000, 2000);
}

QString FormEs8::istruzione() const
{
    return QStringLiteral("Clicca sui disegni in basso per rendere i zanfroni uguali.");
}

void FormEs8::Form_Activate()
{
    nascondiCornici();
    if (Profilo.CursoreSistema)
        for (Immagine *disegno : Disegni)
            disegno->setCursor(Qt::ArrowCursor);
    FormDifferenze::Form_Activate();
    QPalette pal = StrisciaDisegni->palette();
    pal.setColor(QPalette::Window, coloreSfondo());
    StrisciaDisegni->setPalette(pal);
    for (CorniceEvidenza *cornice : CorniciDisegni)
        cornice->setColori(VbColor::toQColor(Profilo.ColorePulsanteSelezionato), coloreSfondo());
}

void FormEs8::ApriFileZanfroni()
{
    CaricaZanfrone(*Zanfrone, 1);
    CaricaZanfrone(*SecondoZanfrone, 1);
}

void FormEs8::ColoraSelezionato(int parte)
{
    for (int i = 0; i < 8; ++i)
        CorniciDisegni[i]->setVisible(i == parte);
    CorniciDisegni[parte]->raise();
}

void FormEs8::nascondiCornici()
{
    for (CorniceEvidenza *cornice : CorniciDisegni)
        cornice->hide();
}

int FormEs8::CornicePresente() const
{
    for (int i = 0; i < 8; ++i)
        if (!CorniciDisegni[i]->isHidden())
            return i;
    return -1;
}

void FormEs8::ScegliDisegno(int indice) { clicSuParte(indice + 1, 0, 1); }

void FormEs8::IncorniciaDisegno(int indice)
{
    if (!scansione())
        ColoraSelezionato(indice);
}

bool FormEs8::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        // With the mouse, the pointer left the drawings; while scanning the frame is the switch's.
        if ((watched == StrisciaDisegni || watched == area()) && !scansione())
            nascondiCornici();
        for (int i = 0; i < 8; ++i)
            if (watched == Disegni[i]) {
                IncorniciaDisegno(i);
                return true; // not on to the form, which would hide the frame again
            }
    }
    return FormDifferenze::eventFilter(watched, event);
}
