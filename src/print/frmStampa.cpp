#include "frmStampa.h"
#include "AnteprimaStampa.h"
#include "CampoNumerico.h"
#include "RiquadroDisegno.h"
#include "platform/Dialogs.h"
#include "platform/PrinterCatalogue.h"
#include "platform/Services.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {
int px(int twips) { return twips / 15; }
QRect posto(int left, int top, int width, int height) { return QRect(px(left), px(top), px(width), px(height)); }

template <class W> W *crea(QWidget *genitore, const QString &nome, const QRect &dove)
{
    auto *w = new W(genitore);
    w->setObjectName(nome);
    w->setGeometry(dove);
    return w;
}

QLabel *etichetta(QWidget *genitore, const QString &testo, const QRect &dove, const QString &nome = {})
{
    auto *l = crea<QLabel>(genitore, nome, dove);
    l->setTextFormat(Qt::PlainText);
    l->setText(testo);
    return l;
}

QPushButton *pulsante(QWidget *genitore, const QString &nome, const QString &testo, const QRect &dove)
{
    auto *b = crea<QPushButton>(genitore, nome, dove);
    b->setText(testo);
    b->setAutoDefault(false);
    return b;
}

QGroupBox *cornice(QWidget *genitore, const QString &nome, const QString &titolo, const QRect &dove)
{
    auto *g = crea<QGroupBox>(genitore, nome, dove);
    g->setTitle(titolo);
    return g;
}
} // namespace

frmStampa::frmStampa(QWidget *parent) : QDialog(parent), motore_(MotoreStampa::istanza())
{
    setObjectName(QStringLiteral("frmStampa"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    QFont f = font();
    f.setPointSizeF(8.25);
    setFont(f);
    setFixedSize(px(5640), px(6615));
    costruisci();
}

frmStampa::~frmStampa() = default;

CampoNumerico *frmStampa::campo(QWidget *frame, const QString &nome, int left, int top, int minimo, int massimo,
                               SuGiu **su)
{
    auto *c = crea<CampoNumerico>(frame, QStringLiteral("txt") + nome, posto(left, top, 705, 285));
    *su = new SuGiu(c, minimo, massimo, frame);
    (*su)->setObjectName(QStringLiteral("upd") + nome);
    (*su)->setGeometry(c->x() + c->width(), c->y(), px(255), c->height());
    return c;
}

void frmStampa::costruisci()
{
    QGroupBox *FrameStampante = cornice(this, QStringLiteral("FrameStampante"), QStringLiteral("Stampante"),
                                        posto(120, 120, 5295, 1095));
    lblNomeStampante = etichetta(FrameStampante, QStringLiteral("Nome:"), posto(120, 540, 615, 315), QStringLiteral("lblNomeStampante"));
    lblNomeStampante->installEventFilter(this);
    cboPrinterNames = crea<QComboBox>(FrameStampante, QStringLiteral("cboPrinterNames"), posto(720, 480, 3255, 315));
    cmdProprieta = pulsante(FrameStampante, QStringLiteral("cmdProprieta"), QStringLiteral("&Proprieta'"), posto(4080, 480, 1095, 315));

    QFont grassetto = font();
    grassetto.setBold(true);
    cmdStampa = pulsante(this, QStringLiteral("cmdStampa"), QStringLiteral("&Stampa"), posto(4080, 1920, 1335, 495));
    QFont grande = grassetto;
    grande.setPointSizeF(9.75);
    cmdStampa->setFont(grande);
    cmdOK = pulsante(this, QStringLiteral("cmdOK"), QStringLiteral("&OK"), posto(4080, 1920, 1335, 435));
    cmdOK->setFont(grassetto);
    lblLblNCopie = etichetta(this, QStringLiteral("N. di copie:"), posto(4200, 2580, 1095, 255), QStringLiteral("lblLblNCopie"));
    txtNCopies = crea<CampoNumerico>(this, QStringLiteral("txtNCopies"), posto(4200, 2810, 945, 285));
    updNCopies = new SuGiu(txtNCopies, 1, 100, this);
    updNCopies->setObjectName(QStringLiteral("updNCopies"));
    updNCopies->setGeometry(txtNCopies->x() + txtNCopies->width(), txtNCopies->y(), px(255), txtNCopies->height());
    imgPrinter = crea<FiguraStampante>(this, QStringLiteral("imgPrinter"), posto(4140, 2460, 1215, 1065));

    QGroupBox *FrameFoglio = cornice(this, QStringLiteral("FrameFoglio"), QStringLiteral("Foglio"), posto(120, 1320, 3735, 2415));
    etichetta(FrameFoglio, QStringLiteral("Larghezza:"), posto(120, 360, 1335, 255));
    lblFgW = etichetta(FrameFoglio, {}, posto(120, 600, 900, 255), QStringLiteral("lblFgW"));
    lblFgW->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    etichetta(FrameFoglio, QStringLiteral("[mm]"), posto(1080, 600, 450, 255));
    etichetta(FrameFoglio, QStringLiteral("Altezza:"), posto(120, 1080, 1335, 255));
    lblFgH = etichetta(FrameFoglio, {}, posto(120, 1320, 900, 255), QStringLiteral("lblFgH"));
    lblFgH->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    etichetta(FrameFoglio, QStringLiteral("[mm]"), posto(1080, 1320, 450, 255));
    shpFoglio = crea<QFrame>(FrameFoglio, QStringLiteral("shpFoglio"), posto(1560, 240, 2055, 2055));
    shpFoglio->setFrameStyle(QFrame::Box | QFrame::Plain);
    shpFoglio->setAutoFillBackground(true);
    QPalette carta = shpFoglio->palette();
    carta.setColor(QPalette::Window, QColor(0xF4, 0xF4, 0xF4));
    shpFoglio->setPalette(carta);
    shpBordo = crea<QFrame>(FrameFoglio, QStringLiteral("shpBordo"), posto(1665, 345, 1845, 1845));
    shpBordo->setFrameStyle(QFrame::Box | QFrame::Plain);
    picPreview = crea<AnteprimaStampa>(FrameFoglio, QStringLiteral("picPreview"), posto(1680, 360, 1815, 1815));
    picPreview->setSorgente(&sorgente_);
    lblFuoriFoglio = etichetta(FrameFoglio, QStringLiteral("Stampa fuori foglio"), posto(120, 1800, 855, 495),
                               QStringLiteral("lblFuoriFoglio"));
    lblFuoriFoglio->setAlignment(Qt::AlignCenter);
    lblFuoriFoglio->setWordWrap(true);
    QFont piccolo = font();
    piccolo.setPointSizeF(7.5);
    lblFuoriFoglio->setFont(piccolo);
    lblFuoriFoglio->setAutoFillBackground(true);
    QPalette rosso = lblFuoriFoglio->palette();
    rosso.setColor(QPalette::Window, Qt::red);
    lblFuoriFoglio->setPalette(rosso);
    lblFuoriFoglio->hide();
    TimerLampeggio = new QTimer(this);
    TimerLampeggio->setObjectName(QStringLiteral("TimerLampeggio"));
    TimerLampeggio->setInterval(500);
    connect(TimerLampeggio, &QTimer::timeout, this, &frmStampa::TimerLampeggio_Timer);

    QGroupBox *FrameMargini = cornice(this, QStringLiteral("FrameMargini"), QStringLiteral("Margini Stampa [mm]"),
                                      posto(120, 3840, 2535, 1695));
    etichetta(FrameMargini, QStringLiteral("Sinistro:"), posto(60, 375, 900, 255));
    txtPrX = campo(FrameMargini, QStringLiteral("PrX"), 960, 360, -2000, 2000, &updPrX);
    etichetta(FrameMargini, QStringLiteral("Superiore:"), posto(60, 855, 900, 255));
    txtPrY = campo(FrameMargini, QStringLiteral("PrY"), 960, 840, -2000, 2000, &updPrY);
    cmdOrigine = pulsante(FrameMargini, QStringLiteral("cmdOrigine"), QStringLiteral("&0\n/\n0"), posto(2040, 360, 255, 795));
    cmdOrigine->setToolTip(QStringLiteral("Imposta i margini a 0"));
    chkCentro = crea<QCheckBox>(FrameMargini, QStringLiteral("chkCentro"), posto(240, 1320, 1800, 255));
    chkCentro->setText(QStringLiteral("Stampa &al centro"));

    QGroupBox *FrameDimensioni = cornice(this, QStringLiteral("FrameDimensioni"), QStringLiteral("Dimensioni Stampa [mm]"),
                                         posto(2880, 3840, 2535, 1695));
    etichetta(FrameDimensioni, QStringLiteral("Larghezza:"), posto(60, 375, 900, 255));
    txtPrW = campo(FrameDimensioni, QStringLiteral("PrW"), 960, 360, 2, 2000, &updPrW);
    etichetta(FrameDimensioni, QStringLiteral("Altezza:"), posto(60, 855, 900, 255));
    txtPrH = campo(FrameDimensioni, QStringLiteral("PrH"), 960, 840, 2, 2000, &updPrH);
    cmdMax = pulsante(FrameDimensioni, QStringLiteral("cmdMax"), QStringLiteral("M\na\n&x"), posto(2040, 360, 255, 795));
    cmdMax->setToolTip(QStringLiteral("Usa tutto il foglio"));
    chkProporzioni = crea<QCheckBox>(FrameDimensioni, QStringLiteral("chkProporzioni"), posto(240, 1320, 2200, 255));
    chkProporzioni->setText(QStringLiteral("&Mantieni proporzioni"));
    chkProporzioni->setChecked(true);

    cmdChiudi = pulsante(this, QStringLiteral("cmdChiudi"), QStringLiteral("&Chiudi"), posto(3480, 5760, 1935, 555));

    // The fields' change rules, then what keys and arrows do.
    connect(txtNCopies, &QLineEdit::textChanged, this, [this] {
        if (txtNCopies->valore() > 100)
            return scrivi(txtNCopies, 100); // no more copies than the arrows allow
        // An empty field means one copy; 0 stays 0 and is refused at "Stampa".
        motore_.NumeroCopie = txtNCopies->text().trimmed().isEmpty() ? 1 : GeometriaStampa::Arrotonda(txtNCopies->valore());
    });
    auto margine = [this](CampoNumerico *c, int GeometriaStampa::*campo) {
        connect(c, &QLineEdit::textChanged, this, [this, c, campo] {
            const double v = c->valore();
            if (v < -2000 || v > 2000)
                return scrivi(c, GeometriaStampa::LimitaMargine(v));
            g_.*campo = GeometriaStampa::Arrotonda(v);
        });
    };
    margine(txtPrX, &GeometriaStampa::StampaX_mm);
    margine(txtPrY, &GeometriaStampa::StampaY_mm);
    auto dimensione = [this](CampoNumerico *c, int GeometriaStampa::*campo) {
        connect(c, &QLineEdit::textChanged, this, [this, c, campo] {
            const double v = c->valore();
            if (v < 1 || v > 2000 || c->text().isEmpty())
                return scrivi(c, GeometriaStampa::LimitaDimensione(v));
            g_.*campo = GeometriaStampa::Arrotonda(v);
        });
    };
    dimensione(txtPrW, &GeometriaStampa::StampaW_mm);
    dimensione(txtPrH, &GeometriaStampa::StampaH_mm);
    for (CampoNumerico *c : {txtPrX, txtPrY})
        connect(c, &CampoNumerico::tastoRilasciato, this, &frmStampa::AggiornaAnteprima);
    for (SuGiu *s : {updPrX, updPrY})
        connect(s, &SuGiu::mosso, this, &frmStampa::AggiornaAnteprima);
    connect(txtPrW, &CampoNumerico::tastoRilasciato, this, &frmStampa::larghezzaCambiata);
    connect(updPrW, &SuGiu::mosso, this, &frmStampa::larghezzaCambiata);
    connect(txtPrH, &CampoNumerico::tastoRilasciato, this, &frmStampa::altezzaCambiata);
    connect(updPrH, &SuGiu::mosso, this, &frmStampa::altezzaCambiata);

    connect(cboPrinterNames, &QComboBox::activated, this, &frmStampa::cboPrinterNames_Click);
    connect(cmdProprieta, &QPushButton::clicked, this, &frmStampa::cmdProprieta_Click);
    connect(cmdStampa, &QPushButton::clicked, this, &frmStampa::cmdStampa_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmStampa::cmdOK_Click);
    connect(cmdChiudi, &QPushButton::clicked, this, &frmStampa::cmdChiudi_Click);
    connect(cmdOrigine, &QPushButton::clicked, this, &frmStampa::cmdOrigine_Click);
    connect(cmdMax, &QPushButton::clicked, this, &frmStampa::cmdMax_Click);
    connect(chkCentro, &QCheckBox::clicked, this, &frmStampa::chkCentro_Click);
    connect(chkProporzioni, &QCheckBox::clicked, this, &frmStampa::chkProporzioni_Click);
}

void frmStampa::scrivi(CampoNumerico *c, int valore)
{
    c->setText(QString::number(valore));
    c->selectAll(); // what is typed next replaces the corrected value
}

bool frmStampa::prepara(QObject *VSrc, int DocX_mm, int DocY_mm, int DocW_mm, std::optional<double> DocH_mm,
                        std::optional<int> VOrien, std::optional<QString> VTitolo)
{
    oggettoValido_ = false;
    if (motore_.NomeStampante.isEmpty() && !motore_.ApriStampante(parentWidget(), motore_.NomeStampante))
        return false;
    if (VSrc) {
        auto *widget = qobject_cast<QWidget *>(VSrc);
        auto *riquadro = qobject_cast<RiquadroDisegno *>(VSrc);
        if (!riquadro && !(widget && widget->isWindow())) {
            const QString chi = widget ? QStringLiteral("Stampa di ") + VSrc->objectName() + QStringLiteral("\n\n") : QString();
            MsgBox(this, chi + QStringLiteral("L' oggetto da stampare\ne' di tipo errato."), TitoliStampa::Errore,
                   Dialogs::Critical);
            return false;
        }
        // A missing or empty size has no proportion to keep.
        if (!DocH_mm || *DocH_mm <= 0 || DocW_mm <= 0) {
            MsgBox(this, QStringLiteral("Parametri errati."), TitoliStampa::Errore, Dialogs::Critical);
            return false;
        }
        sorgente_ = riquadro ? SorgenteStampa::daRiquadro(riquadro) : SorgenteStampa::daSchermo(widget);
        if (!sorgente_.valida()) {
            MsgBox(this, QStringLiteral("Si e' verificata una condizione\ninaspettata elaborando l' immagine."),
                   TitoliStampa::Errore, Dialogs::Critical);
            return false;
        }
        oggettoValido_ = true;
        // The caller's margins and width stand; the height follows the picture's own shape.
        g_.Proporzione = sorgente_.proporzione();
        txtPrX->setText(QString::number(DocX_mm));
        txtPrY->setText(QString::number(DocY_mm));
        txtPrW->setText(QString::number(DocW_mm));
        txtPrH->setText(QString::number(g_.AltezzaProporzionale()));
        titoloStampa_ = VTitolo ? *VTitolo : VSrc->objectName();
    }
    orientamentoRichiesto_ = VOrien.value_or(0);
    apertura();
    return true;
}

void frmStampa::apertura()
{
    cmdOK->setVisible(!oggettoValido_);
    imgPrinter->setVisible(!oggettoValido_);
    for (QWidget *w : std::initializer_list<QWidget *>{cmdStampa, lblLblNCopie, txtNCopies, updNCopies})
        w->setVisible(oggettoValido_);
    if (const QScreen *s = (parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen()))
        move(s->geometry().x() + (s->geometry().width() - width()) / 2,
             s->geometry().y() + (s->geometry().height() - height()) / 2);

    impostazioniSalvate_ = motore_.Impostazioni;
    if (orientamentoRichiesto_ == 1 || orientamentoRichiesto_ == 2)
        motore_.Impostazioni.orientamento = orientamentoRichiesto_;

    const QStringList nomi = Services::current().printers->names();
    cboPrinterNames->clear();
    cboPrinterNames->addItems(nomi);
    const int scelta = int(nomi.lastIndexOf(motore_.NomeStampante));
    cboPrinterNames->setCurrentIndex(scelta >= 0 ? scelta : 0);
    if (cboPrinterNames->count() > 0)
        cboPrinterNames_Click();

    copieSalvate_ = motore_.NumeroCopie;
    txtNCopies->setText(QString::number(motore_.NumeroCopie == 0 ? 1 : motore_.NumeroCopie));

    if (oggettoValido_) {
        setWindowTitle(QStringLiteral("  Stampa zanfrone ") + titoloStampa_);
        cmdStampa->setDefault(true);
        cmdStampa->setFocus();
    } else {
        setWindowTitle(QStringLiteral("  Impostazioni stampante"));
        cmdOK->setDefault(true);
        cmdOK->setFocus();
    }
}

void StampaFPB(QObject *VSrc, int DocX_mm, int DocY_mm, int DocW_mm, std::optional<double> DocH_mm,
               std::optional<int> VOrien, std::optional<QString> VTitolo)
{
    QWidget *sopra = qobject_cast<QWidget *>(VSrc) ? qobject_cast<QWidget *>(VSrc)->window() : QApplication::activeWindow();
    frmStampa dialogo(sopra);
    if (dialogo.prepara(VSrc, DocX_mm, DocY_mm, DocW_mm, DocH_mm, VOrien, VTitolo))
        dialogo.exec();
}
