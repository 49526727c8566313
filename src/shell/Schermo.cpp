#include "Schermo.h"
#include "Schermi.h"
#include "TastieraSchermi.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QTimer>

Schermo::Schermo(const QString &nome, int larghezzaTwips, int altezzaTwips, QWidget *parent)
    : QMainWindow(parent, Qt::FramelessWindowHint),
      nome_(nome),
      progetto_(twips(larghezzaTwips), twips(altezzaTwips)),
      area_(new QWidget(this)),
      ridimensiona_(std::make_unique<clsResize>())
{
    setObjectName(nome);
    setAttribute(Qt::WA_DeleteOnClose);
    area_->setObjectName(QStringLiteral("area"));
    area_->setAutoFillBackground(true);
    setCentralWidget(area_);
    area_->resize(progetto_);
    area_->installEventFilter(this);
    TastieraSchermi::istanza().registra(this);
    qApp->installEventFilter(this);
}

Schermo::~Schermo()
{
    qApp->removeEventFilter(this);
    TastieraSchermi::ritira(this);
}

TastiFisici &Schermo::tastiFisici() { return TastieraSchermi::istanza().logica; }

void Schermo::posiziona(QWidget *controllo, const QString &nome, int left, int top, int width, int height)
{
    controllo->setObjectName(nome);
    controllo->setProperty("controllo", true);
    controllo->setGeometry(twips(left), twips(top), twips(width), twips(height));
}

void Schermo::coloreSfondo(const QColor &c)
{
    QPalette pal = area_->palette();
    pal.setColor(QPalette::Window, c);
    area_->setPalette(pal);
}

QColor Schermo::coloreSfondo() const { return area_->palette().color(QPalette::Window); }

void Schermo::apri()
{
    area_->resize(progetto_);
    ridimensiona_->SourceForm(this);
    ridimensiona_->SizeFormToScreen(75);
    // Top left corner, the whole screen (also without a window manager to honour full screen).
    if (const QScreen *s = screen())
        setGeometry(s->geometry());
    showFullScreen();
    raise();
    activateWindow();
    QTimer::singleShot(0, this, [this] {
        if (attivato_)
            return;
        attivato_ = true;
        Form_Activate();
    });
}

void Schermo::chiudi()
{
    chiusoDalProgramma_ = true;
    close();
}

void Schermo::closeEvent(QCloseEvent *event)
{
    if (chiusoDalProgramma_ || chiusuraDalSistema()) {
        chiusoDalProgramma_ = true;
        event->accept();
        return;
    }
    event->ignore();
}

int Schermo::codiceTasto(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return CodiceTasto(Invio);
    case Qt::Key_Space: return CodiceTasto(Spazio);
    case Qt::Key_Left: return CodiceTasto(Sinistra);
    case Qt::Key_Up: return CodiceTasto(Su);
    case Qt::Key_Right: return CodiceTasto(Destra);
    case Qt::Key_Down: return CodiceTasto(Giu);
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab: return 9;
    default:
        if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
            return 112 + (qtKey - Qt::Key_F1);
        if (qtKey >= 0x20 && qtKey <= 0x7E)
            return qtKey;
        return 0;
    }
}

bool Schermo::eventFilter(QObject *watched, QEvent *event)
{
    // Keys are read for every screen at once, by TastieraSchermi.
    if (watched == area_ && event->type() == QEvent::Resize)
        ridimensiona_->ResizeControls();
    // A page or message has closed. Without a window manager nothing gives the keyboard back to
    // what lies below (this screen, or the page that opened it): the shortcuts would wait for a click.
    if (event->type() == QEvent::WindowUnblocked && Schermi::attivo() == this) {
        QWidget *sotto = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : this;
        if (watched == sotto && sotto->isVisible())
            sotto->activateWindow();
    }
    return false;
}
