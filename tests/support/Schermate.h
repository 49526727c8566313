#pragma once
// Screens in tests: the one shown now, the main menu of a user, and closing what a test left open.
#include "Catalogo.h"
#include "shell/FormMenu.h"
#include "shell/Profilo.h"
#include "shell/Schermi.h"

#include <QApplication>
#include <QtTest>

namespace Schermate {

// The screen shown now, once set up and its window active; null if that does not happen.
template <class T = Schermo> T *attivo()
{
    auto *s = qobject_cast<T *>(Schermi::attivo());
    return s && QTest::qWaitFor([s] { return s->attivato(); }) && QTest::qWaitForWindowActive(s) ? s : nullptr;
}

// The main menu of the user given, as the start screen shows it; `file` is the profile's name in
// the settings folder (by default the user's name and ".ini").
inline FormMenu *apriMenu(const QString &utente = QStringLiteral("_predefinito"), const QString &file = {})
{
    NomeUtente = utente;
    FileIni = CartellaImpostazioni + (file.isEmpty() ? utente + QStringLiteral(".ini") : file);
    CaricaProfilo();
    Schermi::mostra(FormMenu::Nome);
    return attivo<FormMenu>();
}

// Every screen of the program, but a blank stand-in for the main menu: the screen a test opens
// goes back to it.
inline void registraConMenuFinto()
{
    RegistraSchermi();
    Schermi::registra(FormMenu::Nome, [] { return new Schermo(FormMenu::Nome, 3000, 3000); });
}

// Closes and deletes every screen still open.
inline void chiudiTutte()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *s = qobject_cast<Schermo *>(w))
            s->chiudi();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace Schermate
