#include "FormMenu.h"
#include "CarattereTesto.h"
#include "Attivita.h"
#include "DialoghiComuni.h"
#include "Esercizi.h"
#include "EtichettaPulsante.h"
#include "FormGuida.h"
#include "FormInfo.h"
#include "Immagine.h"
#include "Immagini.h"
#include "Profilo.h"
#include "Puntatore.h"
#include "Schermi.h"
#include "Utenti.h"
#include "configura/FormConfigura.h"
#include "platform/Assistant.h"
#include "platform/PathResolver.h"
#include "platform/ProgramEnd.h"
#include "platform/Services.h"
#include "platform/VbColor.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

namespace {
const QString kDidascaliaEsci = QStringLiteral("\nesci");
const QPoint kPostoEsci(5880, 4320);
const QRect kImmagineEsci(5160, 3960, 735, 1155);
constexpr int kLarghezzaPulsante = 1020;
constexpr int kAltezzaPulsante = 735;
const QColor kSfondoMenu(0x80, 0xFF, 0xFF); // &H00FFFF80&
const QString kMisura = QStringLiteral(" DIFFERENZE  ");
constexpr int kDimensioneMassima = 400;
constexpr int kDimensioneMinima = 6;

} // namespace

ProgramEnd &FormMenu::FineProgramma()
{
    struct ChiudeTutto final : ProgramEnd
    {
        void end() override
        {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *s = qobject_cast<Schermo *>(w))
                    s->chiudi();
                else
                    w->close();
            }
            QCoreApplication::quit();
        }
    };
    static ChiudeTutto fine;
    return fine;
}

FormMenu::FormMenu() : Schermo(Nome, 7230, 5250)
{
    setWindowTitle(QStringLiteral("Zanfroni - menu"));
    coloreSfondo(kSfondoMenu);
    area()->setMouseTracking(true);
    for (const Esercizio &e : Esercizi::elenco())
        creaPulsante(e.didascalia, e.immagine, e.pulsante, e.riquadroImmagine);
    creaPulsante(kDidascaliaEsci, Immagini::Esci, kPostoEsci, kImmagineEsci);

    ComboUtenti = new QComboBox(area());
    ComboUtenti->setFont(QFont(QStringLiteral("Arial"), 8));
    ComboUtenti->hide();
    posiziona(ComboUtenti, QStringLiteral("ComboUtenti"), 5040, 3120, 1815, 330);
    connect(ComboUtenti, &QComboBox::activated, this, &FormMenu::ScegliUtente);

    LabelDimensionaFont = new QLabel(area());
    LabelDimensionaFont->setTextFormat(Qt::PlainText);
    QFont fontMisura(QStringLiteral("Arial"));
    fontMisura.setPointSizeF(14.25);
    LabelDimensionaFont->setFont(fontMisura);
    LabelDimensionaFont->hide();
    posiziona(LabelDimensionaFont, QStringLiteral("LabelDimensionaFont"), 5040, 120, 2085, 330);

    TimerScansione = new QTimer(this);
    TimerScansione->setInterval(100);
    connect(TimerScansione, &QTimer::timeout, this, &FormMenu::TimerScansione_Timer);

    creaMenu();
}

void FormMenu::creaPulsante(const QString &didascalia, const QString &immagine, QPoint posto, QRect riquadroImmagine)
{
    const int i = pulsanti();
    auto *figura = new Immagine(area());
    figura->carica(immagine);
    posiziona(figura, QStringLiteral("ImmaginiMenu_%1").arg(i), riquadroImmagine.x(), riquadroImmagine.y(),
              riquadroImmagine.width(), riquadroImmagine.height());
    connect(figura, &Immagine::clicked, this, [this, i] { ScegliConMouse(i); });
    ImmaginiMenu.push_back(figura);

    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(14.25);
    font.setBold(true);
    auto *pulsante = new EtichettaPulsante(area());
    pulsante->setWordWrap(true);
    pulsante->setFont(font);
    pulsante->setText(didascalia);
    pulsante->setAccessibleName(didascalia.simplified());
    posiziona(pulsante, QStringLiteral("PulsantiMenu_%1").arg(i), posto.x(), posto.y(), kLarghezzaPulsante, kAltezzaPulsante);
    connect(pulsante, &EtichettaPulsante::clicked, this, [this, i] { ScegliConMouse(i); });
    connect(pulsante, &EtichettaPulsante::mouseSopra, this, [this, i] { EvidenziaSottoMouse(i); });
    PulsantiMenu.push_back(pulsante);
    testiPulsanti_ << didascalia;
}

void FormMenu::creaMenu()
{
    QMenuBar *barra = menuBar();
    auto voce = [this](QAction *a, const QString &schermo) {
        connect(a, &QAction::triggered, this, [this, schermo] { Schermi::mostra(schermo, this); });
    };
    voce(barra->addAction(QStringLiteral("Configurazione")), FormConfigura::Nome);
    mnuEserciziEseguiti = barra->addAction(QStringLiteral("Esercizi eseguiti"));
    voce(mnuEserciziEseguiti, SchermoAttivita);
    QMenu *mnuInfo = barra->addMenu(QStringLiteral("Informazioni"));
    connect(mnuInfo->addAction(QStringLiteral("documentazione")), &QAction::triggered, this,
            [this] { ApriDocumento(this, App::Path() + QStringLiteral("\\zanfrone.pdf")); });
    voce(mnuInfo->addAction(QStringLiteral("procedure per la configurazione")), FormGuida::NomeConfigurazione);
    voce(mnuInfo->addAction(QStringLiteral("colori e dimensioni menù")), FormGuida::NomeColoriMenu);
    voce(mnuInfo->addAction(QStringLiteral("about")), FormInfo::Nome);
}

void FormMenu::Form_Activate()
{
    RecuperaUtenti();
    ImpostaUtente();
}

void FormMenu::AvviaEsercizi(int Scelta)
{
    if (Scelta >= 0 && Scelta < esci()) {
        const Esercizio &e = Esercizi::elenco()[Scelta];
        IniziaAttivita(e.attivita); // past row 500 nothing is recorded
        Schermi::mostra(e.schermo, this);
    } else if (Scelta == esci()) {
        TimerScansione->stop();
        SalvaProfilo(); // a failure is announced; the old file stays whole
        Services::current().programEnd->end();
    }
}

bool FormMenu::chiusuraDalSistema()
{
    // Alt+F4 or the window manager ends the program as "esci" does, the profile saved first.
    QTimer::singleShot(0, this, [this] { AvviaEsercizi(esci()); });
    return false;
}

void FormMenu::RecuperaUtenti()
{
    const QSignalBlocker blocco(ComboUtenti);
    ComboUtenti->clear();
    const bool maiuscolo = Profilo.TipoCarattere == Lettere::Maiuscolo;
    int corrente = -1;
    for (const Utente &u : ElencoUtenti()) {
        // The entry shows the name; it carries its own file, which the capitals must not rename.
        ComboUtenti->addItem(maiuscolo ? u.nome.toUpper() : u.nome, u.file);
        if (u.nome == NomeUtente || (corrente < 0 && StessoUtente(u.nome, NomeUtente)))
            corrente = ComboUtenti->count() - 1;
    }
    ComboUtenti->setCurrentIndex(corrente);
    if (corrente >= 0)
        ScegliUtente(); // the same user: saved and loaded again
    ComboUtenti->setVisible(ComboUtenti->count() > 1);
}

void FormMenu::ScegliUtente()
{
    if (ComboUtenti->currentIndex() >= 0)
        CambiaUtente(Utente::delFile(ComboUtenti->currentData().toString()));
}

void FormMenu::CambiaUtente(const Utente &utente)
{
    const QString precedente = NomeUtente;
    SalvaProfilo();
    NomeUtente = utente.nome;
    FileIni = utente.fileIni();
    CaricaProfilo();
    if (!StessoUtente(precedente, NomeUtente)) {
        SvuotaAttivita();
        ImpostaUtente();
    }
}

void FormMenu::ImpostaUtente()
{
    coloreSfondo(Profilo.ColoriVari ? kSfondoMenu : VbColor::toQColor(Profilo.ColoreSfondo));
    modalita_ = Profilo.ModalitaInput;
    const QColor fondo = !ConScansione(modalita_) ? coloreSfondo() : colorePulsante();
    const bool maiuscolo = Profilo.TipoCarattere == Lettere::Maiuscolo;
    for (int i = 0; i < pulsanti(); ++i) {
        EtichettaPulsante *b = PulsantiMenu[i];
        b->setSfondo(fondo);
        b->setSfondoSpento(fondo);
        const QString &testo = testiPulsanti_[i];
        b->setText(maiuscolo ? testo.toUpper() : testo.toLower());
        QFont f = b->font();
        f.setFamily(Profilo.FontTesto);
        b->setFont(f);
        b->setColoreTesto(VbColor::toQColor(Profilo.ColoreFont));
        if (Profilo.CursoreSistema) {
            b->unsetCursor();
            ImmaginiMenu[i]->unsetCursor();
        } else {
            b->setCursor(PuntatoreProgramma());
            ImmaginiMenu[i]->setCursor(PuntatoreProgramma());
        }
    }
    ImpostaFontPulsanti();
    mnuEserciziEseguiti->setEnabled(Profilo.TracciaAttivita);
    ImpostaModalita();
    if (Profilo.ParlatoAttivo)
        Services::current().speech->prepare(); // known to be heard, or not, by the time an exercise opens
}

// The smallest size from 14 up at which "a DIFFERENZE  " in Arial is as wide as a button, then
// smaller again while a caption would not fit its button in the buttons' own font.
void FormMenu::ImpostaFontPulsanti()
{
    LabelDimensionaFont->setText(QStringLiteral("a"));
    QFont misura = LabelDimensionaFont->font();
    int dimensione = 14;
    misura.setPointSize(dimensione);
    LabelDimensionaFont->setText(LabelDimensionaFont->text() + kMisura);
    const int larghezza = PulsantiMenu[0]->width();
    while (dimensione < kDimensioneMassima
           && QFontMetrics(misura).horizontalAdvance(LabelDimensionaFont->text()) < larghezza)
        misura.setPointSize(++dimensione);
    LabelDimensionaFont->setFont(misura);

    auto entranoTutte = [this](int d) {
        for (EtichettaPulsante *b : PulsantiMenu) {
            QFont f = b->font();
            CarattereTesto::ImpostaPunti(f, d);
            if (!CarattereTesto::Entra(f, b->text(), b->contentsRect().size(), b->alignment()))
                return false;
        }
        return true;
    };
    while (dimensione > kDimensioneMinima && !entranoTutte(dimensione))
        --dimensione;
    for (EtichettaPulsante *b : PulsantiMenu) {
        QFont f = b->font();
        CarattereTesto::ImpostaPunti(f, dimensione); // the cursive face as large as the plain one
        b->setFont(f);
    }
    QFont fc = ComboUtenti->font();
    fc.setPointSize(std::max(dimensione - 10, 14));
    ComboUtenti->setFont(fc);
}

QColor FormMenu::coloreEvidenziato() const { return VbColor::toQColor(Profilo.ColorePulsanteSelezionato); }
QColor FormMenu::colorePulsante() const { return VbColor::toQColor(Profilo.ColorePulsanti); }

QStringList FormMenu::didascalie() const
{
    QStringList r;
    for (const EtichettaPulsante *b : PulsantiMenu)
        r << b->text();
    return r;
}

void FormMenu::ScegliConMouse(int Index)
{
    if (!ConScansione(modalita_))
        AvviaEsercizi(Index);
}

bool FormMenu::eventFilter(QObject *watched, QEvent *event)
{
    const bool risposta = Schermo::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        if (watched == area())
            Form_MouseMove();
        for (int i = 0; i < pulsanti(); ++i) {
            if (watched == ImmaginiMenu[i]) {
                EvidenziaSottoMouse(i);
                return true; // a picture counts as its button, not as the background
            }
        }
    } else if (event->type() == QEvent::Resize && watched == area() && attivato()) {
        ImpostaFontPulsanti();
    }
    return risposta;
}
