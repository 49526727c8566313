#include "ServiziDiProva.h"
#include "Tasti.h"
#include "shell/Schermo.h"
#include "shell/TastiFisici.h"

#include <QPushButton>
#include <QtTest>

namespace {
// A screen that records what its keys do.
class SchermoProva : public Schermo
{
public:
    explicit SchermoProva(const QString &nome) : Schermo(nome, 3000, 3000) { catturaTasti = true; }
    QStringList fatti;

protected:
    void KeyDown(int codice) override { fatti << QStringLiteral("giu %1").arg(codice); }
    void KeyUp(int codice) override { fatti << QStringLiteral("su %1").arg(codice); }
};
} // namespace

class TestTasti : public QObject
{
    Q_OBJECT
    std::unique_ptr<SchermoProva> a, b;

    static QStringList una(int codice) { return {QStringLiteral("giu %1").arg(codice), QStringLiteral("su %1").arg(codice)}; }

private slots:
    void init()
    {
        a = std::make_unique<SchermoProva>(QStringLiteral("A"));
        a->show();
        Schermo::tastiFisici().attendeCoppie = false;
    }
    void cleanup()
    {
        Schermo::tastiFisici().attendeCoppie = false;
        b.reset();
        a.reset();
    }

    // A held switch, as the X server sends it with and without detectable auto-repeat: one press,
    // and one release when the hand lets go, never while it holds.
    void aHeldKeyActsOnceOnRelease_data()
    {
        QTest::addColumn<bool>("coppie");
        QTest::newRow("repeated presses") << false;
        QTest::newRow("release/press pairs") << true;
    }
    void aHeldKeyActsOnceOnRelease()
    {
        QFETCH(bool, coppie);
        Schermo::tastiFisici().attendeCoppie = coppie;
        Tasti::premi(a.get(), Qt::Key_Space);
        for (int i = 0; i < 40; ++i) {
            if (coppie)
                Tasti::ripeti(a.get(), Qt::Key_Space, i % 3 == 0);
            else
                Tasti::evento(a.get(), QEvent::KeyPress, Qt::Key_Space, 40);
        }
        QTest::qWait(3 * 16); // any waiting release has had its time
        QCOMPARE(a->fatti, QStringList{QStringLiteral("giu 32")});
        Tasti::rilascia(a.get(), Qt::Key_Space);
        QTRY_COMPARE(a->fatti, una(32));
        QTest::qWait(3 * 16);
        QCOMPARE(a->fatti, una(32));
    }

    // Pairs are told apart by their shared timestamp: a release followed 3 ms later by a press is
    // a real release and a bounce; a press of another key lets a waiting release act first.
    void onlyTheSameTimestampMakesAPair()
    {
        TastiFisici t;
        t.attendeCoppie = true;
        using A = TastiFisici::Azione;
        const auto luogo = reinterpret_cast<TastiFisici::Luogo>(0x10);
        const QList<A> premi32{{A::Premi, 32, luogo}}, rilascia32{{A::Rilascia, 32, luogo}};
        QCOMPARE(t.premuto(32, 1000, luogo), premi32);
        QVERIFY(t.rilasciato(32, 1500, luogo).isEmpty());
        QCOMPARE(t.premuto(32, 1503, luogo), rilascia32); // then a bounce
        QVERIFY(t.rilasciato(32, 1520, luogo).isEmpty());
        QVERIFY(t.scaduto().isEmpty());
        QCOMPARE(t.premuto(13, 2000, luogo), (QList<A>{{A::Premi, 13, luogo}}));
        QVERIFY(t.rilasciato(13, 2080, luogo).isEmpty());
        const QList<A> attese{{A::Rilascia, 13, luogo}, {A::Premi, 32, luogo}};
        QCOMPARE(t.premuto(32, 2081, luogo), attese);
    }

    // A release that went to another program (the key was let go elsewhere) costs no later press.
    void aReleaseLostElsewhereCostsNoPress()
    {
        Tasti::premi(a.get(), Qt::Key_Return);
        Tasti::evento(a.get(), QEvent::KeyPress, Qt::Key_Return, 10'000);
        Tasti::rilascia(a.get(), Qt::Key_Return);
        QCOMPARE(a->fatti, QStringList{QStringLiteral("giu 13")} + una(13));
    }

    // One step per bounced press of a worn switch, also when the bounce follows a held press;
    // a second press a hand can make (200 ms later) counts again.
    void aBounceIsPartOfTheSamePress()
    {
        Tasti::rimbalza(a.get(), Qt::Key_Right);
        QCOMPARE(a->fatti, una(39));
        Tasti::tocca(a.get(), Qt::Key_Right);
        QCOMPARE(a->fatti, una(39) + una(39));
        Schermo::tastiFisici().attendeCoppie = true;
        Tasti::tieni(a.get(), Qt::Key_Return, 5);
        Tasti::rilascia(a.get(), Qt::Key_Return);
        Tasti::evento(a.get(), QEvent::KeyPress, Qt::Key_Return, 12);
        Tasti::evento(a.get(), QEvent::KeyRelease, Qt::Key_Return, 15);
        QTest::qWait(3 * 16);
        QCOMPARE(a->fatti, una(39) + una(39) + una(13));
    }

    // A press that began on one screen and ends on the next acts on neither, whatever the key
    // repeats the next screen sees; that screen's own presses count at once.
    void aPressStartedOnAnotherScreenActsOnNeither_data() { aHeldKeyActsOnceOnRelease_data(); }
    void aPressStartedOnAnotherScreenActsOnNeither()
    {
        QFETCH(bool, coppie);
        Schermo::tastiFisici().attendeCoppie = coppie;
        Tasti::premi(a.get(), Qt::Key_Return);
        b = std::make_unique<SchermoProva>(QStringLiteral("B"));
        b->show();
        a->hide();
        for (int i = 0; i < 10; ++i) {
            if (coppie)
                Tasti::ripeti(b.get(), Qt::Key_Return, i % 2);
            else
                Tasti::evento(b.get(), QEvent::KeyPress, Qt::Key_Return, 40);
        }
        Tasti::rilascia(b.get(), Qt::Key_Return);
        QTest::qWait(3 * 16);
        QCOMPARE(a->fatti, QStringList{QStringLiteral("giu 13")});
        QVERIFY(b->fatti.isEmpty());
        Tasti::tocca(b.get(), Qt::Key_Return);
        QTRY_COMPARE(b->fatti, una(13));
    }

    // Space, Enter and the arrows belong to a screen that takes them, whatever has the focus.
    void theScreenTakesItsKeysFromItsButtons()
    {
        auto *pulsante = new QPushButton(a->area());
        int premuto = 0;
        connect(pulsante, &QPushButton::clicked, [&premuto] { ++premuto; });
        pulsante->show();
        a->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(a.get()));
        pulsante->setFocus();
        QCOMPARE(QApplication::focusWidget(), pulsante);
        Tasti::tocca(pulsante, Qt::Key_Space);
        QCOMPARE(premuto, 0);
        QCOMPARE(a->fatti, una(32));
    }
};

ZANFRONI_TEST_MAIN(TestTasti)
#include "tst_tasti.moc"
