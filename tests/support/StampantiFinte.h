#pragma once
#include "print/CatalogoStampanti.h"
#include "print/MotoreStampa.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>

// Printers that write PDF files: each job one file "<printer>-<n>.pdf", A4 with 5 mm margins
// (a printable area of 200 x 287 mm). The printer settings dialog answers from `proprieta*`.
class StampantiFinte : public CatalogoStampanti
{
public:
    QStringList stampanti{QStringLiteral("Ufficio"), QStringLiteral("Aula")};
    QString predefinitaNome = QStringLiteral("Aula");
    bool confermaProprieta = true;
    QPageLayout::Orientation orientamentoProprieta = QPageLayout::Portrait;
    int chiamateProprieta = 0;
    QTemporaryDir cartella;

    StampantiFinte()
    {
        CatalogoStampanti::imposta(this);
        MotoreStampa::istanza().azzera();
    }
    ~StampantiFinte() override
    {
        CatalogoStampanti::imposta(nullptr);
        MotoreStampa::istanza().azzera();
    }

    QStringList nomi() const override { return stampanti; }
    QString predefinita() const override { return predefinitaNome; }
    std::unique_ptr<QPrinter> crea(const QString &nome) const override
    {
        if (!stampanti.contains(nome))
            return nullptr;
        auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setResolution(300);
        p->setFullPage(false);
        p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                     QPageLayout::Millimeter));
        p->setOutputFileName(cartella.filePath(QStringLiteral("%1-%2.pdf").arg(nome).arg(++creati_)));
        return p;
    }
    bool proprieta(QWidget *, QPrinter &stampante) override
    {
        ++chiamateProprieta;
        if (confermaProprieta)
            stampante.setPageOrientation(orientamentoProprieta);
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
