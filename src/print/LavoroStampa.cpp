#include "LavoroStampa.h"
#include "platform/PrintSpooler.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

namespace {
struct StatoFile
{
    explicit StatoFile(const QString &percorso)
    {
        const QFileInfo f(percorso);
        esiste = f.exists();
        modificato = f.lastModified();
        dimensione = f.size();
    }
    bool esiste;
    QDateTime modificato;
    qint64 dimensione;
};

QString suFile(const QString &percorso, const StatoFile &prima, bool finito)
{
    const StatoFile dopo(percorso);
    const bool nuovo = !prima.esiste || dopo.modificato != prima.modificato || dopo.dimensione != prima.dimensione;
    if (!finito || !dopo.esiste || dopo.dimensione == 0 || !nuovo)
        return QStringLiteral("Il file della stampa non è stato scritto.");
    return {};
}
} // namespace

QString LavoroStampa(QPrinter &stampante, const std::function<void(QPainter &)> &disegna)
{
    const QString file = stampante.outputFileName();
    const QString nome = stampante.printerName();
    const StatoFile filePrima(file);
    const int lavoroPrima = file.isEmpty() ? PrintSpooler::lastJob(nome) : 0;

    QPainter p;
    if (!p.begin(&stampante))
        return QStringLiteral("La stampante non ha potuto iniziare la stampa.");
    disegna(p);
    const bool finito = p.end();
    if (!file.isEmpty())
        return suFile(file, filePrima, finito);

    // The job went to the spooler: it must have taken it.
    if (const QString rifiuto = PrintSpooler::lastRequestProblem(); !rifiuto.isEmpty())
        return rifiuto;
    if (!finito)
        return QStringLiteral("La stampa non è stata completata.");
    const int lavoro = PrintSpooler::lastJob(nome);
    if (lavoro < 0)
        return QStringLiteral("Il servizio di stampa non risponde.");
    if (lavoro <= lavoroPrima)
        return QStringLiteral("Il lavoro di stampa non è arrivato alla stampante.");
    return PrintSpooler::jobProblem(nome, lavoro);
}

QString MessaggioStampaFallita(const QString &stampante, const QString &motivo)
{
    return QStringLiteral("La stampa sulla stampante \"%1\" non è riuscita.\n\n%2").arg(stampante, motivo);
}

QString NomeDiStampante(const QPrinter &stampante)
{
    if (!stampante.printerName().isEmpty())
        return stampante.printerName();
    return QFileInfo(stampante.outputFileName()).fileName();
}
