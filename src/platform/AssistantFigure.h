#pragma once
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

class QSvgRenderer;

// The assistant's figure on its screen: an SVG drawing (ids "bocca-aperta"/"bocca-chiusa" and
// "occhi-aperti"/"occhi-chiusi" give the talking and blinking frames), a PNG picture (it bobs while
// talking), or a built-in figure when the character's file is missing or unreadable.
// It never takes the mouse or the focus: what lies under it stays usable.
class AssistantFigure : public QWidget
{
public:
    explicit AssistantFigure(QWidget *parent);
    ~AssistantFigure() override;

    // False when the built-in figure is used instead.
    bool load(const QString &file);
    QSize naturalSize() const { return natural_; }

    void setTalking(bool talking);

    // The drawing of one frame, for tests and the balloon's placement.
    QImage frame(bool mouthOpen, bool eyesClosed, const QSize &size) const;

    // An SVG document without the elements carrying the given ids.
    static QByteArray withoutElements(const QByteArray &svg, const QStringList &ids);

protected:
    void paintEvent(QPaintEvent *) override;
    void showEvent(QShowEvent *) override;
    void hideEvent(QHideEvent *) override;

private:
    enum Kind { BuiltIn, Svg, Picture };
    void paintFrame(QPainter &p, const QRect &r, bool mouthOpen, bool eyesClosed) const;
    void paintBuiltIn(QPainter &p, const QRect &r, bool mouthOpen, bool eyesClosed) const;
    void animate();
    void blink();

    Kind kind_ = BuiltIn;
    std::array<std::unique_ptr<QSvgRenderer>, 4> frames_; // index: mouth open * 2 + eyes closed
    std::array<QImage, 4> drawn_;                         // the frames at the figure's present size
    QPixmap picture_;
    QSize natural_{128, 128};
    bool talking_ = false;
    bool mouthOpen_ = false;
    bool eyesClosed_ = false;
    int step_ = 0;
    QTimer mouth_;
    QTimer blink_;
};
