#pragma once
#include <QString>
#include <functional>

class QPainter;
class QPrinter;

// One print job on a printer made ready: drawn, sent, and checked to have arrived (a PDF file
// written, or a job the spooler took and has not dropped). "" when it arrived, else why not, in
// Italian. The job's own success is never taken from QPainter::end() alone.
QString LavoroStampa(QPrinter &stampante, const std::function<void(QPainter &)> &disegna);

// What the user is told when a print failed: the printer named, then the reason.
QString MessaggioStampaFallita(const QString &stampante, const QString &motivo);

// The name to tell the user: the printer's, or the file's for a print to a file.
QString NomeDiStampante(const QPrinter &stampante);
