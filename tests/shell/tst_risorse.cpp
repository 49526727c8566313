#include "platform/PathResolver.h"
#include "shell/Immagini.h"
#include "shell/Suoni.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <QtTest>

namespace {

QString nativo(const QString &nome) { return PathResolver::native(App::Path() + nome); }

QStringList tutteLeImmagini()
{
    QStringList nomi{Immagini::Avvio, Immagini::Avvia, Immagini::Vero, Immagini::Falso, Immagini::Uguali,
                     Immagini::Diversi, Immagini::Avanti, Immagini::Controlla, Immagini::PolliceSu,
                     Immagini::PolliceGiu, Immagini::Aiuto};
    for (int i = 0; i <= 8; ++i)
        nomi << Immagini::Menu(i);
    for (int i = 1; i <= 8; ++i)
        nomi << Immagini::Parte(i);
    for (int i = 1; i <= 4; ++i)
        nomi << Immagini::Disegno(i);
    return nomi;
}

// The fields of a RIFF/WAVE file that matter to the player, and its samples.
struct Wav {
    int formato = 0, canali = 0, frequenza = 0, bit = 0;
    QVector<qint16> campioni;
};

bool leggiWav(const QString &file, Wav &w)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray d = f.readAll();
    if (d.size() < 12 || !d.startsWith("RIFF") || d.mid(8, 4) != "WAVE")
        return false;
    for (qsizetype pos = 12; pos + 8 <= d.size();) {
        const QByteArray id = d.mid(pos, 4);
        const quint32 len = qFromLittleEndian<quint32>(d.constData() + pos + 4);
        const char *dati = d.constData() + pos + 8;
        if (pos + 8 + qsizetype(len) > d.size())
            return false;
        if (id == "fmt " && len >= 16) {
            w.formato = qFromLittleEndian<quint16>(dati);
            w.canali = qFromLittleEndian<quint16>(dati + 2);
            w.frequenza = int(qFromLittleEndian<quint32>(dati + 4));
            w.bit = qFromLittleEndian<quint16>(dati + 14);
        } else if (id == "data") {
            for (quint32 i = 0; i + 1 < len; i += 2)
                w.campioni << qFromLittleEndian<qint16>(dati + i);
        }
        pos += 8 + len + (len & 1);
    }
    return w.formato != 0 && !w.campioni.isEmpty();
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

    void thePointerIsA32PixelPictureWithItsTipAtTheHotSpot()
    {
        const QImage puntatore(nativo(Immagini::Puntatore));
        QCOMPARE(puntatore.size(), QSize(32, 32));
        QVERIFY(puntatore.hasAlphaChannel());
        QVERIFY(qAlpha(puntatore.pixel(2, 2)) > 100);    // the tip is drawn at the hot spot
        QCOMPARE(qAlpha(puntatore.pixel(0, 31)), 0);      // the rest of the square stays see-through
        QCOMPARE(qAlpha(puntatore.pixel(31, 0)), 0);
        QCOMPARE(qAlpha(puntatore.pixel(31, 31)), 0);
    }

    void soundsAreNumberedFromOneAndAreShortQuietPcm_data()
    {
        QTest::addColumn<QString>("cartella");
        QTest::addColumn<int>("almeno");
        QTest::newRow("si") << QStringLiteral("\\suoni\\si\\") << 4;
        QTest::newRow("no") << QStringLiteral("\\suoni\\no\\") << 3;
    }

    void soundsAreNumberedFromOneAndAreShortQuietPcm()
    {
        QFETCH(QString, cartella);
        QFETCH(int, almeno);
        const int n = ContaFile(cartella, QStringLiteral("wav"));
        QVERIFY(n >= almeno);
        QStringList attesi;
        for (int i = 1; i <= n; ++i)
            attesi << QStringLiteral("%1.wav").arg(i);
        QStringList presenti = QDir(nativo(cartella)).entryList({QStringLiteral("*.wav")}, QDir::Files);
        presenti.sort();
        attesi.sort();
        QCOMPARE(presenti, attesi);
        for (int i = 1; i <= n; ++i) {
            Wav w;
            const QString nome = cartella + QString::number(i) + QStringLiteral(".wav");
            QVERIFY2(leggiWav(nativo(nome), w), qPrintable(nome));
            QCOMPARE(w.formato, 1);
            QCOMPARE(w.bit, 16);
            QCOMPARE(w.canali, 1);
            QVERIFY(w.frequenza == 22050 || w.frequenza == 44100);
            const double secondi = double(w.campioni.size()) / w.frequenza;
            QVERIFY2(secondi >= 0.3 && secondi <= 1.2, qPrintable(nome));
            int picco = 0;
            for (qint16 c : w.campioni)
                picco = std::max(picco, std::abs(int(c)));
            QVERIFY2(picco > 3000 && picco < 26000, qPrintable(nome)); // heard, never loud
            // No click where the sound starts or stops.
            QVERIFY2(std::abs(w.campioni.first()) < 300 && std::abs(w.campioni.last()) < 300, qPrintable(nome));
        }
    }

    void theTeachersGuideIsAPdf()
    {
        QFile pdf(nativo(QStringLiteral("\\zanfrone.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray d = pdf.readAll();
        QVERIFY(d.startsWith("%PDF-"));
        QVERIFY(d.trimmed().endsWith("%%EOF"));
        QVERIFY(d.size() > 20000); // text and pictures, not an empty page
    }
};

QTEST_MAIN(TestRisorse)
#include "tst_risorse.moc"
