// The clown colours page: 216 palette cells, the five rows of the colour table and a preview clown.
#include "CasellaColore.h"
#include "FormConfigura.h"
#include "shell/PittoreZanfrone.h"
#include "shell/Profilo.h"
#include "shell/Tavolozza.h"
#include "shell/Utenti.h"
#include "platform/Dialogs.h"
#include "platform/MovieView.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QPushButton>
#include <QRadioButton>

namespace {
// Occupied columns of each of the 16 rows, as ranges.
struct Tratto { int da, a; };
const QList<QList<Tratto>> kRighePalette = {
    {{1, 10}},
    {{1, 1}, {6, 11}, {16, 16}},
    {{1, 16}}, {{1, 16}}, {{1, 16}}, {{1, 16}}, {{1, 16}},
    {{1, 7}, {11, 16}},
    {{1, 6}, {10, 16}},
    {{1, 16}}, {{1, 16}}, {{1, 16}}, {{1, 16}}, {{1, 16}},
    {{1, 1}, {6, 11}, {16, 16}},
    {{7, 10}},
};

// The preview clown: each part's colour table row.
const Aspetto kAspettoAnteprima = {.cappello = 1, .capelli = 2, .camicia = 3, .gile = 4, .bottoni = 1,
                                   .pantaloni = 2, .scarpe = 3, .secchio = 1, .conCappello = 1};

class CursoreAttesa
{
public:
    CursoreAttesa() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursoreAttesa() { QApplication::restoreOverrideCursor(); }
};
} // namespace

QList<QPoint> FormConfigura::posizioniCaselle()
{
    QList<QPoint> posizioni; // x = column, y = row
    for (int riga = 0; riga < kRighePalette.size(); ++riga)
        for (const Tratto &t : kRighePalette[riga])
            for (int col = t.da; col <= t.a; ++col)
                posizioni.append(QPoint(col, riga + 1));
    return posizioni;
}

void FormConfigura::costruisciPaginaZanfroni()
{
    QFrame *pagina = Pagine[1] = nuovaPagina(QStringLiteral("FrameZanfroni"));

    const QList<QPoint> posizioni = posizioniCaselle();
    Q_ASSERT(posizioni.size() == kColoriTavolozza);
    for (int i = 0; i < kColoriTavolozza; ++i) {
        CasellaColorata[i] = new CasellaColore(pagina);
        CasellaColorata[i]->setAccessibleName(TavolozzaEsadecimale[i]);
        const QPoint p = posizioni[i];
        posiziona(CasellaColorata[i], QStringLiteral("CasellaColorata_%1").arg(i), 120 + (p.x() - 1) * 360,
                  360 + (p.y() - 1) * 360, 375, 375);
        connect(CasellaColorata[i], &CasellaColore::clicked, this, [this, i] { CasellaColorata_Click(i); });
    }

    ZanfroneAnteprima = new MovieView(pagina);
    posiziona(ZanfroneAnteprima, QStringLiteral("ZanfroneAnteprima"), 6120, 240, 3360, 3000);

    gruppoRigheColori = new QButtonGroup(this);
    const char *const testi[5] = {"Sfondo", "Colore 2", "Colore 3", "Colore 4", "Colore 5"};
    for (int i = 0; i < 5; ++i) {
        OptionRigaColori[i] = new QRadioButton(QString::fromUtf8(testi[i]), pagina);
        posiziona(OptionRigaColori[i], QStringLiteral("OptionRigaColori_%1").arg(i), 6120, 3360 + i * 480, 3540, 420);
        gruppoRigheColori->addButton(OptionRigaColori[i], i);
    }

    CommandColoriPredefiniti = new QPushButton(QStringLiteral("Configurazione predefinita"), pagina);
    posiziona(CommandColoriPredefiniti, QStringLiteral("CommandColoriPredefiniti"), 6120, 5940, 3360, 600);
    connect(CommandColoriPredefiniti, &QPushButton::clicked, this, &FormConfigura::RipristinaColori);
}

void FormConfigura::PreparaZanfrone()
{
    CaricaZanfrone(*ZanfroneAnteprima, 1);
    const auto &colori = Profilo.Colori;
    for (int riga = 1; riga <= 4; ++riga)
        OptionRigaColori[riga]->setText(QStringList{colori[riga][1], colori[riga][2], colori[riga][3], colori[riga][4]}
                                   .join(QStringLiteral(" - ")));
    const CursoreAttesa attesa;
    ColoraParti(*ZanfroneAnteprima, kAspettoAnteprima);
}

void FormConfigura::CasellaColorata_Click(int indice)
{
    if (indice < 0 || indice >= kColoriTavolozza)
        return;
    static const char *const forme[4] = {"MASCHILE SINGOLARE", "MASCHILE PLURALE", "FEMMINILE SINGOLARE",
                                         "FEMMINILE PLURALE"};
    for (int riga = 0; riga <= 4; ++riga) {
        if (!OptionRigaColori[riga]->isChecked())
            continue;
        Profilo.Colori[riga][0] = TavolozzaEsadecimale[indice];
        if (riga >= 1) {
            for (int col = 1; col <= 4; ++col)
                Profilo.Colori[riga][col] = parolaColore(QString::fromLatin1(forme[col - 1]));
        }
        PreparaZanfrone();
    }
}

QString FormConfigura::parolaColore(const QString &forma)
{
    QString parola;
    for (;;) {
        parola = InputBox(this, QStringLiteral("Inserisci la parola che descrive il colore al ") + forma,
                          QStringLiteral("Zanfroni"), parola);
        const QString motivo = MotivoCarattereNonConservato(parola);
        if (motivo.isEmpty())
            return LimitaNome(parola);
        MsgBox(this, QStringLiteral("Il nome di colore \"%1\" non può essere usato.\n%2").arg(parola, motivo),
               QStringLiteral("Zanfroni"), Dialogs::Exclamation);
    }
}

void FormConfigura::RipristinaColori()
{
    ImpostaColoriPredefiniti();
    PreparaZanfrone();
}
