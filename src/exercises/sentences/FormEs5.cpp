#include "FormEs5.h"
#include "platform/MovieView.h"
#include "shell/Immagini.h"
#include "shell/PittoreZanfrone.h"

#include <QFrame>

namespace {
constexpr int kLarghezzaPiccolo = 615;
constexpr int kAltezzaPiccolo = 855;
constexpr int kRighe[2] = {360, 1320};
constexpr int kSinistraSi = 240;
constexpr int kSinistraNo = 4320;
constexpr int kPasso = 720;
const QString kColoreBordi = QStringLiteral("#5a2d6e");
} // namespace

FormEs5::FormEs5()
    : FormEsercizio({.schermo = Nome, .livelli = 4, .soglia = 20, .larghezza = 8265,
                     .altezza = 6075, .sfondo = QColor(255, 192, 255)})
{
    creaBordi(); // beneath the clowns and the buttons
    creaFilmato(QStringLiteral("Zanfrone"), 3480, 3480, 1455, 1935);
    for (int i = 0; i < InsiemiZanfroni::kPosti; ++i) {
        const int top = kRighe[i / 5];
        const int passo = (i % 5) * kPasso;
        ZanfroniSi[i] = creaFilmato(QStringLiteral("ZanfroniSi_%1").arg(i), kSinistraSi + passo, top,
                                         kLarghezzaPiccolo, kAltezzaPiccolo);
        ZanfroniNo[i] = creaFilmato(QStringLiteral("ZanfroniNo_%1").arg(i), kSinistraNo + passo, top,
                                         kLarghezzaPiccolo, kAltezzaPiccolo);
    }
    nascondiPiccoli();
    posizionaFrase(120, 3480, 3135, 1935);
    posizionaAssistente(5160, 3480, 1575, 1935);
    // The captions show only where a thumb picture is missing.
    creaRisposte({QStringLiteral("sì"), QStringLiteral("no")}, {Immagini::PolliceSu, Immagini::PolliceGiu},
                 {QRect(1560, 2640, 855, 735), QRect(5640, 2640, 855, 735), QRect(6840, 4560, 1335, 855)}, 20);
}

void FormEs5::creaBordi()
{
    const auto bordo = [this](const QString &nome, int left, int top, int width, int height, bool pieno) {
        auto *f = new QFrame(area());
        f->setAttribute(Qt::WA_TransparentForMouseEvents);
        f->setStyleSheet(pieno ? QStringLiteral("background:%1;").arg(kColoreBordi)
                               : QStringLiteral("border:3px solid %1; border-radius:6px; background:transparent;").arg(kColoreBordi));
        posiziona(f, nome, left, top, width, height);
    };
    bordo(QStringLiteral("RecintoSi"), 120, 240, 3720, 2040, false);
    bordo(QStringLiteral("RecintoNo"), 4200, 240, 3720, 2040, false);
    bordo(QStringLiteral("LineaSi"), 1945, 2280, 30, 480, true);
    bordo(QStringLiteral("LineaNo"), 6065, 2280, 30, 840, true);
}

void FormEs5::nascondiPiccoli()
{
    for (int i = 0; i < InsiemiZanfroni::kPosti; ++i) {
        ZanfroniSi[i]->hide();
        ZanfroniNo[i]->hide();
    }
}

void FormEs5::ApriFileZanfroni()
{
    CaricaZanfrone(*Zanfrone, 1);
    for (int i = 0; i < InsiemiZanfroni::kPosti; ++i) {
        CaricaZanfrone(*ZanfroniSi[i], 1);
        CaricaZanfrone(*ZanfroniNo[i], 1);
    }
}

void FormEs5::ImpostaColori()
{
    frasi_.ImpostaColori(Livello());
    ColoraZanfrone(*Zanfrone, frasi_.aspetto);
}

void FormEs5::GeneraEsercizio()
{
    nascondiPiccoli();
    abilitaRisposte(true);
    insiemi_.svuota();
    frasi_.ScriviFrase(Livello());
    mostraFrase(frasi_.Frase, true);
    ImpostaColori();
    Zanfrone->show();
}

// The big clown, copied into the next free place of its set and shown when painted.
void FormEs5::colloca(int insieme)
{
    const int posto = insiemi_.prossimoPosto(insieme);
    if (posto < 0)
        return;
    MovieView *piccolo = this->piccolo(insieme, posto);
    ColoraZanfrone(*piccolo, frasi_.aspetto);
    piccolo->show();
}

void FormEs5::ColoraSi() { colloca(0); }
void FormEs5::ColoraNo() { colloca(1); }

void FormEs5::DopoRispostaGiusta(int)
{
    if (frasi_.Risposta == 1)
        ColoraNo();
    else
        ColoraSi();
    insiemi_.aggiungi(frasi_.Risposta);
}

bool FormEs5::ContinuaDomanda(int)
{
    if (insiemi_.pieno()) {
        Zanfrone->hide(); // the exercise is over
        return false;
    }
    ImpostaColori(); // the next clown for the same sentence
    return true;
}
