// Exercise texts at 1024 x 768 in large letters: every sentence and every trait shows whole, the
// size kept in the profile does not change, and the cursive letters are as tall as the plain ones,
// their lines evenly spaced with loops clear of the neighbouring lines' small letters.
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
    // The height of the ink of "aoe" in `font`.
    static int altezzaAoe(const QFont &font)
    {
        QImage img(200, 200, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setFont(font);
        p.drawText(10, 150, QStringLiteral("aoe"));
        p.end();
        const auto r = inchiostro(img);
        return r.size() == 1 ? r[0].second - r[0].first + 1 : -1;
    }

    // The text shows whole in the font it is drawn in, within the box less its margins.
    static bool intero(const EtichettaAdattata *e)
    {
        const int m = e->margin();
        const QRect r = e->contentsRect().adjusted(m, m, -m, -m);
        const Impaginazione righe(e->carattereMostrato(), e->text(), r.width());
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
    void initTestCase() { RegistraCaratteri(); } // the program's cursive face, from the build

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

    // The ink a second line adds to a first one lies wholly below the first line's ink: its
    // ascenders stay clear of the small letters above, the descenders above stay clear of its small
    // letters.
    void cursiveLoopsStayClearOfTheNeighboursSmallLetters()
    {
        if (!conCorsivo())
            QSKIP("the cursive face is not installed");
        auto disegno = [](const QString &testo) {
            const Impaginazione righe(CarattereTesto::Crea(QStringLiteral("Indis1"), 24), testo, 400);
            QImage img(400, 400, QImage::Format_RGB32);
            img.fill(Qt::white);
            QPainter p(&img);
            righe.disegna(p, QRectF(0, 20, 400, righe.altezza()), Qt::AlignHCenter | Qt::AlignTop);
            return img;
        };
        for (const auto &[sopra, sotto] : {std::pair{"aoe xoae", "Èl bhL"}, std::pair{"fgjpqyz Gg", "aoe xoae"}}) {
            const QString testo = QString::fromUtf8(sopra) + QLatin1Char('\n') + QString::fromUtf8(sotto);
            QImage due = disegno(testo);
            const QImage una = disegno(QString::fromUtf8(sopra));
            for (int y = 0; y < due.height(); ++y) // what the second line adds
                for (int x = 0; x < due.width(); ++x)
                    if (qGray(una.pixel(x, y)) < 128)
                        due.setPixel(x, y, qRgb(255, 255, 255));
            QVERIFY2(inchiostro(due).first().first > inchiostro(una).last().second, qPrintable(testo));
        }
    }

    // "Colora il zanfrone" levels 4 to 6 (seven sentences), rendered: the cursive small letters are
    // at least 80% as tall as the plain ones, the lines follow one even pitch, no ink is cut.
    void cursiveLinesAreEvenAndNearlyFullSize_data()
    {
        QTest::addColumn<QSize>("schermo");
        QTest::addColumn<int>("punti");
        QTest::addRow("1024x768 24") << QSize(1024, 768) << 24;
        QTest::addRow("1920x1080 30") << QSize(1920, 1080) << 30;
    }
    void cursiveLinesAreEvenAndNearlyFullSize()
    {
        if (!conCorsivo())
            QSKIP("the cursive face is not installed");
        QFETCH(QSize, schermo);
        QFETCH(int, punti);
        Profilo.DimensioneFontTesto = qint16(punti);
        int semplice = INT_MAX;
        for (int corsivo : {0, 1}) {
            Profilo.TipoCarattere = corsivo ? Lettere::Corsivo : Lettere::Minuscolo;
            Profilo.FontTesto = corsivo ? QStringLiteral("Indis1") : QStringLiteral("arial");
            QPointer<FormEs4> s = amb->apri<FormEs4>();
            QVERIFY(s);
            s->setGeometry(QRect(QPoint(0, 0), schermo));
            QTRY_COMPARE(s->size(), schermo);
            for (int livello = 4; livello <= 6; ++livello) {
                s->mnuLiv_Click(livello);
                auto *e = s->findChild<EtichettaAdattata *>(QStringLiteral("Label1"));
                const int x = altezzaAoe(e->carattereMostrato());
                if (!corsivo) {
                    semplice = std::min(semplice, x);
                    continue;
                }
                const QImage img = e->grab().toImage();
                const auto righe = fasce(img), tutto = inchiostro(img);
                const QString dove = QStringLiteral("livello %1, %2 / %3: ").arg(livello).arg(x).arg(semplice) + e->text();
                QVERIFY2(x >= 0.8 * semplice, qPrintable(dove));
                QVERIFY2(tutto.first().first >= e->margin() && tutto.last().second < img.height() - e->margin(), qPrintable(dove));
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
