// Builds the teachers' guide: an HTML page, with the program's own SVG pictures, printed to an A4 PDF.
// usage: zanfroni_documento <page.html> <pictures folder> <out.pdf>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextDocument>
#include <QDir>
#include <cstdio>

namespace {

// Each <img src="immagini/x.svg" width=".."> becomes a picture four times that size, so that it prints sharp.
void aggiungiImmagini(QTextDocument &doc, const QString &html, const QString &cartella)
{
    static const QRegularExpression img(QStringLiteral(R"re(<img src="immagini/([^"]+\.svg)" width="(\d+)" height="(\d+)")re"));
    for (auto it = img.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        QSvgRenderer svg(cartella + QLatin1Char('/') + m.captured(1));
        if (!svg.isValid()) {
            std::fprintf(stderr, "missing picture %s\n", qPrintable(m.captured(1)));
            continue;
        }
        QImage figura(m.captured(2).toInt() * 4, m.captured(3).toInt() * 4, QImage::Format_ARGB32_Premultiplied);
        figura.fill(Qt::transparent);
        QPainter p(&figura);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        doc.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("immagini/") + m.captured(1)), figura);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s page.html pictures-folder out.pdf\n", argv[0]);
        return 2;
    }
    QFile sorgente(QString::fromLocal8Bit(argv[1]));
    if (!sorgente.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString html = QString::fromUtf8(sorgente.readAll());
    const QString uscita = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(QFileInfo(uscita).absolutePath());

    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 11));
    aggiungiImmagini(doc, html, QString::fromLocal8Bit(argv[2]));
    doc.setHtml(html);

    QPdfWriter pdf(uscita);
    pdf.setTitle(doc.metaInformation(QTextDocument::DocumentTitle));
    pdf.setCreator(QStringLiteral("Zanfroni"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setResolution(300);
    doc.print(&pdf);
    if (!QFileInfo(uscita).size()) {
        std::fprintf(stderr, "nothing written to %s\n", argv[3]);
        return 1;
    }
    return 0;
}
