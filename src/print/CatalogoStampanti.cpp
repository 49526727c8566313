#include "CatalogoStampanti.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

QStringList CatalogoStampanti::nomi() const { return QPrinterInfo::availablePrinterNames(); }

QString CatalogoStampanti::predefinita() const { return QPrinterInfo::defaultPrinterName(); }

std::unique_ptr<QPrinter> CatalogoStampanti::crea(const QString &nome) const
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(nome);
    if (nome.isEmpty() || info.isNull())
        return nullptr;
    auto stampante = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!stampante->isValid())
        return nullptr;
    return stampante;
}

std::unique_ptr<QPrinter> CatalogoStampanti::stampante(const QString &nome) const
{
    std::unique_ptr<QPrinter> s = crea(nome);
    if (!s)
        return s;
    s->setFullPage(false);
    const QPageLayout layout = s->pageLayout();
    s->setPageMargins(layout.minimumMargins(), layout.units());
    return s;
}

bool CatalogoStampanti::proprieta(QWidget *proprietario, QPrinter &stampante)
{
    QPageSetupDialog dialogo(&stampante, proprietario);
    dialogo.setWindowTitle(QStringLiteral("Proprietà della stampante"));
    return dialogo.exec() == QDialog::Accepted;
}

namespace {
CatalogoStampanti *corrente = nullptr;
} // namespace

CatalogoStampanti &CatalogoStampanti::istanza()
{
    static CatalogoStampanti sistema;
    return corrente ? *corrente : sistema;
}

void CatalogoStampanti::imposta(CatalogoStampanti *catalogo) { corrente = catalogo; }
