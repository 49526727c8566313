#pragma once
#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QSet>
#include <QString>
#include <memory>

class QSvgRenderer;

// One movie file, parsed once and shared by every MovieView that plays it.
// A clown is split into its top-level elements ("layers", in drawing order); each layer is
// rendered once per size into an image whose alpha doubles as the part's mask for recolouring
// and for hit-testing. Animated or unstructured files are drawn whole.
// Outlines (".contorno") stay visible at any size: a small clown draws them at least
// kThinnestOutline pixels wide. An outline painted in a colour of its own carries a thin core line
// in a contrasting colour, so that it still shows on a part of the same colour.
class MovieDrawing
{
public:
    enum class Click { None, Parts, Whole };

    struct Layer {
        QString id;
        QString part;      // "camicia" for "camicia.interno"/"camicia.contorno"; empty for fixed drawing
        QString group;     // visibility group ("cappello", "secchio") or empty
        bool clickThrough; // shading and details: clicks reach the layer beneath
    };

    struct Rendered {
        QSize size;
        QRectF area;             // where the view box lies in the control
        QList<QImage> images;    // one per layer, premultiplied
        QList<QPoint> positions; // top-left of each image in the control
        // Layer `i`'s image filled with `colour`: made once, then shared by every view of this size.
        QImage tinted(int i, const QColor &colour) const;

    private:
        mutable QHash<quint64, QImage> tints_; // layer and colour -> image
    };

    // The drawing of a file, from the shared cache; null when missing or unreadable.
    static std::shared_ptr<MovieDrawing> load(const QString &file);

    ~MovieDrawing();

    bool layered() const { return layered_; }
    bool animated() const { return animated_; }
    Click click() const { return click_; }
    const QByteArray &source() const { return source_; }
    const QList<Layer> &layers() const { return layers_; }
    QRectF viewBox() const;
    QSvgRenderer *renderer() const { return renderer_; } // the still drawing

    // The view box fitted into a control of this size, aspect ratio kept, centred.
    QRectF fit(const QRectF &target) const;

    // Layer images for a control of this size (cached for a few sizes).
    std::shared_ptr<const Rendered> rendered(const QSize &size);
    // The core lines of the outline layers at this size (other layers have no image).
    std::shared_ptr<const Rendered> cores(const QSize &size);

    // The source with colours applied and groups hidden, for drawing as vectors.
    QByteArray recoloured(const QHash<QString, QColor> &colours, const QSet<QString> &hidden) const;

    // Row a click on a part sends.
    static int rowOf(const QString &part);
    static bool isOutline(const QString &id);
    // The colour of the core line of an outline painted `outline`; invalid for black, which needs none.
    static QColor coreColour(const QColor &outline);

    static constexpr qreal kThinnestOutline = 1.25; // pixels
    static constexpr qreal kCoreShare = 0.4;        // core width / outline width

private:
    MovieDrawing() = default;
    bool parse();
    // The source with every outline at least `least` wide, then scaled by `share`.
    QByteArray outlinesResized(qreal least, qreal share) const;
    qreal scaleFor(const QSize &size) const;
    std::shared_ptr<Rendered> renderLayers(const QSize &size, QSvgRenderer &renderer, bool outlinesOnly) const;

    QByteArray source_;
    QSvgRenderer *renderer_ = nullptr;
    QList<Layer> layers_;
    bool layered_ = false;
    bool animated_ = false;
    Click click_ = Click::None;
    qreal thinnestOutline_ = 0; // in drawing units; 0: no outline
    QList<std::shared_ptr<const Rendered>> sizes_; // most recent first
    QList<std::shared_ptr<const Rendered>> coreSizes_;
};
