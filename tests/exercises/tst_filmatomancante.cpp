#include "AmbienteEsercizi.h"
#include "exercises/sentences/FormEs1.h"

// A clown drawing missing from the program's folder: the screen still works and says so, once.
class TestFilmatoMancante : public QObject
{
    Q_OBJECT
private slots:
    void aMissingClownIsReportedOnScreenOnce()
    {
        AmbienteEsercizi amb;
        QVERIFY(QFile::remove(amb.programma.filePath(QStringLiteral("swf/zanfrone1.svg"))));
        for (int volta = 0; volta < 2; ++volta) {
            QPointer<FormEs1> s = amb.apri<FormEs1>();
            QVERIFY(s);
            QTest::qWait(50);
            QVERIFY(!frase(s).isEmpty()); // the question is asked all the same
            s->mnuesci_Click();
        }
        QCOMPARE(amb.dialoghi.messaggi.size(), 1);
        QVERIFY(amb.dialoghi.messaggi[0].testo.contains(amb.programma.filePath(QStringLiteral("swf/zanfrone1.svg"))));
    }
};

ZANFRONI_TEST_MAIN(TestFilmatoMancante)
#include "tst_filmatomancante.moc"
