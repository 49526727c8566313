// Writes where the end-to-end scripts look at the main menu's buttons on their 1024 x 768 screen:
// one "x,y" a line, a few pixels inside each button's top left corner, the catalogue's exercises in
// menu order and "esci" last. Run by the build on the screen-less platform; argument: the file.
#include "Catalogo.h"
#include "Falsi.h"
#include "Schermate.h"
#include "ServiziDiProva.h"
#include "shell/EtichettaPulsante.h"

#include <QApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    RadiceTemporanea radice;
    ServiziDiProva servizi;
    RegistraSchermi();
    FormMenu *menu = Schermate::apriMenu();
    if (!menu)
        return 1;
    menu->setGeometry(0, 0, 1024, 768);
    if (!QTest::qWaitFor([menu] { return menu->size() == QSize(1024, 768); }))
        return 1;
    QByteArray punti;
    for (int i = 0; i < menu->pulsanti(); ++i) {
        const QPoint p = menu->pulsante(i)->mapTo(menu, QPoint(6, 6));
        punti += QByteArray::number(p.x()) + ',' + QByteArray::number(p.y()) + '\n';
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(punti) != punti.size() || !file.flush())
        return 1;
    Schermate::chiudiTutte();
    return 0;
}
