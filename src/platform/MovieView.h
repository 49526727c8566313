#pragma once
#include <QColor>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QString>
#include <QTransform>
#include <QWidget>
#include <memory>

class MovieDrawing;
class QSvgRenderer;

// Plays the program's vector movies (our own SVG drawings) in place of the Flash movie control.
// Clown movies expose one element id per part ("cappello.interno", "capelli.contorno", "secchio", ...);
// SetVariable("QualeOggetto", part) then SetVariable("TestoColore.QualeColore", "RRGGBB") recolours it.
// Clicks: "zanfrone2" sends the clicked part's row ("1".."8"), "zanfrone4" sends "clic" for any
// click on the drawn clown (the screen tells clowns apart by Index); other movies send nothing.
// The movie sends whatever the input mode: screens decide whether a click counts.
class MovieView : public QWidget
{
    Q_OBJECT
public:
    explicit MovieView(QWidget *parent = nullptr);
    ~MovieView() override;

    // A path as the screens give it (App::Path() + "\swf\zanfrone1.swf"); ".swf" plays our ".svg".
    // Loads synchronously; a missing or broken file leaves the place empty (one line on stderr).
    void Movie(const QString &path);
    QString Movie() const { return movie_; }
    // Animated movies: back to the start (and on, if playing). Clowns have a single frame.
    void GotoFrame(int frame);
    void Play();
    void StopPlay();
    void BGColor(const QString &rrggbb);
    void SetVariable(const QString &name, const QString &value);
    void TSetProperty(const QString &target, int property, const QString &value);

    // Index of the control in its control array (line-ups tell clowns apart by it).
    int Index = 0;

    // The file a movie path plays (".swf" -> ".svg", letter case resolved); for counting movies.
    static QString fileFor(const QString &path);

    // What is drawn now, for tests and printing.
    QColor backgroundColor() const { return background_; }
    QColor fillOf(const QString &elementId) const { return colours_.value(elementId); }
    bool isShown(const QString &target) const { return !hidden_.contains(target); }
    bool isLoaded() const;
    bool isPlaying() const { return playing_; }
    // Movie coordinates (the drawing's view box) to control pixels: the drawing keeps its
    // aspect ratio and is centred in the control.
    QTransform movieToWidget() const;
    // The command a left click at this point sends; empty when it sends nothing.
    QString commandAt(const QPoint &pos) const;
    // The control's current look at its own size (background included).
    QImage snapshot() const;
    // Draws the movie as vectors (background included) centred in `target`: for printing.
    void renderTo(QPainter *painter, const QRectF &target) const;

signals:
    void FSCommand(const QString &command, const QString &args);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void paintRaster(QPainter &p) const;
    void restartClock();

    QString movie_;
    std::shared_ptr<MovieDrawing> drawing_;
    QSvgRenderer *clock_ = nullptr; // animated movies: this view's own renderer and clock
    QImage frozen_;                 // animated movie stopped: the frame it stopped on
    QColor background_ = Qt::white;
    QString selectedObject_;
    QHash<QString, QColor> colours_; // element id -> colour
    QSet<QString> hidden_;
    bool playing_ = false;
    bool pressed_ = false;
    mutable QImage composed_;           // the layers as shown, until a colour, a visibility or the size changes
};
