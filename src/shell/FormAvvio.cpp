#include "FormAvvio.h"
#include "Avvio.h"
#include "FormMenu.h"
#include "Immagine.h"
#include "Immagini.h"
#include "Puntatore.h"
#include "Schermi.h"

#include "PulsanteImmagine.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

FormAvvio::FormAvvio() : Schermo(Nome, 9645, 7230)
{
    coloreSfondo(QColor(0xFF, 0xFF, 0x00));
    area()->setCursor(PuntatoreProgramma());
    catturaTasti = true;

    const char *const testi[2] = {"Zanfroni", "19/03/2006"};
    const int dimensioni[2] = {120, 18};
    for (int i = 0; i < 2; ++i) {
        Scritte[i] = new QLabel(QString::fromUtf8(testi[i]), area());
        Scritte[i]->setTextFormat(Qt::PlainText);
        QFont f(QStringLiteral("Comic Sans MS"), dimensioni[i]);
        f.setBold(true);
        f.setStyleStrategy(QFont::NoFontMerging); // fixed words, all in this face: no other face looked for
        Scritte[i]->setFont(f);
        Scritte[i]->setAlignment(Qt::AlignCenter);
        Scritte[i]->setStyleSheet(i == 0 ? QStringLiteral("color:#000080; background:#00FFFF;")
                                        : QStringLiteral("color:#000080;"));
    }
    posiziona(Scritte[0], QStringLiteral("Scritte_0"), 600, 600, 8535, 3135);
    posiziona(Scritte[1], QStringLiteral("Scritte_1"), 6600, 5880, 2415, 615);

    ImmagineAvvio = new Immagine(area());
    ImmagineAvvio->carica(Immagini::Avvio);
    posiziona(ImmagineAvvio, QStringLiteral("ImmagineAvvio"), 360, 5280, 1575, 1455);

    CommandInizia = new PulsanteImmagine(area());
    CommandInizia->setImmagine(Immagini::Avvia);
    CommandInizia->setSfondo(QColor(0xFF, 0xFF, 0x00));
    CommandInizia->setCursor(PuntatoreProgramma());
    CommandInizia->setAccessibleName(QStringLiteral("Inizia"));
    posiziona(CommandInizia, QStringLiteral("CommandInizia"), 2640, 5280, 3375, 1455);
    connect(CommandInizia, &PulsanteImmagine::clicked, this, &FormAvvio::ApriMenu);
}

void FormAvvio::ApriMenu()
{
    RegistraCorsivo(); // the start screen was left before it was drawn: every later screen may use it
    Schermi::mostra(FormMenu::Nome, this);
}

// No text here is cursive: the cursive face is registered just after this screen is first drawn.
bool FormAvvio::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == area() && event->type() == QEvent::Paint && !disegnato_) {
        disegnato_ = true;
        QTimer::singleShot(0, this, &RegistraCorsivo);
    }
    return Schermo::eventFilter(watched, event);
}

void FormAvvio::KeyUp(int key)
{
    if (key == Invio || key == Spazio)
        ApriMenu();
}
