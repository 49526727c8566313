#include "Catalogo.h"
#include "ServiziDiProva.h"
#include "platform/PathResolver.h"
#include "shell/Esercizi.h"
#include "shell/Immagini.h"
#include "shell/Suoni.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

namespace {

QString nativo(const QString &nome) { return PathResolver::native(App::Path() + nome); }

QStringList tutteLeImmagini()
{
    QStringList nomi{Immagini::Avvio, Immagini::Avvia, Immagini::Vero, Immagini::Falso, Immagini::Uguali,
                     Immagini::Diversi, Immagini::Avanti, Immagini::Controlla, Immagini::PolliceSu,
                     Immagini::PolliceGiu, Immagini::Aiuto, Immagini::Esci};
    RegistraSchermi();
    for (const Esercizio &e : Esercizi::elenco())
        nomi << e.immagine;
    for (int i = 1; i <= 8; ++i)
        nomi << Immagini::Parte(i);
    for (int i = 1; i <= 4; ++i)
        nomi << Immagini::Disegno(i);
    return nomi;
}

} // namespace

class TestRisorse : public QObject
{
    Q_OBJECT
private slots:
    void everyPictureIsThereAndDrawsSomething()
    {
        for (const QString &nome : tutteLeImmagini()) {
            const QString file = nativo(nome);
            QVERIFY2(QFile::exists(file), qPrintable(nome));
            QSvgRenderer svg(file);
            QVERIFY2(svg.isValid() && !svg.defaultSize().isEmpty(), qPrintable(nome));
            // The renderer ignores style sheets: colours must be attributes.
            QFile testo(file);
            QVERIFY(testo.open(QIODevice::ReadOnly));
            const QByteArray sorgente = testo.readAll();
            QVERIFY2(!sorgente.contains("<style") && !sorgente.contains("class="), qPrintable(nome));
            // Not blank: a good part of a small rendering is covered.
            QImage img(64, 64, QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
            QPainter p(&img);
            svg.render(&p);
            p.end();
            int pieni = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    pieni += qAlpha(img.pixel(x, y)) > 128;
            QVERIFY2(pieni > 64 * 64 / 10, qPrintable(nome));
        }
    }

    // Nothing is drawn beyond the view box, where a control would cut it off.
    void everyPictureAndClownFitsItsBox()
    {
        QStringList nomi = tutteLeImmagini();
        for (int i = 1; i <= 4; ++i)
            nomi << QStringLiteral("\\swf\\zanfrone%1.svg").arg(i);
        for (const QString &nome : std::as_const(nomi)) {
            QSvgRenderer svg(nativo(nome));
            const QSizeF box = svg.viewBoxF().size().scaled(200, 200, Qt::KeepAspectRatio);
            constexpr int kMargine = 40;
            QImage img((box + QSizeF(2 * kMargine, 2 * kMargine)).toSize(), QImage::Format_ARGB32_Premultiplied);
            img.fill(Qt::transparent);
            QPainter p(&img);
            svg.render(&p, QRectF(QPointF(kMargine, kMargine), box));
            p.end();
            const QRect dentro = QRectF(QPointF(kMargine, kMargine), box).toAlignedRect();
            int fuori = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    fuori += !dentro.contains(x, y) && qAlpha(img.pixel(x, y)) > 60;
            QVERIFY2(fuori == 0, qPrintable(QStringLiteral("%1: %2 pixels outside").arg(nome).arg(fuori)));
        }
    }

    void thePointerHasItsTipAtTheHotSpot()
    {
        const QImage puntatore(nativo(Immagini::Puntatore));
        QCOMPARE(puntatore.size(), QSize(32, 32));
        QVERIFY(qAlpha(puntatore.pixel(2, 2)) > 100 && qAlpha(puntatore.pixel(31, 31)) == 0);
    }

    void soundsAreNumberedFromOneAndArePcmWaves()
    {
        for (const QString &cartella : {QStringLiteral("\\suoni\\si\\"), QStringLiteral("\\suoni\\no\\")}) {
            const int n = ContaFile(cartella, QStringLiteral("wav"));
            QVERIFY(n >= 3);
            QCOMPARE(QDir(nativo(cartella)).entryList({QStringLiteral("*.wav")}, QDir::Files).size(), n);
            for (int i = 1; i <= n; ++i) {
                QFile f(nativo(cartella + QString::number(i) + QStringLiteral(".wav")));
                QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
                const QByteArray testa = f.read(44);
                QVERIFY2(testa.startsWith("RIFF") && testa.mid(8, 8) == "WAVEfmt " && testa.at(20) == 1, qPrintable(f.fileName()));
            }
        }
    }

    void theTeachersGuideIsAPdf()
    {
        QFile pdf(nativo(QStringLiteral("\\zanfrone.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.readAll().trimmed().endsWith("%%EOF"));
    }
};

ZANFRONI_TEST_MAIN(TestRisorse)
#include "tst_risorse.moc"
