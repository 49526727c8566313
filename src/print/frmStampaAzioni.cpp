// What the print dialog's controls do.
#include "AnteprimaStampa.h"
#include "CampoNumerico.h"
#include "frmStampa.h"
#include "platform/Dialogs.h"
#include "platform/PathResolver.h"
#include "shell/Profilo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int FoglioLeft = 1560 / 15, FoglioTop = 240 / 15;
constexpr int BordoLeft = FoglioLeft + 3, BordoTop = FoglioTop + 3;
constexpr int AnteprimaLeft = BordoLeft + 1, AnteprimaTop = BordoTop + 1;
} // namespace

void frmStampa::cboPrinterNames_Click()
{
    stampanteScelta_ = cboPrinterNames->currentText();
    QString nome = stampanteScelta_;
    if (!motore_.ApriStampante(this, nome))
        return; // the sheet and the preview stay as they were
    motore_.LeggiFoglioStampante(g_.FoglioW_mm, g_.FoglioH_mm);
    ImpostaFoglioAnteprima();
}

void frmStampa::cmdProprieta_Click()
{
    motore_.MostraProprietaStampante(this);
    motore_.LeggiFoglioStampante(g_.FoglioW_mm, g_.FoglioH_mm);
    ImpostaFoglioAnteprima();
}

void frmStampa::cmdStampa_Click()
{
    if (motore_.NumeroCopie < 1) {
        MsgBox(this, QStringLiteral("Il numero di copie deve essere da 1 a 100."), TitoliStampa::Errore,
               Dialogs::Exclamation);
        txtNCopies->setFocus();
        txtNCopies->selectAll();
        return;
    }
    const QString stampantePrima = motore_.NomeStampante;
    motore_.NomeStampante = stampanteScelta_;
    QLabel *l = picPreview->lblStampaInCorso;
    l->move((picPreview->width() - l->width()) / 2, (picPreview->height() - l->height()) / 2);
    l->show();
    l->repaint();
    const MotoreStampa::Esito esito = motore_.StampaOggetto(this, sorgente_, g_, titoloStampa_);
    if (esito == MotoreStampa::Esito::Stampato)
        return accept();
    // Cancelled or failed: the dialog stays as it was, for another try or another printer.
    l->hide();
    if (esito == MotoreStampa::Esito::Fallito)
        motore_.NomeStampante = stampantePrima;
}

void frmStampa::cmdOK_Click()
{
    motore_.NomeStampante = stampanteScelta_;
    accept();
}

void frmStampa::cmdChiudi_Click() { reject(); }

void frmStampa::reject()
{
    motore_.NumeroCopie = copieSalvate_;
    motore_.Impostazioni = impostazioniSalvate_;
    TimerLampeggio->stop();
    QDialog::reject();
}

void frmStampa::chkCentro_Click()
{
    const bool libero = !chkCentro->isChecked();
    g_.Centrata = !libero;
    for (QWidget *w : std::initializer_list<QWidget *>{txtPrX, txtPrY, updPrX, updPrY, cmdOrigine})
        w->setEnabled(libero);
    if (!libero)
        AggiornaAnteprima();
}

void frmStampa::chkProporzioni_Click()
{
    if (!chkProporzioni->isChecked())
        return;
    scrivi(txtPrH, g_.AltezzaProporzionale());
    if (g_.StampaW_mm > 1 && g_.StampaH_mm > 1)
        AggiornaAnteprima();
}

void frmStampa::larghezzaCambiata()
{
    if (chkProporzioni->isChecked())
        txtPrH->setText(QString::number(g_.AltezzaProporzionale()));
    if (g_.StampaW_mm > 1 && g_.StampaH_mm > 1)
        AggiornaAnteprima();
}

void frmStampa::altezzaCambiata()
{
    if (chkProporzioni->isChecked())
        txtPrW->setText(QString::number(g_.LarghezzaProporzionale()));
    if (g_.StampaW_mm > 1 && g_.StampaH_mm > 1)
        AggiornaAnteprima();
}

void frmStampa::cmdOrigine_Click()
{
    txtPrX->setText(QStringLiteral("0"));
    txtPrY->setText(QStringLiteral("0"));
    AggiornaAnteprima();
}

void frmStampa::cmdMax_Click()
{
    GeometriaStampa nuova = g_;
    nuova.Massimo(chkProporzioni->isChecked());
    txtPrW->setText(QString::number(nuova.StampaW_mm));
    txtPrH->setText(QString::number(nuova.StampaH_mm));
    txtPrX->setText(QString::number(nuova.StampaX_mm));
    txtPrY->setText(QString::number(nuova.StampaY_mm));
    AggiornaAnteprima();
}

void frmStampa::ImpostaFoglioAnteprima()
{
    lblFgW->setText(QString::number(g_.FoglioW_mm));
    lblFgH->setText(QString::number(g_.FoglioH_mm));
    const QSize foglio = g_.FoglioAnteprima();
    shpFoglio->setGeometry(FoglioLeft, FoglioTop, foglio.width() + 8, foglio.height() + 8);
    shpBordo->setGeometry(BordoLeft, BordoTop, foglio.width() + 2, foglio.height() + 2);
    picPreview->setGeometry(AnteprimaLeft, AnteprimaTop, foglio.width(), foglio.height());
    if (oggettoValido_)
        AggiornaAnteprima();
}

void frmStampa::AggiornaAnteprima()
{
    if (chkCentro->isChecked()) {
        GeometriaStampa centrata = g_;
        centrata.Centra();
        txtPrX->setText(QString::number(centrata.StampaX_mm));
        txtPrY->setText(QString::number(centrata.StampaY_mm));
    }
    const bool fuori = g_.FuoriFoglio();
    lblFuoriFoglio->setVisible(fuori);
    if (fuori && !TimerLampeggio->isActive()) {
        TimerLampeggio->start();
    } else if (!fuori && TimerLampeggio->isActive()) {
        TimerLampeggio->stop();
        rosso_ = false;
        TimerLampeggio_Timer(); // back to red for the next time
    }
    if (!g_.FoglioValido()) {
        picPreview->setRettangolo({});
        return;
    }
    const double kx = double(picPreview->width()) / g_.FoglioW_mm;
    const double ky = double(picPreview->height()) / g_.FoglioH_mm;
    picPreview->setRettangolo(g_.InUnita(kx, ky));
}

void frmStampa::TimerLampeggio_Timer()
{
    rosso_ = !rosso_;
    QPalette pal = lblFuoriFoglio->palette();
    pal.setColor(QPalette::Window, rosso_ ? QColor(Qt::red) : palette().color(QPalette::Button));
    lblFuoriFoglio->setPalette(pal);
}

void frmStampa::SalvaAnteprima()
{
    // The preview as a picture, in the program's settings folder.
    picPreview->grab().save(PathResolver::native(CartellaImpostazioni + QStringLiteral("PicPrev.bmp")), "BMP");
}

bool frmStampa::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblNomeStampante && event->type() == QEvent::MouseButtonDblClick)
        SalvaAnteprima();
    return QDialog::eventFilter(watched, event);
}
