#pragma once
#include <QFont>
#include <QRectF>
#include <QString>
#include <QtNumeric>
#include <memory>
#include <vector>

class QPainter;
class QTextLayout;
class QTextLine;

// A text broken into lines no wider than a width, one paragraph a line break, lines as close as the
// letters allow, at an even spacing. The cursive face's loops reach far above and below its small
// letters: its lines are spaced, as on ruled paper, by how close this text's own ink lets them come,
// a loop reaching into a neighbouring line only where that line has no ink.
class Impaginazione
{
public:
    // `allineamento` places the lines across and down the area they are drawn in. A text that
    // surely does not fit `altezzaMassima` (too tall, or a word too wide) is not measured further:
    // it is not drawn, and its height is only as much as it surely takes.
    Impaginazione(const QFont &font, const QString &testo, double larghezza, Qt::Alignment allineamento,
                  double altezzaMassima = qInf());
    ~Impaginazione();

    double altezza() const { return altezza_; }
    // Whether some word is wider than the width on its own.
    bool parolaTroppoLarga() const { return troppoLarga_; }
    // Draws the lines in `area`, as wide as the width they were laid out in.
    void disegna(QPainter &p, const QRectF &area) const;

    // The distance between two lines of `font`.
    static double AltezzaRiga(const QFont &font);
    // The least gap, in pixels, between the ink of two neighbouring cursive lines.
    static constexpr int kDistacco = 2;

private:
    void impaginaCorsivo(const QFont &font, double larghezza, double altezzaMassima);
    // Where `riga` starts, aligned within `larghezza`.
    double rientro(const QTextLine &riga, double larghezza) const;

    Qt::Alignment allineamento_;
    std::vector<std::unique_ptr<QTextLayout>> paragrafi_;
    std::vector<double> cime_; // each line's top, from the text's top
    std::vector<int> rientri_; // cursive: each line's start from the area's left, in whole pixels
    double altezza_ = 0;
    int righe_ = 0;
    bool troppoLarga_ = false;
};
