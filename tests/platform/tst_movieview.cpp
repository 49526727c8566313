#include "ServiziDiProva.h"
#include "platform/MovieView.h"
#include "platform/PathResolver.h"

#include <QPainter>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Points inside each part of our clown drawing, in the drawing's own coordinates.
struct Place { const char *what; QPointF at; const char *row; };
const Place kPlaces[] = {
    {"hat", {188, 58}, "1"},        {"hat pompom", {192, 30}, "1"}, {"tuft", {130, 70}, "2"},
    {"hair left", {92, 128}, "2"},  {"hair right", {210, 128}, "2"}, {"sleeve", {92, 220}, "3"},
    {"shirt between the panels", {150, 255}, "3"}, {"waistcoat", {118, 200}, "4"},
    {"button", {134, 208}, "5"},    {"trousers", {120, 370}, "6"}, {"shoe", {70, 425}, "7"},
    {"bucket", {60, 335}, "8"},
};

QString clown(int n) { return App::Path() + QStringLiteral("\\swf\\zanfrone%1.swf").arg(n); }

QColor pixelAt(const MovieView &v, QPointF moviePoint)
{
    return v.snapshot().pixelColor(v.movieToWidget().map(moviePoint).toPoint());
}

void click(MovieView &v, QPointF at, Qt::MouseButton b = Qt::LeftButton)
{
    QTest::mouseClick(&v, b, {}, v.movieToWidget().map(at).toPoint());
}

void paint(MovieView &v, const QString &object, const QString &rgb)
{
    v.SetVariable(QStringLiteral("QualeOggetto"), object);
    v.SetVariable(QStringLiteral("TestoColore.QualeColore"), rgb);
}
} // namespace

class TestMovieView : public QObject
{
    Q_OBJECT
private slots:
    void clicksSendTheClickedPartsRow_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QString>("row");
        for (const QSize size : {QSize(300, 460), QSize(500, 160)})
            for (const Place &p : kPlaces)
                QTest::addRow("%s at %dx%d", p.what, size.width(), size.height())
                    << size << p.at << QString::fromLatin1(p.row);
    }
    void clicksSendTheClickedPartsRow()
    {
        QFETCH(QSize, size);
        QFETCH(QPointF, at);
        QFETCH(QString, row);
        MovieView v;
        v.resize(size);
        v.Movie(clown(2));
        QSignalSpy spy(&v, &MovieView::FSCommand);
        click(v, at);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), row);
    }

    void clicksOffThePartsSendNothing()
    {
        MovieView v;
        v.resize(300, 460);
        v.Movie(clown(2));
        QSignalSpy spy(&v, &MovieView::FSCommand);
        click(v, {10, 10});   // background
        click(v, {150, 112}); // the face covers the hair behind it
        click(v, {118, 200}, Qt::RightButton);
        // A hidden hat or bucket is not there to click.
        v.TSetProperty(QStringLiteral("cappello"), 7, QStringLiteral("0"));
        v.TSetProperty(QStringLiteral("secchio"), 7, QStringLiteral("0"));
        click(v, {188, 58});
        click(v, {60, 335});
        QCOMPARE(spy.size(), 0);
        // No point of the drawing sends a row outside 1..8.
        for (int y = 0; y < v.height(); y += 4)
            for (int x = 0; x < v.width(); x += 4) {
                const QString c = v.commandAt({x, y});
                QVERIFY2(c.isEmpty() || (c.toInt() >= 1 && c.toInt() <= 8), qPrintable(c));
            }
    }

    void setVariablePairsPaintExactlyTheNamedElement()
    {
        MovieView v;
        v.resize(300, 460);
        v.Movie(clown(1));
        const QColor vest = pixelAt(v, {118, 200});
        const QColor trousers = pixelAt(v, {120, 370});

        paint(v, QStringLiteral("camicia.interno"), QStringLiteral("123456"));
        QCOMPARE(pixelAt(v, {92, 220}), QColor(0x12, 0x34, 0x56));
        QCOMPARE(pixelAt(v, {118, 200}), vest);  // the waistcoat over the shirt keeps its colour
        QCOMPARE(pixelAt(v, {120, 370}), trousers);

        // The colour goes to the object named last; bad colours and stray names change nothing.
        paint(v, QStringLiteral("gile.interno"), QStringLiteral("00FF00"));
        v.SetVariable(QStringLiteral("TestoColore.QualeColore"), QStringLiteral("zz0000"));
        v.SetVariable(QStringLiteral("AltraVariabile"), QStringLiteral("FF0000"));
        QCOMPARE(pixelAt(v, {118, 200}), QColor(0, 255, 0));
        QCOMPARE(pixelAt(v, {92, 220}), QColor(0x12, 0x34, 0x56));

        // Painted again, a part takes its new colour; another clown of the movie at this size keeps its own.
        MovieView altro;
        altro.resize(v.size());
        altro.Movie(clown(1));
        paint(altro, QStringLiteral("camicia.interno"), QStringLiteral("00FF00"));
        paint(v, QStringLiteral("camicia.interno"), QStringLiteral("654321"));
        QCOMPARE(pixelAt(v, {92, 220}), QColor(0x65, 0x43, 0x21));
        QCOMPARE(pixelAt(altro, {92, 220}), QColor(0, 255, 0));

        // The outline movie: one part outlined in the highlight colour (with a white core).
        v.Movie(clown(3));
        paint(v, QStringLiteral("gile.contorno"), QStringLiteral("FF0000"));
        const QColor edge = pixelAt(v, {111.2, 204});
        QVERIFY(edge.red() > 230 && edge.green() < 40 && edge.blue() < 40);
        QCOMPARE(pixelAt(v, {109, 204}), QColor(255, 255, 255));

        // A new movie starts from its own colours.
        v.Movie(clown(1));
        QCOMPARE(pixelAt(v, {118, 200}), vest);
    }

    // The scanned part is outlined in the highlight colour, which may be the part's own colour.
    void anOutlineInThePartsOwnColourStillShows_data()
    {
        QTest::addColumn<QString>("colour");
        for (const char *c : {"FF0000", "FFFF00", "000080"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void anOutlineInThePartsOwnColourStillShows()
    {
        QFETCH(QString, colour);
        MovieView v;
        v.resize(300, 460);
        v.Movie(clown(3));
        v.BGColor(colour);
        for (const char *part : {"cappello", "ciuffo", "capelli", "camicia", "gile", "bottoni", "pantaloni", "scarpe"}) {
            paint(v, QString::fromLatin1(part) + QStringLiteral(".interno"), colour);
            paint(v, QString::fromLatin1(part) + QStringLiteral(".contorno"), colour);
        }
        v.TSetProperty(QStringLiteral("cappello"), 7, QStringLiteral("0"));
        // Above the face only the tuft is drawn: every pixel that stands out belongs to its outline.
        const QColor plain = QColor(QStringLiteral("#") + colour);
        auto standingOut = [&](const QImage &image, const QTransform &toImage) {
            const QRect strip = toImage.mapRect(QRectF(100, 40, 64, 42)).toRect();
            int n = 0;
            for (int y = strip.top(); y <= strip.bottom(); ++y)
                for (int x = strip.left(); x <= strip.right(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    n += std::abs(c.red() - plain.red()) + std::abs(c.green() - plain.green())
                             + std::abs(c.blue() - plain.blue()) > 200;
                }
            return n;
        };
        QVERIFY2(standingOut(v.snapshot(), v.movieToWidget()) > 100, "on screen");
        QImage page(600, 920, QImage::Format_ARGB32);
        QPainter p(&page);
        v.renderTo(&p, page.rect());
        p.end();
        QVERIFY2(standingOut(page, v.movieToWidget() * QTransform::fromScale(2, 2)) > 400, "printed");

        // Black outlines are plain lines.
        paint(v, QStringLiteral("ciuffo.contorno"), QStringLiteral("000000"));
        const QImage black = v.snapshot();
        QCOMPARE(black.pixelColor(v.movieToWidget().map(QPointF(138, 44)).toPoint()), QColor(0, 0, 0));
    }

    // Small clowns (the sets of 21 on one screen) keep outlines of a whole pixel: buttons painted
    // in the waistcoat's colour are still drawn.
    void smallClownsKeepTheirOutlines()
    {
        MovieView v;
        v.resize(76, 106);
        v.Movie(clown(1));
        paint(v, QStringLiteral("gile.interno"), QStringLiteral("FFFF00"));
        paint(v, QStringLiteral("bottoni.interno"), QStringLiteral("FFFF00"));
        const QImage image = v.snapshot();
        for (const QPointF button : {QPointF(134, 208), QPointF(166, 240), QPointF(141, 272)}) {
            const QPoint centre = v.movieToWidget().map(button).toPoint();
            int darkest = 255;
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx) {
                    const QColor c = image.pixelColor(centre + QPoint(dx, dy));
                    darkest = std::min(darkest, std::max({c.red(), c.green(), c.blue()}));
                }
            QVERIFY2(darkest < 80, qPrintable(QString::number(darkest)));
        }
    }

    // Pages of a guide lie side by side beyond the view box: only the one inside it shows.
    void moviesNeverPaintOutsideTheirViewBox()
    {
        QTemporaryDir dir;
        const QByteArray beyond = "<rect x=\"-300\" y=\"-300\" width=\"700\" height=\"700\" fill=\"#ff0000\">";
        const QList<QPair<QString, QByteArray>> files = {
            {QStringLiteral("fermo.svg"), beyond + "</rect>"},
            {QStringLiteral("animato.svg"), beyond + "<animateColor attributeName=\"fill\" values=\"#ff0000;#00ff00\""
                                                    " dur=\"1s\" repeatCount=\"indefinite\"/></rect>"}};
        QStringList movies;
        for (const auto &[name, body] : files) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\" viewBox=\"0 0 100 100\">"
                    + body + "</svg>");
            movies << f.fileName();
        }
        movies << App::Path() + QStringLiteral("\\conf\\menu.swf") << App::Path() + QStringLiteral("\\conf\\zanfroni.swf");
        for (const QString &movie : std::as_const(movies)) {
            for (const QSize size : {QSize(1366, 768), QSize(600, 900)}) {
                MovieView v;
                v.resize(size);
                v.BGColor(QStringLiteral("123456"));
                v.Movie(movie);
                QVERIFY(v.isLoaded());
                QImage page(size, QImage::Format_ARGB32);
                page.fill(Qt::black);
                QPainter p(&page);
                v.renderTo(&p, page.rect());
                p.end();
                const QRectF viewBox = QSvgRenderer(MovieView::fileFor(movie)).viewBoxF();
                const QRect box = v.movieToWidget().mapRect(viewBox).toAlignedRect();
                for (const QImage &image : {v.snapshot(), page}) {
                    int outside = 0;
                    for (int y = 0; y < size.height(); y += 3)
                        for (int x = 0; x < size.width(); x += 3)
                            outside += !box.contains(x, y) && image.pixelColor(x, y) != QColor(0x12, 0x34, 0x56);
                    QVERIFY2(outside == 0, qPrintable(QStringLiteral("%1 at %2x%3: %4 pixels")
                                                          .arg(movie).arg(size.width()).arg(size.height()).arg(outside)));
                }
            }
        }
    }

    void backgroundAndVisibility()
    {
        MovieView v;
        v.resize(400, 300);
        v.Movie(clown(1));
        v.BGColor(QStringLiteral("FFC0FF"));
        v.BGColor(QStringLiteral("nonsense"));
        QCOMPARE(v.snapshot().pixelColor(2, 2), QColor(255, 192, 255));

        QVERIFY(pixelAt(v, {188, 58}) != QColor(255, 192, 255));
        v.TSetProperty(QStringLiteral("cappello"), 7, QStringLiteral("0"));
        v.TSetProperty(QStringLiteral("cappello"), 3, QStringLiteral("1")); // not visibility
        QCOMPARE(pixelAt(v, {188, 58}), QColor(255, 192, 255));
        QVERIFY(!v.isShown(QStringLiteral("cappello")));

        // Printing draws the same clown as vectors.
        paint(v, QStringLiteral("pantaloni.interno"), QStringLiteral("0000FF"));
        QImage page(800, 600, QImage::Format_ARGB32);
        QPainter p(&page);
        v.renderTo(&p, page.rect());
        p.end();
        const QTransform toPage = v.movieToWidget() * QTransform::fromScale(2, 2);
        QCOMPARE(page.pixelColor(toPage.map(QPointF(130, 320)).toPoint()), QColor(0, 0, 255));
    }

    void missingOrBrokenFilesLeaveThePlaceEmpty()
    {
        QTemporaryDir dir;
        QFile broken(dir.filePath(QStringLiteral("rotto.svg")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("<svg xmlns=\"http://www.w3.org/2000/svg\"><path id=\"camicia.interno\" d=\"M0,0");
        broken.close();
        for (const QString &path : {dir.filePath(QStringLiteral("manca.swf")), dir.filePath(QStringLiteral("rotto.swf"))}) {
            MovieView v;
            v.resize(100, 100);
            v.BGColor(QStringLiteral("336699"));
            v.Movie(path);
            QVERIFY(!v.isLoaded());
            v.Play();
            paint(v, QStringLiteral("camicia.interno"), QStringLiteral("FF0000"));
            QSignalSpy spy(&v, &MovieView::FSCommand);
            QTest::mouseClick(&v, Qt::LeftButton, {}, QPoint(50, 50));
            QCOMPARE(spy.size(), 0);
            QCOMPARE(v.snapshot().pixelColor(50, 50), QColor(0x33, 0x66, 0x99));
        }
    }

    void animatedMoviesPlayAndStop()
    {
        MovieView v;
        v.resize(320, 240);
        v.Movie(App::Path() + QStringLiteral("\\animazioni\\1.swf"));
        QVERIFY(v.isPlaying()); // a reward starts by itself
        v.StopPlay();
        const QImage stopped = v.snapshot();
        QTest::qWait(150);
        QCOMPARE(v.snapshot(), stopped);
        v.Movie(App::Path() + QStringLiteral("\\conf\\MENU.SWF")); // guides load whatever the case
        QVERIFY(v.isLoaded());
    }
};

ZANFRONI_TEST_MAIN(TestMovieView)
#include "tst_movieview.moc"
