#include "platform/MovieView.h"
#include "platform/PathResolver.h"

#include <QPainter>
#include <QSignalSpy>
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

        // The outline movie: one part outlined in the highlight colour.
        v.Movie(clown(3));
        paint(v, QStringLiteral("gile.contorno"), QStringLiteral("FF0000"));
        QCOMPARE(pixelAt(v, {109, 204}), QColor(255, 0, 0));

        // A new movie starts from its own colours.
        v.Movie(clown(1));
        QCOMPARE(pixelAt(v, {118, 200}), vest);
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

QTEST_MAIN(TestMovieView)
#include "tst_movieview.moc"
