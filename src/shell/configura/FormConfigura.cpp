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

    Label4 = new QLabel(area());
    Label4->setTextFormat(Qt::PlainText); // the user's name as typed
    QFont f4(QStringLiteral("Arial"));
    f4.setPointSizeF(15.75);
    Label4->setFont(f4);
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setFrameShape(QFrame::Box);
    sfondo(Label4, Qt::white);
    posiziona(Label4, QStringLiteral("Label4"), 960, 360, 7695, 615);

    // The strip: its tabs above, a panel below; the page frames lie over the panel.
    auto *striscia = new QWidget(area());
    auto *colonna = new QVBoxLayout(striscia);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->setSpacing(0);
    TabStrip1 = new QTabBar(striscia);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1Schede"));
    TabStrip1->setExpanding(false);
    TabStrip1->setDrawBase(false);
    for (const char *t : kTitoliSchede)
        TabStrip1->addTab(QString::fromUtf8(t));
    auto *corpo = new QFrame(striscia);
    corpo->setFrameShape(QFrame::StyledPanel);
    colonna->addWidget(TabStrip1);
    colonna->addWidget(corpo, 1);
    posiziona(striscia, QStringLiteral("TabStrip1"), 120, 1200, 9975, 7575);
    connect(TabStrip1, &QTabBar::currentChanged, this, &FormConfigura::TabStrip1_Click);

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
    Text1->setText(QStringLiteral("Questa è la mia voce."));
    Label4->setText(NomeUtente);
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
    for (QFrame *f : Frame)
        f->hide();
}

void FormConfigura::mostraPagina(int indice)
{
    Frame[indice]->show();
    Frame[indice]->raise();
}

void FormConfigura::TabStrip1_Click(int indice)
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
    Check2->setChecked(p.ParlatoAttivo);
    ChkFumetto->setChecked(p.FumettoVisibile);
    assistente_->setBalloonStyle(p.FumettoVisibile ? (assistente_->BalloonStyle() | 1) : (assistente_->BalloonStyle() & ~1));
    {
        const QSignalBlocker b1(HScroll1), b2(HScroll2), b3(HScroll3);
        HScroll1->setValue(p.VelocitaVoce);
        HScroll2->setValue(p.TonoVoce);
        HScroll3->setValue(p.VelocitaScansione);
    }
    Label5->setText(QStringLiteral("Velocità = ") + VbFormat::str(p.VelocitaVoce));
    Label2->setText(QStringLiteral("tono = ") + VbFormat::str(p.TonoVoce));
    CheckContieneTesto->setChecked(p.FumettoTuttoTesto);
    assistente_->setBalloonStyle(p.FumettoTuttoTesto ? (assistente_->BalloonStyle() | 2) : (assistente_->BalloonStyle() & ~2));
    CheckSuoni->setChecked(p.SuoniAttivi);

    for (QWidget *w : {static_cast<QWidget *>(CommandProvaVoce), static_cast<QWidget *>(HScroll1),
                       static_cast<QWidget *>(HScroll2), static_cast<QWidget *>(ChkFumetto),
                       static_cast<QWidget *>(CheckContieneTesto), static_cast<QWidget *>(CommandFontFumetto)})
        w->setEnabled(p.ParlatoAttivo);
    if (p.ParlatoAttivo && !p.FumettoVisibile)
        CheckContieneTesto->setEnabled(false);

    Check1->setChecked(p.PassaggioLivelli);
    CheckSalvaUtente->setChecked(p.TracciaAttivita);

    const QColor sfondoSchermi = VbColor::toQColor(p.ColoreSfondo);
    sfondo(Frame[1], sfondoSchermi);
    for (QRadioButton *o : Option2)
        sfondo(o, sfondoSchermi);
    for (int i = 0; i < kColoriTavolozza; ++i)
        CasellaColorata[i]->setColore(VbColor::toQColor(VbColor::fromBgrLiteral(Tavolozza[i])));
    Command1->setStyleSheet(stilePulsante(p.ColorePulsanteSelezionato));

    CommandSceltaColoreBottoni->setStyleSheet(stilePulsante(p.ColorePulsanti));

    OptionColoreCasualeFisso[p.ColoriVari ? 0 : 1]->setChecked(true);
    sfondo(Frame[3], VbColor::toQColor(p.ColoriVari ? VbColor::ButtonFace : p.ColoreSfondo));
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
    Option4[NumeroModoInput(p.ModalitaInput)]->setChecked(true);
    const bool automatica = p.ModalitaInput == ModoInput::ScansioneAutomatica;
    HScroll3->setVisible(automatica);
    Label7->setVisible(automatica);
    CheckDisabilitaMousePersonalizzato->setVisible(!ConScansione(p.ModalitaInput));
    if (automatica)
        Label7->setText(QStringLiteral("Velocità scansione: ") + VbFormat::twoDecimals(p.VelocitaScansione / 4.0) +
                        QStringLiteral(" secondi"));
}
