#pragma once
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <functional>
#include <memory>

// A plain black window of the given size: a screen whose print is easy to find on the page.
inline std::unique_ptr<QWidget> schermoNero(int w, int h)
{
    auto s = std::make_unique<QWidget>();
    s->setObjectName(QStringLiteral("FormProva"));
    s->setAutoFillBackground(true);
    QPalette p = s->palette();
    p.setColor(QPalette::Window, Qt::black);
    s->setPalette(p);
    s->resize(w, h);
    return s;
}

// A control of the print dialog by its name.
template <class T> T *trova(QWidget *d, const char *nome) { return d->findChild<T *>(QString::fromLatin1(nome)); }

// Acts on the next modal window of the given class as soon as it is shown (the caller is then
// blocked in its exec()). The action must close it.
inline void alModale(const char *classe, std::function<void(QWidget *)> azione)
{
    auto *t = new QTimer;
    t->setInterval(10);
    QObject::connect(t, &QTimer::timeout, [t, classe, azione] {
        QWidget *m = QApplication::activeModalWidget();
        if (!m || !m->inherits(classe) || !m->isVisible())
            return;
        t->stop();
        t->deleteLater();
        azione(m);
    });
    t->start();
}

// The page sizes (in points) of a PDF file, in order.
inline QList<QSize> paginePdF(const QString &file)
{
    QFile f(file);
    QList<QSize> pagine;
    if (!f.open(QIODevice::ReadOnly))
        return pagine;
    static const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    auto it = box.globalMatch(QString::fromLatin1(f.readAll()));
    while (it.hasNext()) {
        const auto m = it.next();
        pagine << QSize(qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble()));
    }
    return pagine;
}

// Bounds of the pixels that are not white.
inline QRect inchiostro(const QImage &img)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128)
                r |= QRect(x, y, 1, 1);
    return r;
}

// The first page of a PDF file as the sheet would look, at `dpi` dots an inch (poppler's
// pdftoppm); a null image when it could not be rendered.
inline QImage paginaPdf(const QString &pdf, int dpi = 150)
{
    QTemporaryDir cartella;
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                                                 QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                 QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
                                                 cartella.filePath(QStringLiteral("pagina"))});
    if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0)
        return {};
    return QImage(cartella.filePath(QStringLiteral("pagina.png")));
}

// Where the ink lies on the first page of a PDF file, in mm from the sheet's top left corner;
// empty when the page could not be rendered or is blank.
inline QRectF inchiostroMm(const QString &pdf)
{
    constexpr int dpi = 150;
    const QImage pagina = paginaPdf(pdf, dpi);
    const QRect r = pagina.isNull() ? QRect() : inchiostro(pagina.convertToFormat(QImage::Format_RGB32));
    const double mm = 25.4 / dpi;
    return r.isEmpty() ? QRectF() : QRectF(r.x() * mm, r.y() * mm, r.width() * mm, r.height() * mm);
}

// Two rectangles in mm that agree within half a millimetre on every edge.
inline bool entroMezzoMm(const QRectF &a, const QRectF &b)
{
    return std::abs(a.left() - b.left()) <= 0.5 && std::abs(a.top() - b.top()) <= 0.5
        && std::abs(a.right() - b.right()) <= 0.5 && std::abs(a.bottom() - b.bottom()) <= 0.5;
}
