#pragma once
#include "GeometriaStampa.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPageLayout>
#include <QString>
#include <memory>
#include <optional>

class QPainter;
class QPrinter;
class QWidget;
class SorgenteStampa;

// The printer settings the program keeps from one print to the next and from printer to printer.
struct ImpostazioniStampante
{
    bool note = false;  // nothing read from a printer yet
    int orientamento = 1; // 1 portrait, 2 landscape
    QPageSize pagina;
    // Margins in mm chosen in the printer's settings dialog; none: the printer's own minimum.
    std::optional<QMarginsF> margini;
    friend bool operator==(const ImpostazioniStampante &, const ImpostazioniStampante &) = default;
};

// Talks to the printers for the print dialog: opens a printer by name, keeps its settings, reads
// its printable area in millimetres, and prints a source once per copy, each copy its own job.
// One engine for the whole run: the printer, the copies and the settings carry over.
class MotoreStampa
{
public:
    enum class RispostaScala { Si, No, Annulla };
    enum class Esito { Stampato, Annullato, Fallito };

    static MotoreStampa &istanza();
    MotoreStampa();
    ~MotoreStampa();

    QString NomeStampante; // the printer that prints
    int NumeroCopie = 0;
    ImpostazioniStampante Impostazioni;

    // Opens a printer ("" = the default one, whose name is put into `nome`) and merges the kept
    // settings into it. False, after an Italian message, when there is no such printer.
    bool ApriStampante(QWidget *proprietario, QString &nome);
    // The default printer's name; the first installed one when none is marked default (or that one
    // is gone); "" when no printer is installed.
    QString NomeStampantePredefinita() const;
    // Printable area of the open printer with the kept settings; false when it cannot be read.
    bool LeggiFoglioStampante(int &larghezza_mm, int &altezza_mm) const;
    // The printer's own settings dialog; the kept settings follow it when confirmed.
    void MostraProprietaStampante(QWidget *proprietario);
    // One print run of `geometria`'s rectangle on NomeStampante, NumeroCopie times (at least
    // once), each copy checked to have reached the printer. A failure is told in a message that
    // names the printer.
    Esito StampaOggetto(QWidget *proprietario, const SorgenteStampa &sorgente, GeometriaStampa geometria,
                        const QString &titolo);
    // "veloce": the whole source, as large as it fits, at the top left of one page of the default
    // printer. False, after the message, when it did not print.
    bool StampaVeloce(QWidget *proprietario, const SorgenteStampa &sorgente);

    // The page's drawing: the source in the rectangle (device units of the printable area).
    static void DisegnaPagina(QPainter &p, const SorgenteStampa &sorgente, const QRectF &rettangolo);

    // Back to the state of a fresh run (tests).
    void azzera();

private:
    void applica(QPrinter &stampante) const;
    void leggi(const QPrinter &stampante, bool conMargini);

    std::unique_ptr<QPrinter> stampanteAperta;
};

// The titles of the print messages.
namespace TitoliStampa {
inline const QString Errore = QStringLiteral(" Errore di stampa");
inline const QString Scala = QStringLiteral(" Errore di Scala");
} // namespace TitoliStampa
