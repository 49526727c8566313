// An empty window shown as the program shows its screens (borderless, the whole screen also without a
// window manager), linked with the program's libraries: the start-up any Qt program of this kind
// pays, for bench_avvio to compare with.
#include <QApplication>
#include <QMainWindow>
#include <QScreen>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow finestra(nullptr, Qt::FramelessWindowHint);
    finestra.setWindowTitle(QStringLiteral("finestra vuota"));
    finestra.setGeometry(finestra.screen()->geometry());
    finestra.showFullScreen();
    return app.exec();
}
