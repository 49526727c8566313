#pragma once
#include <QString>
#include <functional>

class Schermo;

// Every full-screen screen is reached by name: showing one opens a fresh copy and closes the caller.
namespace Schermi {
using Fabbrica = std::function<Schermo *()>;
void registra(const QString &nome, Fabbrica fabbrica);
bool esiste(const QString &nome);
// Opens the screen named so full screen, then closes `chiude`. A screen that does not exist yet
// is announced in Italian and the caller stays open (nullptr).
Schermo *mostra(const QString &nome, Schermo *chiude = nullptr);
// The screen shown last, while it is open.
Schermo *attivo();
} // namespace Schermi
