#pragma once
#include <QColor>
#include <QHash>
#include <QString>
#include <QWidget>

class QSvgRenderer;

// Plays the program's vector movies (our own SVG drawings) in place of the Flash movie control.
// Clown movies expose one element id per part ("cappello.interno", "capelli.contorno", "secchio", ...);
// SetVariable("QualeOggetto", part) then SetVariable("TestoColore.QualeColore", "RRGGBB") recolours it.
class MovieView : public QWidget
{
    Q_OBJECT
public:
    explicit MovieView(QWidget *parent = nullptr);
    ~MovieView() override;

    // A path as the screens give it (App::Path() + "\swf\zanfrone1.swf"); ".swf" plays our ".svg".
    void Movie(const QString &path);
    QString Movie() const { return movie_; }
    void GotoFrame(int frame);
    void Play();
    void StopPlay();
    void BGColor(const QString &rrggbb);
    void SetVariable(const QString &name, const QString &value);
    void TSetProperty(const QString &target, int property, const QString &value);

    // Index of the control in its control array (line-ups tell clowns apart by it).
    int Index = 0;

    // What is drawn now, for tests and printing.
    QColor backgroundColor() const { return background_; }
    QColor fillOf(const QString &elementId) const { return colours_.value(elementId); }
    bool isShown(const QString &target) const { return !hidden_.contains(target); }
    bool isLoaded() const;
    bool isPlaying() const { return playing_; }

signals:
    void FSCommand(const QString &command, const QString &args);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void rebuild();
    QRectF drawArea() const;

    QString movie_;
    QByteArray source_;
    QSvgRenderer *renderer_ = nullptr;
    QColor background_ = Qt::white;
    QString selectedObject_;
    QHash<QString, QColor> colours_; // element id -> colour
    QSet<QString> hidden_;
    bool playing_ = false;
};
