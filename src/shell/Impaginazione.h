#pragma once
#include <QFont>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

class QPainter;
class QTextLayout;

// A text broken into lines no wider than a width, one paragraph a line break, lines as close as the
// letters allow: the cursive face declares twice the line height its loops need, the plain faces
// keep their own spacing.
class Impaginazione
{
public:
    Impaginazione(const QFont &font, const QString &testo, double larghezza);
    ~Impaginazione();

    double altezza() const { return righe_ * riga_; }
    // Whether some word is wider than the width on its own.
    bool parolaTroppoLarga() const { return troppoLarga_; }
    // Draws the lines in `area`, aligned as `allineamento` says (horizontally and vertically).
    void disegna(QPainter &p, const QRectF &area, Qt::Alignment allineamento) const;

    // The distance between two lines of `font`.
    static double AltezzaRiga(const QFont &font);

private:
    std::vector<std::unique_ptr<QTextLayout>> paragrafi_;
    double riga_ = 0;
    int righe_ = 0;
    bool troppoLarga_ = false;
};
