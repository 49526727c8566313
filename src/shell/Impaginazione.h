#pragma once
#include <QFont>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

class QPainter;
class QTextLayout;

// A text broken into lines no wider than a width, one paragraph a line break, lines as close as the
// letters allow, at an even spacing. The cursive face's loops reach far above and below its small
// letters: its lines are spaced by its small letters, as on ruled paper, and loops share the room
// between them.
class Impaginazione
{
public:
    Impaginazione(const QFont &font, const QString &testo, double larghezza);
    ~Impaginazione();

    double altezza() const { return altezza_; }
    // Whether some word is wider than the width on its own.
    bool parolaTroppoLarga() const { return troppoLarga_; }
    // Draws the lines in `area`, aligned as `allineamento` says (horizontally and vertically).
    void disegna(QPainter &p, const QRectF &area, Qt::Alignment allineamento) const;

    // The distance between two lines of `font`.
    static double AltezzaRiga(const QFont &font);

private:
    std::vector<std::unique_ptr<QTextLayout>> paragrafi_;
    std::vector<double> cime_; // each line's top, from the text's top
    double altezza_ = 0;
    int righe_ = 0;
    bool troppoLarga_ = false;
};
