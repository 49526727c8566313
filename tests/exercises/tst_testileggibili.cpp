// Exercise texts at 1024 x 768 in large letters: every sentence and every trait shows whole, the
// size kept in the profile does not change, and the cursive letters are as tall as the plain ones.
#include "AmbienteAllineamento.h"
#include "exercises/frame/EtichettaAdattata.h"
#include "exercises/search/FormEs7.h"
#include "exercises/sentences/FormEs1.h"
#include "exercises/sentences/FormEs4.h"
#include "exercises/sentences/FormEs5.h"
#include "shell/Avvio.h"
#include "shell/CarattereTesto.h"
#include "shell/Impaginazione.h"

#include <QFontInfo>

class TestTestiLeggibili : public QObject
{
    Q_OBJECT
    std::unique_ptr<AmbienteEsercizi> amb;

    static double altezzaX(const QFont &f) { return QFontMetricsF(f).tightBoundingRect(QStringLiteral("x")).height(); }

    // The text shows whole in the font it is drawn in, within the box less its margins.
    static bool intero(const EtichettaAdattata *e)
    {
        const int m = e->margin();
        const QRect r = e->contentsRect().adjusted(m, m, -m, -m);
        const Impaginazione righe(e->carattereMostrato(), e->text(), r.width());
        return !e->text().isEmpty() && !righe.parolaTroppoLarga() && righe.altezza() <= r.height();
    }

    template <class T> void controlla(const QString &nome, const QString &attivita, int livello, const char *testo)
    {
        QPointer<T> s = amb->apri<T>(nome, attivita);
        QVERIFY(s);
        s->setGeometry(0, 0, 1024, 768);
        QTRY_COMPARE(s->size(), QSize(1024, 768));
        s->mnuLiv_Click(livello);
        for (int volta = 0; volta < 5; ++volta) { // a few exercises: the texts differ in length
            const auto *e = s->template findChild<EtichettaAdattata *>(QString::fromLatin1(testo));
            QVERIFY2(intero(e), qPrintable(nome + QStringLiteral(": ") + e->text()));
            QCOMPARE(e->font().pointSizeF(), CarattereTesto::Crea(Profilo.FontTesto, Profilo.DimensioneFontTesto).pointSizeF());
            s->mnuLiv_Click(livello);
        }
        s->chiudi();
    }

private slots:
    void initTestCase() { RegistraCaratteri(); } // the program's cursive face, from the build

    void init() { amb = nuovoAmbienteAllineamento(); }
    void cleanup() { amb.reset(); }

    void cursiveSmallLettersAreAsTallAsPlainOnes()
    {
        if (!QFontInfo(QFont(QStringLiteral("Indis1"))).family().contains(QLatin1String("Ecolier")))
            QSKIP("the cursive face is not installed");
        for (int punti : {12, 24, 30}) {
            const double corsiva = altezzaX(CarattereTesto::Crea(QStringLiteral("Indis1"), punti));
            const double semplice = altezzaX(CarattereTesto::Crea(QStringLiteral("Arial"), punti));
            QVERIFY2(qAbs(corsiva - semplice) <= 0.15 * semplice, qPrintable(QStringLiteral("%1 / %2").arg(corsiva).arg(semplice)));
        }
        QCOMPARE(CarattereTesto::Scala(QStringLiteral("Arial")), 1.0);
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
        Profilo.TipoCarattere = tipo;
        Profilo.FontTesto = font;
        Profilo.DimensioneFontTesto = qint16(punti);
        controlla<FormEs4>(QStringLiteral("FormEs4"), QStringLiteral("Colora il zanfrone"), 6, "Label1");
        controlla<FormEs7>(QStringLiteral("FormEs7"), QStringLiteral("Indovina chi?"), 5, "Text1");
        controlla<FormEs5>(QStringLiteral("FormEs5"), QStringLiteral("Insiemi"), 4, "Label1");
        controlla<FormEs1>(QStringLiteral("FormEs1"), QStringLiteral("Vero - falso"), 6, "Label1");
        QCOMPARE(Profilo.DimensioneFontTesto, qint16(punti));
    }
};

ZANFRONI_TEST_MAIN(TestTestiLeggibili)
#include "tst_testileggibili.moc"
