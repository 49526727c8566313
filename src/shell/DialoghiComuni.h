#pragma once
#include <QByteArray>
#include <QFont>
#include <QString>

class QWidget;

// The colour dialog: on OK the chosen colour (&H00BBGGRR) goes into foreColor and the answer is true.
bool ScegliColore(QWidget *owner, double &foreColor);
// The font dialog on a font kept as a family word and a whole size: it opens on the face the word
// is drawn with (the dialog lists faces, not aliases such as "arial") at that size. On OK the word
// and the size (tenths of a point to whole points, halves to even) change only where the user
// changed them, and the answer is true; a size field left empty gives 0.
bool ScegliFontSalvato(QWidget *owner, QString &famiglia, int &punti);
// Open (modo 1) or save dialog; the filter as "Descrizione|*.est|..."; "" when cancelled.
QString ScegliFile(QWidget *owner, int modo, const QString &titolo, const QString &nomeProposto,
                   const QString &filtro, const QString &cartellaIniziale, const QString &estensione);
// The characters up to the first zero byte.
QString StringaDaByte(const QByteArray &bytes);
// Opens a document with the program registered for it; failures are not reported.
void ApriDocumento(QWidget *schermo, const QString &percorso);
