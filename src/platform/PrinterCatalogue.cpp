#include "PrinterCatalogue.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
class SystemPrinters final : public PrinterCatalogue
{
public:
    QStringList names() const override { return QPrinterInfo::availablePrinterNames(); }

    QString defaultName() const override { return QPrinterInfo::defaultPrinterName(); }

    std::unique_ptr<QPrinter> create(const QString &name) const override
    {
        const QPrinterInfo info = QPrinterInfo::printerInfo(name);
        if (name.isEmpty() || info.isNull())
            return nullptr;
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        if (!printer->isValid())
            return nullptr;
        return printer;
    }

    bool properties(QWidget *owner, QPrinter &printer) override
    {
        QPageSetupDialog dialog(&printer, owner);
        dialog.setWindowTitle(QStringLiteral("Proprietà della stampante"));
        return dialog.exec() == QDialog::Accepted;
    }
};
} // namespace

std::unique_ptr<QPrinter> PrinterCatalogue::open(const QString &name) const
{
    std::unique_ptr<QPrinter> printer = create(name);
    if (!printer)
        return printer;
    printer->setFullPage(false);
    const QPageLayout layout = printer->pageLayout();
    printer->setPageMargins(layout.minimumMargins(), layout.units());
    return printer;
}

PrinterCatalogue &PrinterCatalogue::system()
{
    static SystemPrinters printers;
    return printers;
}
