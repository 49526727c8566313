// Captions and highlights as the child sees them at 1024 x 768: every answer and menu caption shows
// whole inside its button in each letter case, and a highlight too close to the plain colour behind
// it is drawn with an edge that shows.
#include "AmbienteAllineamento.h"
#include "exercises/search/FormEs6.h"
#include "exercises/search/FormEs8.h"
#include "exercises/sentences/FormEs1.h"
#include "shell/Avvio.h"
#include "shell/CorniceEvidenza.h"
#include "shell/Esercizi.h"
#include "shell/EtichettaPulsante.h"
#include "shell/FormMenu.h"

class TestDidascalie : public ProvaConAmbiente<AmbienteAllineamento>
{
    Q_OBJECT

    // The text's ink: the pixels that change when the widget is drawn without its text.
    template <class W> static QRect inchiostro(W *w)
    {
        const QString testo = w->text();
        const QImage con = w->grab().toImage();
        w->setText(QString());
        const QImage senza = w->grab().toImage();
        w->setText(testo);
        QRect r;
        for (int y = 0; y < con.height(); ++y)
            for (int x = 0; x < con.width(); ++x)
                if (con.pixel(x, y) != senza.pixel(x, y))
                    r |= QRect(x, y, 1, 1);
        return r;
    }
    // The caption shows whole: its ink lies inside the button, clear of the outline, and is at least
    // as wide as its widest word in the font it is drawn in (a caption cut at its box is narrower).
    template <class W> static void intera(W *w, const QString &dove)
    {
        const QRect r = inchiostro(w);
        const QFontMetricsF fm(w->carattereMostrato());
        qreal parola = 0;
        for (const QString &p : w->text().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            parola = qMax(parola, fm.tightBoundingRect(p).width());
        const QString cosa = QStringLiteral("%1 \"%2\": ink %3,%4 %5x%6 in %7x%8, widest word %9")
                                 .arg(dove, w->text()).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                                 .arg(w->width()).arg(w->height()).arg(parola);
        QVERIFY2(!r.isEmpty() && w->rect().adjusted(3, 3, -3, -3).contains(r) && r.width() >= parola - 2, qPrintable(cosa));
    }
    template <class S> static S *a1024(S *s)
    {
        s->setGeometry(0, 0, 1024, 768);
        return QTest::qWaitFor([s] { return s->size() == QSize(1024, 768); }) ? s : nullptr;
    }
    FormMenu *apriMenu()
    {
        Schermi::registra(FormMenu::Nome, [] { return new FormMenu; });
        auto *m = a1024(qobject_cast<FormMenu *>(Schermi::mostra(FormMenu::Nome)));
        if (m && QTest::qWaitFor([m] { return m->attivato(); }))
            m->ImpostaUtente();
        return m;
    }
    static QRgb alCentroSinistra(QWidget *w, int x) { return w->grab().toImage().pixel(x, w->height() / 2); }

    void prepara() override
    {
        ProvaConAmbiente::prepara();
        Profilo.ParlatoAttivo = false; // the answers show their captions
    }

private slots:
    // The program's faces, the cursive one from the build.
    void initTestCase() { RegistraCorsivo(); SostituisciCaratteri(); }

    void everyCaptionShowsWholeInItsButton_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("font");
        for (const char *tipo : {"minuscolo", "maiuscolo", "corsivo", "stampatello"}) // the last unknown: as written
            QTest::addRow("%s", tipo) << tipo << (qstrcmp(tipo, "corsivo") == 0 ? "Indis1" : "arial");
    }
    void everyCaptionShowsWholeInItsButton()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, font);
        Profilo.TipoCarattere = TipoLettere::daParola(tipo);
        Profilo.FontTesto = font;
        QSet<QString> viste;
        for (const Esercizio &e : Esercizi::elenco()) {
            QPointer<FormEsercizio> s = a1024(amb->apri(e));
            QVERIFY2(s, qPrintable(e.schermo));
            // A few questions: some screens change their captions with the question.
            for (int domanda = 0; domanda < 8; ++domanda) {
                bool scritte = false;
                for (PulsanteImmagine *p : s->findChildren<PulsanteImmagine *>()) {
                    if (p->haImmagine() || p->text().isEmpty())
                        continue;
                    scritte = true;
                    viste << p->text().toLower();
                    intera(p, e.schermo);
                }
                if (!scritte)
                    break;
                s->mnuLiv_Click(s->Livello());
            }
            s->chiudi();
        }
        for (const char *attesa : {"vero", "falso", "uguali", "diversi", "diverse", "controlla"})
            QVERIFY2(viste.contains(QString::fromUtf8(attesa)), attesa);

        FormMenu *m = apriMenu();
        QVERIFY(m);
        for (int i = 0; i < m->pulsanti(); ++i)
            intera(m->pulsante(i), QStringLiteral("menu"));
    }

    void aHighlightTooCloseToThePlainColourHasAContrastingEdge_data()
    {
        QTest::addColumn<int>("evidenza");
        QTest::addColumn<QColor>("bordo");
        QTest::addColumn<QColor>("bordoDisegno"); // on the lavender drawing page
        QTest::addRow("white: a black edge") << 0xFFFFFF << QColor(Qt::black) << QColor(Qt::black);
        QTest::addRow("dark blue stands out: no edge") << 0x800000 << QColor(0, 0, 128) << QColor(0, 0, 128);
        QTest::addRow("red, 2.3:1 on lavender: an edge there only") << 0x0000FF << QColor(Qt::red) << QColor(Qt::black);
    }
    void aHighlightTooCloseToThePlainColourHasAContrastingEdge()
    {
        QFETCH(int, evidenza);
        QFETCH(QColor, bordo);
        QFETCH(QColor, bordoDisegno);
        Profilo.ColorePulsanteSelezionato = evidenza;
        Profilo.ModalitaInput = ModoInput::ScansioneManuale; // every screen starts with its first item lit
        auto bordoVisto = [&](QWidget *w, int x, const char *dove, const QColor &atteso) {
            const QRgb c = alCentroSinistra(w, x);
            QVERIFY2(qAbs(qRed(c) - atteso.red()) + qAbs(qGreen(c) - atteso.green()) + qAbs(qBlue(c) - atteso.blue()) < 60,
                     qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(dove), QColor(c).name())));
        };

        QPointer<FormEsercizio> s = a1024(amb->apri<FormEs1>());
        QVERIFY(s);
        bordoVisto(pulsante(s, 0), 3, "the lit answer", bordo);
        QCOMPARE(QColor(alCentroSinistra(pulsante(s, 1), 4)), VbColor::toQColor(Profilo.ColorePulsanti)); // the others stay plain
        s->chiudi();

        s = a1024(amb->apri<FormEs8>());
        QVERIFY(s);
        bordoVisto(s->findChild<CorniceEvidenza *>(QStringLiteral("CorniciDisegni_0")), 0, "the frame on a drawing", bordoDisegno);
        s->chiudi();

        auto *allineamento = a1024(amb->apri<FormEs6>());
        QVERIFY(allineamento);
        QVERIFY(portaA(allineamento, 0));
        bordoVisto(riquadro(allineamento), 0, "the frame on a clown", bordo);
        allineamento->chiudi();

        FormMenu *m = apriMenu();
        QVERIFY(m);
        bordoVisto(m->pulsante(0), 1, "the lit menu caption", bordo);
    }
};

ZANFRONI_TEST_MAIN(TestDidascalie)
#include "tst_didascalie.moc"
