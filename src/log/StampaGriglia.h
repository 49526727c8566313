#pragma once
#include <QFont>
#include <QList>
#include <QRectF>
#include <QStringList>

class UscitaStampa;

// What the log prints: the current user, the name, date and note lines of the screen, and the
// grid (row 0 the headers) with its column widths in twips and its font.
struct PaginaRegistro
{
    QString utente;
    QString nome;
    QString data;
    QString nota;
    QList<QStringList> celle;
    QList<double> larghezze;
    QFont fontGriglia;
};

// The text shortened from the right until it is not wider than the width (twips); maybe empty.
QString AdattaTesto(const UscitaStampa &uscita, QString testo, double larghezza);

// Prints the heading lines, the grid as a ruled table starting at (sinistra, alto) below the
// heading, and the note. A table wider than the sheet has its columns narrowed to fit; one longer
// than the sheet goes on over further sheets, each beginning with the header row. Answers the
// ruled area of the first sheet, in twips.
QRectF StampaGriglia(UscitaStampa &uscita, const PaginaRegistro &pagina, double sinistra, double alto);
