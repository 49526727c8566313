#include "MotoreStampa.h"
#include "CatalogoStampanti.h"
#include "SorgenteStampa.h"
#include "platform/Dialogs.h"

#include <QCursor>
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

MotoreStampa::RispostaScala chiediScala(QWidget *proprietario)
{
    switch (Dialogs::instance().question(
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

std::function<MotoreStampa::RispostaScala(QWidget *)> MotoreStampa::domandaScala = chiediScala;

MotoreStampa::MotoreStampa() = default;
MotoreStampa::~MotoreStampa() = default;

MotoreStampa &MotoreStampa::istanza()
{
    static MotoreStampa motore;
    return motore;
}

void MotoreStampa::azzera()
{
    hStampante.reset();
    NomeStampante.clear();
    NumeroCopie = 0;
    DevModeStampante = {};
}

QString MotoreStampa::GetDefPrinterName() const
{
    const CatalogoStampanti &c = CatalogoStampanti::istanza();
    const QStringList tutte = c.nomi();
    const QString nome = c.predefinita();
    if (!nome.isEmpty() && tutte.contains(nome))
        return nome;
    return tutte.isEmpty() ? QString() : tutte.first();
}

bool MotoreStampa::OpenDocPrinter(QWidget *proprietario, QString &nome)
{
    hStampante.reset();
    if (nome.isEmpty())
        nome = GetDefPrinterName();
    if (nome.isEmpty()) {
        errore(proprietario, QStringLiteral("Non è installata nessuna stampante.\n\n"
                                            "Per stampare, installa una stampante e riprova."));
        return false;
    }
    std::unique_ptr<QPrinter> stampante = CatalogoStampanti::istanza().crea(nome);
    if (!stampante) {
        errore(proprietario, QStringLiteral("Non posso accedere alla stampante richiesta.\n"),
               QStringLiteral("OpenDocPrinter"));
        return false;
    }
    applica(*stampante);
    leggi(*stampante);
    hStampante = std::move(stampante);
    return true;
}

void MotoreStampa::applica(QPrinter &stampante) const
{
    if (DevModeStampante.note && DevModeStampante.pagina.isValid())
        stampante.setPageSize(DevModeStampante.pagina);
    stampante.setPageOrientation(DevModeStampante.dmOrientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void MotoreStampa::leggi(const QPrinter &stampante)
{
    const QPageLayout layout = stampante.pageLayout();
    DevModeStampante.note = true;
    DevModeStampante.pagina = layout.pageSize();
    DevModeStampante.dmOrientation = layout.orientation() == QPageLayout::Landscape ? 2 : 1;
}

bool MotoreStampa::LeggiFoglioStampante(int &larghezza_mm, int &altezza_mm) const
{
    larghezza_mm = altezza_mm = -1;
    if (!hStampante)
        return false;
    applica(*hStampante);
    const QRectF area = hStampante->pageRect(QPrinter::Millimeter);
    larghezza_mm = GeometriaStampa::Arrotonda(area.width());
    altezza_mm = GeometriaStampa::Arrotonda(area.height());
    return larghezza_mm > 0 && altezza_mm > 0;
}

void MotoreStampa::MostraProprietaStampante(QWidget *proprietario)
{
    if (!hStampante)
        return;
    applica(*hStampante);
    if (CatalogoStampanti::istanza().proprieta(proprietario, *hStampante))
        leggi(*hStampante);
}

void MotoreStampa::DisegnaPagina(QPainter &p, const SorgenteStampa &sorgente, const QRect &rettangolo)
{
    p.setRenderHint(QPainter::Antialiasing);
    sorgente.disegna(p, QRectF(rettangolo));
}

bool MotoreStampa::StampaOggetto(QWidget *proprietario, const SorgenteStampa &sorgente, GeometriaStampa g,
                                 const QString &titolo)
{
    const QString dove = sorgente.schermo() ? QStringLiteral("Print_Form") : QStringLiteral("Print_PictureBox");
    std::unique_ptr<QPrinter> stampante = CatalogoStampanti::istanza().crea(NomeStampante);
    if (!stampante) {
        errore(proprietario, QStringLiteral("Non posso accedere alla stampante richiesta.\n\nNon è stato stampato nulla."),
               dove);
        return true;
    }
    applica(*stampante);
    const QRectF area = stampante->pageRect(QPrinter::Millimeter);
    g.FoglioW_mm = GeometriaStampa::Arrotonda(area.width());
    g.FoglioH_mm = GeometriaStampa::Arrotonda(area.height());
    if (!g.FoglioValido()) {
        errore(proprietario, QStringLiteral("La stampante non indica le dimensioni del foglio.\n\nNon è stato stampato nulla."),
               dove);
        return true;
    }
    if (g.Eccede()) {
        switch (domandaScala(proprietario)) {
        case RispostaScala::Annulla: return false;
        case RispostaScala::Si: g.AdattaAlFoglio(); break;
        case RispostaScala::No: break;
        }
    }
    const QRect pixel = stampante->pageRect(QPrinter::DevicePixel).toRect();
    const float kx = float(pixel.width()) / float(g.FoglioW_mm);
    const float ky = float(pixel.height()) / float(g.FoglioH_mm);
    const QRect rettangolo = g.InUnita(kx, ky);
    stampante.reset();

    Clessidra clessidra;
    for (int copia = 1; copia <= NumeroCopie; ++copia) {
        // Each copy is a job of its own.
        std::unique_ptr<QPrinter> lavoro = CatalogoStampanti::istanza().crea(NomeStampante);
        if (!lavoro) {
            errore(proprietario, QStringLiteral("Non posso accedere alla stampante richiesta."), dove);
            break;
        }
        applica(*lavoro);
        lavoro->setDocName(titolo);
        lavoro->setCopyCount(1);
        QPainter p;
        if (!p.begin(lavoro.get())) {
            errore(proprietario, QStringLiteral("Errore di StartDoc"), dove);
            break;
        }
        DisegnaPagina(p, sorgente, rettangolo);
        if (!p.end()) {
            errore(proprietario, sorgente.schermo() ? QStringLiteral("Il Form non viene stampato.")
                                                    : QStringLiteral("Il PictureBox non viene stampato."),
                   dove);
            break;
        }
    }
    return true;
}

void MotoreStampa::StampaVeloce(QWidget *proprietario, const SorgenteStampa &sorgente)
{
    const QString nome = GetDefPrinterName();
    if (nome.isEmpty()) {
        QString n;
        OpenDocPrinter(proprietario, n); // tells that no printer is installed
        return;
    }
    if (!sorgente.valida()) {
        errore(proprietario, QStringLiteral("Si e' verificata una condizione\ninaspettata elaborando l' immagine."));
        return;
    }
    std::unique_ptr<QPrinter> lavoro = CatalogoStampanti::istanza().crea(nome);
    if (!lavoro) {
        errore(proprietario, QStringLiteral("Non posso accedere alla stampante richiesta.\n"), QStringLiteral("OpenDocPrinter"));
        return;
    }
    Clessidra clessidra;
    QPainter p;
    if (!p.begin(lavoro.get())) {
        errore(proprietario, QStringLiteral("Errore di StartDoc"), QStringLiteral("Print_Form"));
        return;
    }
    // As large as the printable area allows, from its top left corner.
    const QRect pagina(QPoint(0, 0), lavoro->pageRect(QPrinter::DevicePixel).size().toSize());
    const QSize adattata = sorgente.dimensione().scaled(QSizeF(pagina.size()), Qt::KeepAspectRatio).toSize();
    DisegnaPagina(p, sorgente, QRect(pagina.topLeft(), adattata));
    if (!p.end())
        errore(proprietario, QStringLiteral("Il Form non viene stampato."), QStringLiteral("Print_Form"));
}
