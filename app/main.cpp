#include "Catalogo.h"
#include "platform/Services.h"
#include "shell/Avvio.h"
#include "shell/FormMenu.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zanfroni"));
    // Qt's own dialogs (files, colours, fonts) in Italian, like the rest of the program.
    QTranslator traduzione;
    if (traduzione.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduzione);
    RegistraSchermi();
    Services::current().programEnd = &FormMenu::FineProgramma();
    switch (Main()) {
    case EsitoAvvio::Avviato: return app.exec();
    case EsitoAvvio::GiaAvviato: return 0;
    case EsitoAvvio::Fallito: break;
    }
    return 1;
}
