#include "../exercises/AmbienteEsercizi.h"
#include "AiutiStampa.h"
#include "exercises/sentences/FormEs1.h"
#include "print/Form1.h"
#include "print/RiquadroDisegno.h"
#include "print/frmStampa.h"

#include <QLineEdit>

// The exercise screens' print menu and the picture page.
class TestStampaEsercizio : public ProvaConAmbiente<AmbienteEsercizi>
{
    Q_OBJECT

    FormEs1 *apri() { return amb->apri<FormEs1>(); }

    struct Visto { QString titolo, campi, foglio; bool riquadro = false; };
    static Visto guarda(QWidget *w)
    {
        Visto v;
        v.titolo = w->windowTitle();
        for (const char *n : {"txtPrX", "txtPrY", "txtPrW", "txtPrH"})
            v.campi += w->findChild<QLineEdit *>(QString::fromLatin1(n))->text() + QLatin1Char(' ');
        v.foglio = w->findChild<QLabel *>(QStringLiteral("lblFgW"))->text() + QLatin1Char('x')
            + w->findChild<QLabel *>(QStringLiteral("lblFgH"))->text();
        return v;
    }

    void prepara() override
    {
        ProvaConAmbiente::prepara();
        // The picture page's four drawings: a clown-shaped outline each.
        for (int i = 1; i <= 4; ++i)
            amb->scrivi(QStringLiteral("immagini/disegno%1.svg").arg(i),
                        "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 100 200'>"
                        "<ellipse cx='50' cy='100' rx='40' ry='90' fill='white' stroke='black' stroke-width='4'/></svg>");
    }

private slots:
    void printDialogFromTheMenuAndBackToTheSameQuestion()
    {
        QPointer<FormEs1> s = apri();
        QVERIFY(s);
        QTest::mouseClick(pulsante(s, s->frasi().Risposta), Qt::LeftButton);
        const QString domanda = frase(s);

        Visto orizzontale, verticale;
        alModale("frmStampa", [&](QWidget *w) { orizzontale = guarda(w); static_cast<frmStampa *>(w)->cmdChiudi_Click(); });
        s->mnuStOr_Click();
        alModale("frmStampa", [&](QWidget *w) {
            verticale = guarda(w);
            static_cast<frmStampa *>(w)->cmdStampa_Click();
        });
        s->mnuStVer_Click();
        QCOMPARE(orizzontale.campi, QStringLiteral("10 10 100 100 "));
        QCOMPARE(orizzontale.foglio, QStringLiteral("287x200"));
        QCOMPARE(verticale.foglio, QStringLiteral("200x287"));
        QCOMPARE(amb->servizi.stampanti.lavori().size(), 1);
        QCOMPARE(paginePdF(amb->servizi.stampanti.lavori().first()), QList<QSize>{QSize(595, 842)});

        // "veloce": at once, on the default printer.
        s->mnuStEserc_Click();
        QCOMPARE(amb->servizi.stampanti.lavori().size(), 2);
        QVERIFY(amb->dialoghi.messaggi.isEmpty());

        // Back on the screen: the same question, level and counts.
        QCOMPARE(frase(s), domanda);
        QCOMPARE(pannello(s, 1), QStringLiteral("Esatti 1"));
        QCOMPARE(s->Livello(), 1);
    }

    void picturePagePrintsTheChosenClownAndStaysOpen()
    {
        QPointer<FormEs1> s = apri();
        QVERIFY(s);
        QTest::mouseClick(pulsante(s, 1 - s->frasi().Risposta), Qt::LeftButton);

        Visto visto;
        QString sorgente;
        bool pagina = false, apertaDopo = false;
        alModale(Form1::staticMetaObject.className(), [&](QWidget *w) {
            auto *f = static_cast<Form1 *>(w);
            pagina = f->Disegni.size() == 4 && f->LabelIstruzione->text() == QStringLiteral("Clicca sul zanfrone che vuoi stampare");
            alModale("frmStampa", [&](QWidget *d) {
                visto = guarda(d);
                static_cast<frmStampa *>(d)->cmdChiudi_Click();
            });
            QTest::mouseClick(f->Disegni[2], Qt::LeftButton);
            apertaDopo = f->isVisible();
            f->mnuesci_Click();
        });
        s->mnuPag_Click();
        QVERIFY(pagina);
        QVERIFY(apertaDopo);
        QCOMPARE(visto.foglio, QStringLiteral("200x287"));
        QCOMPARE(pannello(s, 2), QStringLiteral("Errati 1"));
    }
};

ZANFRONI_TEST_MAIN(TestStampaEsercizio)
#include "tst_stampaesercizio.moc"
