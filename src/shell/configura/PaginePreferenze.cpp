// The pages for letter case, fonts and colours, and input mode.
#include "FormConfigura.h"
#include "shell/DialoghiComuni.h"
#include "shell/Profilo.h"
#include "platform/Dialogs.h"
#include "platform/VbColor.h"
#include "platform/VbFormat.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>

namespace {
const QString kTitolo = QStringLiteral("Zanfroni");

QLabel *nuovoCampione(QWidget *genitore)
{
    auto *l = new QLabel(QStringLiteral("Esempio di font e colore del testo"), genitore);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Box);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, Qt::white);
    l->setPalette(pal);
    l->setAutoFillBackground(true);
    return l;
}
} // namespace

void FormConfigura::costruisciPaginaScelte()
{
    QFrame *pagina = Pagine[2] = nuovaPagina(QStringLiteral("FrameScelteDid"));
    FrameScelte = new QGroupBox(QStringLiteral("Tipo di carattere"), pagina);
    posiziona(FrameScelte, QStringLiteral("FrameScelte"), 480, 360, 4200, 2220);
    maiuscolo = new QRadioButton(QStringLiteral("MAIUSCOLO"), FrameScelte);
    minuscolo = new QRadioButton(QStringLiteral("minuscolo"), FrameScelte);
    corsivo = new QRadioButton(QStringLiteral("corsivo"), FrameScelte);
    posiziona(maiuscolo, QStringLiteral("maiuscolo"), 360, 480, 3480, 420);
    posiziona(minuscolo, QStringLiteral("minuscolo"), 360, 1020, 3480, 420);
    posiziona(corsivo, QStringLiteral("corsivo"), 360, 1560, 3480, 420);
    connect(maiuscolo, &QRadioButton::clicked, this, &FormConfigura::maiuscolo_Click);
    connect(minuscolo, &QRadioButton::clicked, this, &FormConfigura::minuscolo_Click);
    connect(corsivo, &QRadioButton::clicked, this, &FormConfigura::corsivo_Click);

    CheckPassaggioLivelli = new QCheckBox(QStringLiteral("Attiva passaggio livelli"), pagina);
    posiziona(CheckPassaggioLivelli, QStringLiteral("CheckPassaggioLivelli"), 480, 2880, 6000, 420);
    connect(CheckPassaggioLivelli, &QCheckBox::clicked, this, &FormConfigura::ImpostaPassaggioLivelli);

    LabelFontSelezionato[1] = nuovoCampione(pagina);
    posiziona(LabelFontSelezionato[1], QStringLiteral("LabelFontSelezionato_1"), 480, 3720, 8760, 2880);
}

void FormConfigura::costruisciPaginaFont()
{
    QFrame *pagina = Pagine[3] = nuovaPagina(QStringLiteral("FrameFonts"));
    LabelFontSelezionato[0] = nuovoCampione(pagina);
    posiziona(LabelFontSelezionato[0], QStringLiteral("LabelFontSelezionato_0"), 480, 360, 8760, 2280);

    struct Pulsante { QPushButton *&p; const char *nome, *testo; int left, top; void (FormConfigura::*azione)(); };
    const Pulsante pulsanti[5] = {
        {CommandSceltaFont, "CommandSceltaFont", "Font", 480, 2880, &FormConfigura::CommandSceltaFont_Click},
        {CommandSceltaColoreFont, "CommandSceltaColoreFont", "Colore font", 3480, 2880,
         &FormConfigura::CommandSceltaColoreFont_Click},
        {CommandSceltaSfondoTesto, "CommandSceltaSfondoTesto", "Sfondo testo", 6480, 2880,
         &FormConfigura::CommandSceltaSfondoTesto_Click},
        {CommandSceltaColoreBottoni, "CommandSceltaColoreBottoni", "Pulsanti", 480, 3600,
         &FormConfigura::CommandSceltaColoreBottoni_Click},
        {CommandSceltaColoreSelezionato, "CommandSceltaColoreSelezionato", "Pulsanti selezionati", 3480, 3600,
         &FormConfigura::ScegliColoreSelezionato},
    };
    for (const Pulsante &d : pulsanti) {
        d.p = new QPushButton(QString::fromUtf8(d.testo), pagina);
        posiziona(d.p, QString::fromLatin1(d.nome), d.left, d.top, 2760, 540);
        connect(d.p, &QPushButton::clicked, this, d.azione);
    }

    FrameColoreSfondo = new QGroupBox(QStringLiteral("Colore sfondo"), pagina);
    posiziona(FrameColoreSfondo, QStringLiteral("FrameColoreSfondo"), 480, 4440, 8760, 2160);
    const char *const testi[2] = {"Colori vari", "Colore fisso"};
    auto *gruppo = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        OptionColoreCasualeFisso[i] = new QRadioButton(QString::fromUtf8(testi[i]), FrameColoreSfondo);
        posiziona(OptionColoreCasualeFisso[i], QStringLiteral("OptionColoreCasualeFisso_%1").arg(i), 360,
                  540 + i * 600, 3600, 420);
        gruppo->addButton(OptionColoreCasualeFisso[i], i);
        connect(OptionColoreCasualeFisso[i], &QRadioButton::clicked, this,
                [this, i] { OptionColoreCasualeFisso_Click(i); });
    }
    CommandSceltaColori = new QPushButton(QStringLiteral("Colori"), FrameColoreSfondo);
    posiziona(CommandSceltaColori, QStringLiteral("CommandSceltaColori"), 4320, 1080, 2760, 540);
    connect(CommandSceltaColori, &QPushButton::clicked, this, &FormConfigura::CommandSceltaColori_Click);
}

void FormConfigura::costruisciPaginaInput()
{
    QFrame *pagina = Pagine[5] = nuovaPagina(QStringLiteral("FramePunt"));
    const char *const testi[4] = {"Mouse", "Scansione manuale - spazio e invio ", "Scansione automatica - spazio",
                                  "Tastiera - frecce e invio"};
    auto *gruppo = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        OptionModoInput[i] = new QRadioButton(QString::fromUtf8(testi[i]), pagina);
        posiziona(OptionModoInput[i], QStringLiteral("OptionModoInput_%1").arg(i), 480, 360 + i * 540, 6600, 420);
        gruppo->addButton(OptionModoInput[i], i);
        connect(OptionModoInput[i], &QRadioButton::clicked, this, [this, i] { ScegliModoInput(i); });
    }
    LabelVelocitaScansione = new QLabel(pagina);
    LabelVelocitaScansione->setTextFormat(Qt::PlainText);
    posiziona(LabelVelocitaScansione, QStringLiteral("LabelVelocitaScansione"), 480, 2700, 6600, 360);
    HScrollVelocitaScansione = nuovaBarra(pagina, QStringLiteral("HScrollVelocitaScansione"), 4, 60, 1, 480, 3120,
                                          6600, &FormConfigura::CambiaVelocitaScansione);

    CheckDisabilitaMousePersonalizzato = new QCheckBox(QStringLiteral("Usa cursore di sistema"), pagina);
    posiziona(CheckDisabilitaMousePersonalizzato, QStringLiteral("CheckDisabilitaMousePersonalizzato"), 480, 3720,
              6600, 420);
    connect(CheckDisabilitaMousePersonalizzato, &QCheckBox::clicked, this,
            &FormConfigura::CheckDisabilitaMousePersonalizzato_Click);

    auto *nota = new QLabel(QStringLiteral("La scansione utilizza il colore scelto per i 'pulsanti selezionati'."), pagina);
    nota->setTextFormat(Qt::PlainText);
    nota->setWordWrap(true);
    posiziona(nota, QStringLiteral("LabelNota"), 480, 4680, 8760, 720);
}

// Letter case: "corsivo" keeps the font in use and writes with the cursive one.
void FormConfigura::maiuscolo_Click()
{
    Profilo.TipoCarattere = Lettere::Maiuscolo;
    Profilo.FontTesto = Profilo.FontScelto;
    ImpostaConfigurazioni();
}

void FormConfigura::minuscolo_Click()
{
    Profilo.TipoCarattere = Lettere::Minuscolo;
    Profilo.FontTesto = Profilo.FontScelto;
    ImpostaConfigurazioni();
}

void FormConfigura::corsivo_Click()
{
    // A second click on "corsivo" must not remember the cursive font as the chosen one.
    if (Profilo.TipoCarattere != Lettere::Corsivo)
        Profilo.FontScelto = Profilo.FontTesto;
    Profilo.TipoCarattere = Lettere::Corsivo;
    Profilo.FontTesto = QStringLiteral("Indis1");
    ImpostaConfigurazioni();
}

void FormConfigura::ImpostaPassaggioLivelli(bool spuntato) { Profilo.PassaggioLivelli = spuntato; }

bool FormConfigura::sceltaFontValida(QString &famiglia, qint16 &dimensione)
{
    QString scelta = famiglia;
    int punti = dimensione;
    if (!ScegliFontSalvato(this, scelta, punti))
        return false;
    if (scelta.isEmpty() || punti <= 0) {
        MsgBox(this, QStringLiteral("selezionare sia il tipo di font che la dimensione"), kTitolo, Dialogs::Critical);
        return false;
    }
    famiglia = LimitaNome(scelta);
    dimensione = static_cast<qint16>(std::min(punti, 400));
    return true;
}

// While "corsivo" is on the dialog shows the remembered font, which a choice replaces; the size is
// the one in use either way.
void FormConfigura::CommandSceltaFont_Click()
{
    const bool corsivo = Profilo.TipoCarattere == Lettere::Corsivo;
    QString famiglia = corsivo ? Profilo.FontScelto : Profilo.FontTesto;
    const QString prima = famiglia;
    if (!sceltaFontValida(famiglia, Profilo.DimensioneFontTesto))
        return;
    if (corsivo)
        MsgBox(this,
               QStringLiteral("Il font scelto non verrà utilizzato mentre è attiva l'opzione per il corsivo.\n"
                              "Verrà invece applicata la modifica alla dimensione."),
               kTitolo, Dialogs::Information);
    if (famiglia != prima) {
        if (!corsivo)
            Profilo.FontTesto = famiglia;
        Profilo.FontScelto = famiglia;
    }
    ImpostaConfigurazioni();
}

void FormConfigura::CommandSceltaColoreFont_Click()
{
    double colore = 0;
    if (!ScegliColore(this, colore))
        return;
    Profilo.ColoreFont = colore;
    QPalette pal = LabelFontSelezionato[0]->palette();
    pal.setColor(QPalette::WindowText, VbColor::toQColor(colore));
    LabelFontSelezionato[0]->setPalette(pal);
}

void FormConfigura::CommandSceltaSfondoTesto_Click()
{
    double colore = 0;
    if (!ScegliColore(this, colore))
        return;
    QPalette pal = LabelFontSelezionato[0]->palette();
    pal.setColor(QPalette::Window, VbColor::toQColor(colore));
    LabelFontSelezionato[0]->setPalette(pal);
    Profilo.ColoreSfondoTesto = colore;
}

void FormConfigura::sceltaColorePulsante(double &voce, QPushButton *pulsante)
{
    double colore = 0;
    if (ScegliColore(this, colore))
        voce = colore;
    pulsante->setStyleSheet(stilePulsante(voce));
}

void FormConfigura::CommandSceltaColoreBottoni_Click()
{
    sceltaColorePulsante(Profilo.ColorePulsanti, CommandSceltaColoreBottoni);
}

void FormConfigura::ScegliColoreSelezionato()
{
    sceltaColorePulsante(Profilo.ColorePulsanteSelezionato, CommandSceltaColoreSelezionato);
}

void FormConfigura::OptionColoreCasualeFisso_Click(int indice)
{
    Profilo.ColoriVari = indice == 0;
    QPalette pal = Pagine[3]->palette();
    pal.setColor(QPalette::Window, VbColor::toQColor(Profilo.ColoriVari ? VbColor::ButtonFace : Profilo.ColoreSfondo));
    Pagine[3]->setPalette(pal);
    CommandSceltaColori->setEnabled(!Profilo.ColoriVari);
}

void FormConfigura::CommandSceltaColori_Click()
{
    double colore = 0;
    if (!ScegliColore(this, colore))
        return;
    Profilo.ColoreSfondo = colore;
    ImpostaConfigurazioni();
}

void FormConfigura::ScegliModoInput(int indice)
{
    Profilo.ModalitaInput = ModoInputDa(indice);
    ImpostaConfigurazioni();
}

void FormConfigura::CambiaVelocitaScansione(int valore)
{
    Profilo.VelocitaScansione = static_cast<qint16>(valore);
    LabelVelocitaScansione->setText(QStringLiteral("Velocità scansione: ") + VbFormat::twoDecimals(valore / 4.0) +
                    QStringLiteral(" secondi"));
}

void FormConfigura::CheckDisabilitaMousePersonalizzato_Click(bool spuntato) { Profilo.CursoreSistema = spuntato; }
