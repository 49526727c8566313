#include "clsResize.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QVariant>

clsResize::~clsResize() { ControlPositions.clear(); }

void clsResize::SourceForm(QWidget *New_SourceForm) { form_ = New_SourceForm; }

QWidget *clsResize::inner() const
{
    if (auto *main = qobject_cast<QMainWindow *>(form_.data()); main && main->centralWidget())
        return main->centralWidget();
    return form_;
}

void clsResize::Initialise()
{
    QWidget *area = inner();
    if (!area)
        return;
    BaseWidth = area->width();
    BaseHeight = area->height();
    ControlPositions.clear();
    // Only our own controls: the ones the screen placed itself, not the inner parts of Qt's widgets.
    const auto figli = area->findChildren<QWidget *>();
    for (QWidget *w : figli) {
        if (!w->property("controllo").toBool())
            continue;
        const QRect g = w->geometry();
        ControlPositions.push_back({w, g.x(), g.y(), g.width(), g.height()});
    }
    FirstTime = false;
}

void clsResize::SizeFormToScreen(quint8 Percent)
{
    if (!form_)
        return;
    if (FirstTime)
        Initialise();
    const QScreen *screen = form_->screen() ? form_->screen() : QGuiApplication::primaryScreen();
    const QRect schermo = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const int h = int(Percent / 100.0 * schermo.height());
    const int w = int(Percent / 100.0 * schermo.width());
    form_->setGeometry((schermo.width() - w) / 2, (schermo.height() - h) / 2, w, h);
    ResizeControls();
}

void clsResize::ResizeControls()
{
    if (!form_ || (ControlPositions.empty() && !FirstTime))
        return;
    if (form_->isMinimized())
        return;
    if (FirstTime) {
        Initialise();
        return;
    }
    QWidget *area = inner();
    if (!area || BaseWidth <= 0 || BaseHeight <= 0)
        return;
    const double sy = double(area->height()) / BaseHeight;
    const double sx = double(area->width()) / BaseWidth;
    form_->setUpdatesEnabled(false);
    for (const Posizione &p : ControlPositions) {
        QWidget *c = p.controllo;
        if (!c)
            continue; // a control that is gone is passed over
        QString tag = c->property("Tag").toString().toUpper();
        if (!tag.startsWith(QLatin1Char('@')))
            tag = QStringLiteral("@L,T,W,H");
        QRect g = c->geometry();
        if (tag.contains(QLatin1Char('L')))
            g.moveLeft(int(p.left * sx));
        if (tag.contains(QLatin1Char('T')))
            g.moveTop(int(p.top * sy));
        if (tag.contains(QLatin1Char('W')))
            g.setWidth(int(p.width * sx));
        if (tag.contains(QLatin1Char('H')))
            g.setHeight(int(p.height * sy));
        c->setGeometry(g);
    }
    form_->setUpdatesEnabled(true);
}
