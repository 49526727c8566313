#include "MotoreStampa.h"
#include "LavoroStampa.h"
#include "SorgenteStampa.h"
#include "platform/Dialogs.h"
#include "platform/PrinterCatalogue.h"
#include "platform/Services.h"

#include <QCursor>
#include <algorithm>
#include <cmath>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

namespace {
struct Clessidra
{
    Clessidra() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Clessidra() { QGuiApplication::restoreOverrideCursor(); }
};

void errore(QWidget *proprietario, const QString &testo, const QString &dove = {})
{
    MsgBox(proprietario, testo, TitoliStampa::Errore + (dove.isEmpty() ? QString() : QStringLiteral("/") + dove),
           Dialogs::Critical);
}

MotoreStampa::RispostaScala domandaScala(QWidget *proprietario)
{
    switch (Services::current().dialogs->question(
        proprietario,
        QStringLiteral("Le dimensioni di stampa richieste\nsono superiori a quelle del foglio\n"
                       "della stampante selezionata.\n\nPosso cambiare la scala?"),
        TitoliStampa::Scala, true)) {
    case Dialogs::Yes: return MotoreStampa::RispostaScala::Si;
    case Dialogs::No: return MotoreStampa::RispostaScala::No;
    default: return MotoreStampa::RispostaScala::Annulla;
    }
}
} // namespace

MotoreStampa::MotoreStampa() = default;
MotoreStampa::~MotoreStampa() = default;

MotoreStampa &MotoreStampa::istanza()
{
    static MotoreStampa motore;
    return motore;
}

void MotoreStampa::azzera()
{
    stampanteAperta.reset();
    NomeStampante.clear();
    NumeroCopie = 0;
    Impostazioni = {};
}

QString MotoreStampa::NomeStampantePredefinita() const
{
    const PrinterCatalogue &c = *Services::current().printers;
    const QStringList tutte = c.names();
    const QString nome = c.defaultName();
    if (!nome.isEmpty() && tutte.contains(nome))
        return nome;
    return tutte.isEmpty() ? QString() : tutte.first();
}

bool MotoreStampa::ApriStampante(QWidget *proprietario, QString &nome)
{
    stampanteAperta.reset();
    if (nome.isEmpty())
        nome = NomeStampantePredefinita();
    if (nome.isEmpty()) {
        errore(proprietario, QStringLiteral("Non è installata nessuna stampante.\n\n"
                                            "Per stampare, installa una stampante e riprova."));
        return false;
    }
    std::unique_ptr<QPrinter> stampante = Services::current().printers->open(nome);
    if (!stampante) {
        // The title names the step that failed.
        errore(proprietario, QStringLiteral("Non posso accedere alla stampante richiesta.\n"),
               QStringLiteral("OpenDocPrinter"));
        return false;
    }
    applica(*stampante);
    leggi(*stampante, false);
    stampanteAperta = std::move(stampante);
    return true;
}

void MotoreStampa::applica(QPrinter &stampante) const
{
    // A new paper size brings its own minimum margins; the same one keeps those the printer has.
    if (Impostazioni.note && Impostazioni.pagina.isValid()
        && !stampante.pageLayout().pageSize().isEquivalentTo(Impostazioni.pagina))
        stampante.setPageSize(Impostazioni.pagina);
    stampante.setPageOrientation(Impostazioni.orientamento == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
    // The printer's own minimum margins, or the wider ones chosen in its settings.
    QPageLayout layout = stampante.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF minimi = layout.minimumMargins();
    QMarginsF margini = minimi;
    if (Impostazioni.margini) {
        const QMarginsF &scelti = *Impostazioni.margini;
        margini = QMarginsF(std::max(scelti.left(), minimi.left()), std::max(scelti.top(), minimi.top()),
                            std::max(scelti.right(), minimi.right()), std::max(scelti.bottom(), minimi.bottom()));
    }
    // Millimetres rounded from points may fall a hair short of the minimum.
    if (!stampante.setPageMargins(margini, QPageLayout::Millimeter))
        stampante.setPageMargins(margini + QMarginsF(0.01, 0.01, 0.01, 0.01), QPageLayout::Millimeter);
}

void MotoreStampa::leggi(const QPrinter &stampante, bool conMargini)
{
    QPageLayout layout = stampante.pageLayout();
    Impostazioni.note = true;
    Impostazioni.pagina = layout.pageSize();
    Impostazioni.orientamento = layout.orientation() == QPageLayout::Landscape ? 2 : 1;
    if (!conMargini)
        return;
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF m = layout.margins(), minimi = layout.minimumMargins();
    constexpr double tolleranza = 0.01;
    const bool propri = std::abs(m.left() - minimi.left()) < tolleranza && std::abs(m.top() - minimi.top()) < tolleranza
        && std::abs(m.right() - minimi.right()) < tolleranza && std::abs(m.bottom() - minimi.bottom()) < tolleranza;
    Impostazioni.margini = propri ? std::nullopt : std::optional<QMarginsF>(m);
}

bool MotoreStampa::LeggiFoglioStampante(int &larghezza_mm, int &altezza_mm) const
{
    larghezza_mm = altezza_mm = -1;
    if (!stampanteAperta)
        return false;
    applica(*stampanteAperta);
    const QRectF area = stampanteAperta->pageRect(QPrinter::Millimeter);
    larghezza_mm = GeometriaStampa::Arrotonda(area.width());
    altezza_mm = GeometriaStampa::Arrotonda(area.height());
    return larghezza_mm > 0 && altezza_mm > 0;
}

void MotoreStampa::MostraProprietaStampante(QWidget *proprietario)
{
    if (!stampanteAperta)
        return;
    applica(*stampanteAperta);
    if (Services::current().printers->properties(proprietario, *stampanteAperta))
        leggi(*stampanteAperta, true);
}

void MotoreStampa::DisegnaPagina(QPainter &p, const SorgenteStampa &sorgente, const QRectF &rettangolo)
{
    p.setRenderHint(QPainter::Antialiasing);
    sorgente.disegna(p, rettangolo);
}

MotoreStampa::Esito MotoreStampa::StampaOggetto(QWidget *proprietario, const SorgenteStampa &sorgente,
                                                GeometriaStampa g, const QString &titolo)
{
    const QString dove = sorgente.schermo() ? QStringLiteral("Print_Form") : QStringLiteral("Print_PictureBox");
    const auto fallita = [&](const QString &motivo) {
        errore(proprietario, MessaggioStampaFallita(NomeStampante, motivo), dove);
        return Esito::Fallito;
    };
    const QString inaccessibile = QStringLiteral("Non posso accedere alla stampante richiesta.");
    std::unique_ptr<QPrinter> stampante = Services::current().printers->open(NomeStampante);
    if (!stampante)
        return fallita(inaccessibile);
    applica(*stampante);
    const QRectF area = stampante->pageRect(QPrinter::Millimeter);
    g.FoglioW_mm = GeometriaStampa::Arrotonda(area.width());
    g.FoglioH_mm = GeometriaStampa::Arrotonda(area.height());
    if (!g.FoglioValido())
        return fallita(QStringLiteral("La stampante non indica le dimensioni del foglio."));
    if (g.FuoriFoglio()) {
        switch (domandaScala(proprietario)) {
        case RispostaScala::Annulla: return Esito::Annullato;
        case RispostaScala::Si: g.AdattaAlFoglio(); break;
        case RispostaScala::No: break;
        }
    }
    // Millimetres of the printable area to the printer's own units, exactly.
    const QRectF rettangolo = g.InUnita(stampante->logicalDpiX() / 25.4, stampante->logicalDpiY() / 25.4);
    stampante.reset();

    const int copie = std::clamp(NumeroCopie, 1, 100);
    for (int copia = 1; copia <= copie; ++copia) {
        // Each copy is a job of its own.
        std::unique_ptr<QPrinter> lavoro = Services::current().printers->open(NomeStampante);
        QString motivo = inaccessibile;
        if (lavoro) {
            Clessidra clessidra;
            applica(*lavoro);
            lavoro->setDocName(titolo);
            lavoro->setCopyCount(1);
            motivo = LavoroStampa(*lavoro, [&](QPainter &p) { DisegnaPagina(p, sorgente, rettangolo); });
        }
        if (motivo.isEmpty())
            continue;
        if (copie > 1)
            motivo += QStringLiteral("\n\nCopie stampate: %1 su %2.").arg(copia - 1).arg(copie);
        return fallita(motivo);
    }
    return Esito::Stampato;
}

bool MotoreStampa::StampaVeloce(QWidget *proprietario, const SorgenteStampa &sorgente)
{
    const QString nome = NomeStampantePredefinita();
    if (nome.isEmpty()) {
        QString n;
        ApriStampante(proprietario, n); // tells that no printer is installed
        return false;
    }
    if (!sorgente.valida()) {
        errore(proprietario, QStringLiteral("Si e' verificata una condizione\ninaspettata elaborando l' immagine."));
        return false;
    }
    std::unique_ptr<QPrinter> lavoro = Services::current().printers->open(nome);
    QString motivo = QStringLiteral("Non posso accedere alla stampante richiesta.");
    if (lavoro) {
        Clessidra clessidra;
        // As large as the printable area allows, from its top left corner.
        const QSizeF pagina = lavoro->pageRect(QPrinter::DevicePixel).size();
        const QRectF rettangolo(QPointF(0, 0), sorgente.dimensione().scaled(pagina, Qt::KeepAspectRatio));
        motivo = LavoroStampa(*lavoro, [&](QPainter &p) { DisegnaPagina(p, sorgente, rettangolo); });
    }
    if (motivo.isEmpty())
        return true;
    errore(proprietario, MessaggioStampaFallita(nome, motivo), QStringLiteral("Print_Form"));
    return false;
}
