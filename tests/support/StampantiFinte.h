#pragma once
#include "platform/PrinterCatalogue.h"
#include "print/MotoreStampa.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <optional>

// Printers that write PDF files: each job one file "<printer>-<n>.pdf" in `uscita`, A4 that the
// printer reaches up to 5 mm from the edge (a printable area of 200 x 287 mm). The printer
// settings dialog answers from `proprieta*`.
class StampantiFinte : public PrinterCatalogue
{
public:
    QStringList stampanti{QStringLiteral("Ufficio"), QStringLiteral("Aula")};
    QString predefinitaNome = QStringLiteral("Aula");
    bool confermaProprieta = true;
    QPageLayout::Orientation orientamentoProprieta = QPageLayout::Portrait;
    std::optional<double> margineProprieta; // mm all round, chosen in the settings dialog
    int chiamateProprieta = 0;
    QTemporaryDir cartella;
    QString uscita = cartella.path();

    // The print engine keeps its printer from one print to the next: each test starts afresh.
    StampantiFinte() { MotoreStampa::istanza().azzera(); }
    ~StampantiFinte() override { MotoreStampa::istanza().azzera(); }

    QStringList names() const override { return stampanti; }
    QString defaultName() const override { return predefinitaNome; }
    std::unique_ptr<QPrinter> create(const QString &nome) const override
    {
        if (!stampanti.contains(nome))
            return nullptr;
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setResolution(300);
        p->setFullPage(false);
        p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Millimeter, QMarginsF(5, 5, 5, 5)));
        p->setOutputFileName(QDir(uscita).filePath(QStringLiteral("%1-%2.pdf").arg(nome).arg(++creati_)));
        return p;
    }
    bool properties(QWidget *, QPrinter &stampante) override
    {
        ++chiamateProprieta;
        if (confermaProprieta) {
            stampante.setPageOrientation(orientamentoProprieta);
            if (margineProprieta) {
                const double m = *margineProprieta;
                stampante.setPageMargins(QMarginsF(m, m, m, m), QPageLayout::Millimeter);
            }
        }
        return confermaProprieta;
    }
    // The PDF files written, oldest first.
    QStringList lavori() const
    {
        QStringList l;
        for (const QFileInfo &f : QDir(cartella.path()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed))
            l << f.absoluteFilePath();
        return l;
    }

private:
    mutable int creati_ = 0;
};
