#pragma once
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QWidget>
#include <QRegularExpression>
#include <QTimer>
#include <functional>

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
