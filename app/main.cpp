#include "shell/Avvio.h"
#include "shell/Schermi.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zanfroni"));
    RegistraSchermi();
    if (!Main())
        return 0;
    return app.exec();
}
