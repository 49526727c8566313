#pragma once
#include <QStringList>
#include <memory>

class QPrinter;
class QWidget;

// The installed printers, replaceable so that tests print to PDF files instead.
class CatalogoStampanti
{
public:
    virtual ~CatalogoStampanti() = default;
    // Names in the order the system lists them.
    virtual QStringList nomi() const;
    // The system's default printer, "" when none is set.
    virtual QString predefinita() const;
    // A printer ready for one print job, its margins the printer's own minimum, so that the
    // printable area is all the printer can reach; nullptr when the printer does not exist or
    // cannot be reached.
    std::unique_ptr<QPrinter> stampante(const QString &nome) const;
    // The printer as the system gives it.
    virtual std::unique_ptr<QPrinter> crea(const QString &nome) const;
    // The printer's own settings (paper, orientation); true when the user confirmed.
    virtual bool proprieta(QWidget *proprietario, QPrinter &stampante);

    static CatalogoStampanti &istanza();
    static void imposta(CatalogoStampanti *catalogo); // nullptr: the system's printers again
};
