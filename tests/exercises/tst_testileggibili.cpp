// Exercise texts at 1024 x 768 in large letters: every sentence and every trait shows whole, the
// size kept in the profile does not change, and the cursive letters are as tall as the plain ones,
// their lines evenly spaced with no two lines' ink touching.
#include "AmbienteAllineamento.h"
#include "exercises/frame/EtichettaAdattata.h"
#include "exercises/sentences/FormEs4.h"
#include "shell/Avvio.h"
#include "shell/CarattereTesto.h"
#include "shell/Impaginazione.h"

#include <QFontInfo>
#include <QPainter>

class TestTestiLeggibili : public ProvaConAmbiente<AmbienteAllineamento>
{
    Q_OBJECT

    static double altezzaX(const QFont &f) { return QFontMetricsF(f).tightBoundingRect(QStringLiteral("x")).height(); }

    static bool conCorsivo() { return QFontInfo(QFont(QStringLiteral("Indis1"))).family().contains(QLatin1String("Ecolier")); }

    // The runs of rows [first, last] of `img` where `scelta(y)` holds.
    template <class F> static QList<QPair<int, int>> tratti(const QImage &img, F scelta)
    {
        QList<QPair<int, int>> r;
        for (int y = 0; y < img.height(); ++y)
            if (scelta(y)) {
                if (!r.isEmpty() && r.last().second == y - 1)
                    r.last().second = y;
                else
                    r.append({y, y});
            }
        return r;
    }
    static std::vector<int> scuri(const QImage &img) // dark pixels in each row
    {
        std::vector<int> n(img.height());
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n[y] += qGray(img.pixel(x, y)) < 128;
        return n;
    }
    // The rows with ink, in runs.
    static QList<QPair<int, int>> inchiostro(const QImage &img)
    {
        const auto n = scuri(img);
        return tratti(img, [&](int y) { return n[y] > 0; });
    }
    // The small letters' band of each line of a cursive text: the rows at least a third as dark as
    // the darkest (the loops above and below cross few strokes), leaving out a swash's thin rows.
    static QList<QPair<int, int>> fasce(const QImage &img)
    {
        const auto n = scuri(img);
        const int massimo = *std::max_element(n.begin(), n.end());
        auto r = tratti(img, [&](int y) { return 3 * n[y] >= massimo; });
        int alta = 0;
        for (const auto &f : r)
            alta = std::max(alta, f.second - f.first);
        r.removeIf([&](const QPair<int, int> &f) { return 2 * (f.second - f.first) < alta; });
        return r;
    }
    // The text shows whole in the font it is drawn in, within the box less its margins.
    static bool intero(const EtichettaAdattata *e)
    {
        const int m = e->margin();
        const QRect r = e->contentsRect().adjusted(m, m, -m, -m);
        const Impaginazione righe(e->carattereMostrato(), e->text(), r.width(), e->alignment());
        return !e->text().isEmpty() && !righe.parolaTroppoLarga() && righe.altezza() <= r.height();
    }

    // Every text of an exercise's top level (the longest sentences), over a few exercises.
    void controlla(const Esercizio &esercizio)
    {
        QPointer<FormEsercizio> s = amb->apri(esercizio);
        QVERIFY(s);
        s->setGeometry(0, 0, 1024, 768);
        QTRY_COMPARE(s->size(), QSize(1024, 768));
        for (int livello = 2; s->Livello() == livello - 1; ++livello)
            s->mnuLiv_Click(livello); // up to the top level, which a click past it leaves
        const int livello = s->Livello();
        const QFont profilo = CarattereTesto::Crea(Profilo.FontTesto, Profilo.DimensioneFontTesto);
        for (int volta = 0; volta < 5; ++volta) { // a few exercises: the texts differ in length
            for (const auto *e : s->findChildren<EtichettaAdattata *>()) {
                QVERIFY2(intero(e), qPrintable(esercizio.schermo + QStringLiteral(": ") + e->text()));
                if (e->font().family() == profilo.family()) // not the line-ups' instruction, in its own small face
                    QCOMPARE(e->font().pointSizeF(), profilo.pointSizeF());
            }
            s->mnuLiv_Click(livello);
        }
        s->chiudi();
    }

private slots:
    // The program's faces, the cursive one from the build.
    void initTestCase() { RegistraCorsivo(); SostituisciCaratteri(); }

    void cursiveSmallLettersAreAsTallAsPlainOnes()
    {
        if (!conCorsivo())
            QSKIP("the cursive face is not installed");
        for (int punti : {12, 24, 30}) {
            const double corsiva = altezzaX(CarattereTesto::Crea(QStringLiteral("Indis1"), punti));
            const double semplice = altezzaX(CarattereTesto::Crea(QStringLiteral("Arial"), punti));
            QVERIFY2(qAbs(corsiva - semplice) <= 0.15 * semplice, qPrintable(QStringLiteral("%1 / %2").arg(corsiva).arg(semplice)));
        }
        QCOMPARE(CarattereTesto::Scala(QStringLiteral("Arial")), 1.0);
    }

    // Two lines whose loops meet in a looser layout (a descender over a capital or an ascender):
    // no ink the second line adds comes within Impaginazione::kDistacco pixels of the first line's.
    void cursiveLinesInkNeverTouches()
    {
        if (!conCorsivo())
            QSKIP("the cursive face is not installed");
        auto disegno = [](const QString &testo, int punti, Qt::Alignment allineamento) {
            const QFont font = CarattereTesto::Crea(QStringLiteral("Indis1"), punti);
            const Impaginazione righe(font, testo, 600, allineamento | Qt::AlignTop);
            QImage img(600, 400, QImage::Format_RGB32);
            img.fill(Qt::white);
            QPainter p(&img);
            righe.disegna(p, QRectF(0, 20, 600, righe.altezza()));
            return img;
        };
        const int k = Impaginazione::kDistacco;
        const std::pair<const char *, const char *> coppie[] = {{"I capelli sono gialli.", "Il cappello è verde."},
                                                                {"I pantaloni non sono gialli.", "Le scarpe non sono verdi."},
                                                                {"I bottoni non sono gialli.", "La camicia non è blu."}};
        for (const auto &[sopra, sotto] : coppie)
            for (int punti : {12, 24, 30}) // drawn from the glyph cache, or from the outlines
                for (Qt::Alignment allineamento : {Qt::AlignLeft, Qt::AlignHCenter}) {
                    const QString testo = QString::fromUtf8(sopra) + QLatin1Char('\n') + QString::fromUtf8(sotto);
                    const QImage una = disegno(QString::fromUtf8(sopra), punti, allineamento);
                    const QImage due = disegno(testo, punti, allineamento);
                    auto vicinaAllaPrima = [&](int x, int y) {
                        for (int v = std::max(0, y - k); v <= std::min(una.height() - 1, y + k); ++v)
                            for (int u = std::max(0, x - k); u <= std::min(una.width() - 1, x + k); ++u)
                                if (una.pixel(u, v) != qRgb(255, 255, 255))
                                    return true;
                        return false;
                    };
                    for (int y = 0; y < due.height(); ++y)
                        for (int x = 0; x < due.width(); ++x)
                            if (qGray(due.pixel(x, y)) < qGray(una.pixel(x, y)) && vicinaAllaPrima(x, y))
                                QFAIL(qPrintable(QStringLiteral("%1 pt, %2 at %3,%4").arg(punti).arg(testo).arg(x).arg(y)));
                }
    }

    // "Colora il zanfrone" levels 4 to 6 (seven sentences), rendered: the lines follow one even
    // pitch, no ink is cut, and the letters are as large as the box allows: the next size up would
    // not fit.
    void cursiveLinesAreEvenAndAsLargeAsTheBoxAllows_data()
    {
        QTest::addColumn<QSize>("schermo");
        QTest::addColumn<int>("punti");
        QTest::addRow("1024x768 24") << QSize(1024, 768) << 24;
        QTest::addRow("1920x1080 30") << QSize(1920, 1080) << 30;
    }
    void cursiveLinesAreEvenAndAsLargeAsTheBoxAllows()
    {
        if (!conCorsivo())
            QSKIP("the cursive face is not installed");
        QFETCH(QSize, schermo);
        QFETCH(int, punti);
        Profilo.DimensioneFontTesto = qint16(punti);
        Profilo.TipoCarattere = Lettere::Corsivo;
        Profilo.FontTesto = QStringLiteral("Indis1");
        QPointer<FormEs4> s = amb->apri<FormEs4>();
        QVERIFY(s);
        s->setGeometry(QRect(QPoint(0, 0), schermo));
        QTRY_COMPARE(s->size(), schermo);
        for (int livello = 4; livello <= 6; ++livello) {
            s->mnuLiv_Click(livello);
            auto *e = s->findChild<EtichettaAdattata *>(QStringLiteral("LabelFrase"));
            const int m = e->margin();
            const QSize spazio = e->contentsRect().adjusted(m, m, -m, -m).size();
            QFont maggiore = e->carattereMostrato();
            const double chiesti = e->font().pointSizeF(), mostrati = maggiore.pointSizeF();
            const QString dove = QStringLiteral("livello %1, %2 of %3 pt: ").arg(livello).arg(mostrati).arg(chiesti)
                + e->text();
            if (mostrati < chiesti) {
                maggiore.setPointSizeF(mostrati + 1 < std::floor(chiesti) ? mostrati + 1 : chiesti);
                QVERIFY2(!CarattereTesto::Entra(maggiore, e->text(), spazio, e->alignment()), qPrintable(dove));
            }
            const QImage img = e->grab().toImage();
            const auto righe = fasce(img), tutto = inchiostro(img);
            QVERIFY2(tutto.first().first >= m && tutto.last().second < img.height() - m, qPrintable(dove));
            QVERIFY2(righe.size() == 7, qPrintable(dove));
            int passoMin = INT_MAX, passoMax = 0;
            for (int i = 1; i < righe.size(); ++i) {
                passoMin = std::min(passoMin, righe[i].second - righe[i - 1].second);
                passoMax = std::max(passoMax, righe[i].second - righe[i - 1].second);
            }
            QVERIFY2(passoMax - passoMin <= 1, qPrintable(dove + QStringLiteral(" %1-%2").arg(passoMin).arg(passoMax)));
        }
        s->chiudi();
    }

    void everyTextShowsWhole_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("punti");
        QTest::addRow("corsivo 24") << "corsivo" << "Indis1" << 24;
        QTest::addRow("corsivo 30") << "corsivo" << "Indis1" << 30;
        QTest::addRow("maiuscolo 26") << "maiuscolo" << "arial" << 26;
        QTest::addRow("maiuscolo 30") << "maiuscolo" << "arial" << 30;
    }
    void everyTextShowsWhole()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, font);
        QFETCH(int, punti);
        Profilo.TipoCarattere = TipoLettere::daParola(tipo);
        Profilo.FontTesto = font;
        Profilo.DimensioneFontTesto = qint16(punti);
        for (const Esercizio &esercizio : Esercizi::elenco())
            controlla(esercizio);
        QCOMPARE(Profilo.DimensioneFontTesto, qint16(punti));
    }
};

ZANFRONI_TEST_MAIN(TestTestiLeggibili)
#include "tst_testileggibili.moc"
