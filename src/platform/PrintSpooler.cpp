#include "PrintSpooler.h"

#include <cups/cups.h>

namespace {
QByteArray queueName(const QString &printer) { return printer.section(QLatin1Char('/'), 0, 0).toLocal8Bit(); }

template <class F> void forEachJob(const QString &printer, F f, int &count)
{
    cups_job_t *jobs = nullptr;
    count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queueName(printer).constData(), 1, CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < count; ++i)
        f(jobs[i]);
    if (count > 0)
        cupsFreeJobs(count, jobs);
}
} // namespace

int PrintSpooler::lastJob(const QString &printer)
{
    int newest = 0, count = 0;
    forEachJob(printer, [&newest](const cups_job_t &j) { newest = std::max(newest, j.id); }, count);
    if (count < 0 || (count == 0 && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE))
        return -1;
    return newest;
}

QString PrintSpooler::lastRequestProblem()
{
    const ipp_status_t status = cupsLastError();
    if (status <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    switch (status) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return QStringLiteral("La stampante non accetta lavori di stampa.");
    case IPP_STATUS_ERROR_NOT_FOUND:
    case IPP_STATUS_ERROR_NOT_POSSIBLE:
        return QStringLiteral("La stampante non c'è più.");
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
    case IPP_STATUS_ERROR_BUSY:
        return QStringLiteral("Il servizio di stampa non risponde.");
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
        return QStringLiteral("Non è permesso stampare su questa stampante.");
    default:
        return QStringLiteral("Il servizio di stampa ha rifiutato il lavoro (%1).")
            .arg(QString::fromLocal8Bit(cupsLastErrorString()));
    }
}

QString PrintSpooler::jobProblem(const QString &printer, int job)
{
    int state = -1, count = 0;
    forEachJob(printer, [&](const cups_job_t &j) { if (j.id == job) state = j.state; }, count);
    if (count < 0)
        return QStringLiteral("Il servizio di stampa non risponde.");
    switch (state) {
    case -1: return QStringLiteral("Il lavoro di stampa non è arrivato alla stampante.");
    case IPP_JSTATE_CANCELED: return QStringLiteral("Il lavoro di stampa è stato annullato.");
    case IPP_JSTATE_ABORTED: return QStringLiteral("Il lavoro di stampa è stato interrotto dalla stampante.");
    default: return {};
    }
}
