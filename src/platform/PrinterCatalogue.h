#pragma once
#include <QStringList>
#include <memory>

class QPrinter;
class QWidget;

// The installed printers; tests put printers that write PDF files in their place (Services).
class PrinterCatalogue
{
public:
    virtual ~PrinterCatalogue() = default;
    // Names in the order the system lists them.
    virtual QStringList names() const = 0;
    // The system's default printer, "" when none is set.
    virtual QString defaultName() const = 0;
    // The printer as the system gives it; nullptr when it does not exist or cannot be reached.
    virtual std::unique_ptr<QPrinter> create(const QString &name) const = 0;
    // The printer's own settings (paper, orientation); true when the user confirmed.
    virtual bool properties(QWidget *owner, QPrinter &printer) = 0;

    // A printer ready for one print job, its margins the printer's own minimum, so that the
    // printable area is all the printer can reach; nullptr as for create.
    std::unique_ptr<QPrinter> open(const QString &name) const;

    static PrinterCatalogue &system();
};
