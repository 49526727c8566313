#include "FormConfigura.h"
#include "shell/CarattereTesto.h"
#include "shell/FormMenu.h"
#include "shell/Personaggio.h"
#include "CasellaColore.h"
#include "shell/Profilo.h"
#include "shell/Schermi.h"
#include "shell/Tavolozza.h"
#include "platform/Assistant.h"
#include "platform/Services.h"
#include "platform/VbColor.h"
#include "platform/VbFormat.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const char *const kTitoliSchede[6] = {"Giocatori",   "Colori zanfroni", "Scelte didattiche",
                                      "Font e colori", "Suoni e voce",  "Modalità di input"};
const char *const kNomiFrame[6] = {"FrameUtente", "FrameZanfroni", "FrameScelteDid",
                                   "FrameFonts",  "FrameSuoni",    "FramePunt"};

void sfondo(QWidget *w, const QColor &c)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, c);
    pal.setColor(w->backgroundRole(), c);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

} // namespace

// A button painted in a profile colour, its caption readable on it.
QString FormConfigura::stilePulsante(double colore)
{
    return QStringLiteral("background-color:%1; color:%2;")
        .arg(VbColor::styleColor(colore),
             VbColor::toQColor(colore).lightness() < 128 ? QStringLiteral("white") : QStringLiteral("black"));
}

FormConfigura::FormConfigura() : Schermo(Nome, 10950, 9345)
{
    setFont(QFont(QStringLiteral("Arial"), 11));
    QAction *esci = menuBar()->addAction(QStringLiteral("&Esci"));
    esci->setObjectName(QStringLiteral("mnuesci"));
    connect(esci, &QAction::triggered, this, &FormConfigura::mnuesci_Click);

    LabelUtente = new QLabel(area());
    LabelUtente->setTextFormat(Qt::PlainText); // the user's name as typed
    QFont f4(QStringLiteral("Arial"));
    f4.setPointSizeF(15.75);
    LabelUtente->setFont(f4);
    LabelUtente->setAlignment(Qt::AlignCenter);
    LabelUtente->setFrameShape(QFrame::Box);
    sfondo(LabelUtente, Qt::white);
    posiziona(LabelUtente, QStringLiteral("LabelUtente"), 960, 360, 7695, 615);

    // The strip: its tabs above, a panel below; the page frames lie over the panel.
    auto *striscia = new QWidget(area());
    auto *colonna = new QVBoxLayout(striscia);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    TabSchede = new QTabBar(striscia);
    TabSchede->setObjectName(QStringLiteral("TabSchede"));
    TabSchede->setExpanding(false);
    TabSchede->setDrawBase(false);
    for (const char *t : kTitoliSchede)
        TabSchede->addTab(QString::fromUtf8(t));
    auto *corpo = new QFrame(striscia);
    corpo->setFrameShape(QFrame::StyledPanel);
    colonna->addWidget(TabSchede);
    colonna->addWidget(corpo, 1);
    posiziona(striscia, QStringLiteral("StrisciaSchede"), 120, 1200, 9975, 7575);
    connect(TabSchede, &QTabBar::currentChanged, this, &FormConfigura::CambiaScheda);

    costruisciPaginaUtenti();
    costruisciPaginaZanfroni();
    costruisciPaginaScelte();
    costruisciPaginaFont();
    costruisciPaginaSuoni();
    costruisciPaginaInput();

    CaricaAssistente();
}

FormConfigura::~FormConfigura()
{
    // The name field loses the focus while the children go: nothing may be judged by then.
    TextNuovoUtente->disconnect(this);
    if (assistente_)
        assistente_->StopAll();
    delete assistente_;
}

QScrollBar *FormConfigura::nuovaBarra(QWidget *pagina, const QString &nome, int minimo, int massimo,
                                      int passoPagina, int left, int top, int width,
                                      void (FormConfigura::*cambiato)(int))
{
    auto *barra = new QScrollBar(Qt::Horizontal, pagina);
    barra->setRange(minimo, massimo);
    barra->setSingleStep(1);
    barra->setPageStep(passoPagina);
    posiziona(barra, nome, left, top, width, 300);
    connect(barra, &QScrollBar::valueChanged, this, cambiato);
    return barra;
}

QFrame *FormConfigura::nuovaPagina(const QString &nome)
{
    auto *pagina = new QFrame(area());
    pagina->setAutoFillBackground(true);
    posiziona(pagina, nome, 240, 1680, 9735, 6975);
    return pagina;
}

void FormConfigura::Form_Activate()
{
    Profilo.limitaValori();
    Services::current().speech->prepare(); // the voice list is ready by the time page 5 is chosen
    ImpostaAssistente();
    TextProvaVoce->setText(QStringLiteral("Questa è la mia voce."));
    LabelUtente->setText(NomeUtente);
    NascondiFrame();
    ImpostaConfigurazioni();
    mostraPagina(0);
}

bool FormConfigura::chiusuraDalSistema()
{
    // Closing from the system leaves as "Esci" does: the profile is saved and the menu comes back.
    QTimer::singleShot(0, this, &FormConfigura::mnuesci_Click);
    return false;
}

void FormConfigura::CaricaAssistente()
{
    if (assistente_)
        assistente_->StopAll();
    delete assistente_;
    assistente_ = CaricaPersonaggio(this);
}

void FormConfigura::ImpostaAssistente()
{
    ImpostaPersonaggio(*assistente_);
}

void FormConfigura::NascondiFrame()
{
    for (QFrame *f : Pagine)
        f->hide();
}

void FormConfigura::mostraPagina(int indice)
{
    Pagine[indice]->show();
    Pagine[indice]->raise();
}

void FormConfigura::CambiaScheda(int indice)
{
    if (indice < 0 || indice > 5)
        return;
    // A new user's name is settled before the page changes.
    if (!TextNuovoUtente->isHidden())
        ConfermaNuovoUtente();
    assistente_->Hide();
    NascondiFrame();
    mostraPagina(indice);
    if (indice == 1) {
        PreparaZanfrone();
    } else if (indice == 4) {
        ImpostaVoce();
        collocaAssistente();
        assistente_->Show();
    }
}

void FormConfigura::mnuesci_Click()
{
    if (!TextNuovoUtente->isHidden() && !ConfermaNuovoUtente())
        return;
    // A failed save has been reported; the settings stay in memory for the menu's own save.
    SalvaProfilo();
    Schermi::mostra(FormMenu::Nome, this);
}

void FormConfigura::ImpostaConfigurazioni()
{
    const ProfiloUtente &p = Profilo;
    CheckParlato->setChecked(p.ParlatoAttivo);
    ChkFumetto->setChecked(p.FumettoVisibile);
    assistente_->setBalloonStyle(p.FumettoVisibile ? (assistente_->BalloonStyle() | 1) : (assistente_->BalloonStyle() & ~1));
    {
        const QSignalBlocker b1(HScrollVelocitaVoce), b2(HScrollTonoVoce), b3(HScrollVelocitaScansione);
        HScrollVelocitaVoce->setValue(p.VelocitaVoce);
        HScrollTonoVoce->setValue(p.TonoVoce);
        HScrollVelocitaScansione->setValue(p.VelocitaScansione);
    }
    LabelVelocitaVoce->setText(QStringLiteral("Velocità = ") + VbFormat::str(p.VelocitaVoce));
    LabelTonoVoce->setText(QStringLiteral("tono = ") + VbFormat::str(p.TonoVoce));
    CheckContieneTesto->setChecked(p.FumettoTuttoTesto);
    assistente_->setBalloonStyle(p.FumettoTuttoTesto ? (assistente_->BalloonStyle() | 2) : (assistente_->BalloonStyle() & ~2));
    CheckSuoni->setChecked(p.SuoniAttivi);

    for (QWidget *w : {static_cast<QWidget *>(CommandProvaVoce), static_cast<QWidget *>(HScrollVelocitaVoce),
                       static_cast<QWidget *>(HScrollTonoVoce), static_cast<QWidget *>(ChkFumetto),
                       static_cast<QWidget *>(CheckContieneTesto), static_cast<QWidget *>(CommandFontFumetto)})
        w->setEnabled(p.ParlatoAttivo);
    if (p.ParlatoAttivo && !p.FumettoVisibile)
        CheckContieneTesto->setEnabled(false);

    CheckPassaggioLivelli->setChecked(p.PassaggioLivelli);
    CheckSalvaUtente->setChecked(p.TracciaAttivita);

    const QColor sfondoSchermi = VbColor::toQColor(p.ColoreSfondo);
    sfondo(Pagine[1], sfondoSchermi);
    for (QRadioButton *o : OptionRigaColori)
        sfondo(o, sfondoSchermi);
    for (int i = 0; i < kColoriTavolozza; ++i)
        CasellaColorata[i]->setColore(VbColor::toQColor(VbColor::fromBgrLiteral(Tavolozza[i])));
    CommandSceltaColoreSelezionato->setStyleSheet(stilePulsante(p.ColorePulsanteSelezionato));

    CommandSceltaColoreBottoni->setStyleSheet(stilePulsante(p.ColorePulsanti));

    OptionColoreCasualeFisso[p.ColoriVari ? 0 : 1]->setChecked(true);
    sfondo(Pagine[3], VbColor::toQColor(p.ColoriVari ? VbColor::ButtonFace : p.ColoreSfondo));
    CommandSceltaColori->setEnabled(!p.ColoriVari);

    switch (p.TipoCarattere.lettere()) {
    case Lettere::Maiuscolo: maiuscolo->setChecked(true); break;
    case Lettere::Minuscolo: minuscolo->setChecked(true); break;
    case Lettere::Corsivo: corsivo->setChecked(true); break;
    case Lettere::Sconosciuto: break;
    }

    CheckSuoni->setChecked(p.SuoniAttivi);
    CheckDisabilitaMousePersonalizzato->setChecked(p.CursoreSistema);

    const QString esempio = QStringLiteral("Esempio di font e colore del testo");
    for (QLabel *campione : LabelFontSelezionato) {
        campione->setFont(CarattereTesto::Crea(p.FontTesto, p.DimensioneFontTesto));
        QPalette pal = campione->palette();
        pal.setColor(QPalette::WindowText, VbColor::toQColor(p.ColoreFont));
        campione->setPalette(pal);
        campione->setText(p.TipoCarattere == Lettere::Maiuscolo ? esempio.toUpper() : esempio.toLower());
    }

    // The mode of a user chosen while the screen is open is shown too.
    OptionModoInput[NumeroModoInput(p.ModalitaInput)]->setChecked(true);
    const bool automatica = p.ModalitaInput == ModoInput::ScansioneAutomatica;
    HScrollVelocitaScansione->setVisible(automatica);
    LabelVelocitaScansione->setVisible(automatica);
    CheckDisabilitaMousePersonalizzato->setVisible(!ConScansione(p.ModalitaInput));
    if (automatica)
        LabelVelocitaScansione->setText(QStringLiteral("Velocità scansione: ") + VbFormat::twoDecimals(p.VelocitaScansione / 4.0) +
                        QStringLiteral(" secondi"));
}
