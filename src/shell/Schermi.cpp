#include "Schermi.h"
#include "Schermo.h"
#include "platform/Dialogs.h"

#include <QHash>
#include <QPointer>

namespace {
QHash<QString, Schermi::Fabbrica> &registro()
{
    static QHash<QString, Schermi::Fabbrica> r;
    return r;
}
QPointer<Schermo> g_attivo;
} // namespace

void Schermi::registra(const QString &nome, Fabbrica fabbrica) { registro().insert(nome, std::move(fabbrica)); }

bool Schermi::esiste(const QString &nome) { return registro().contains(nome); }

Schermo *Schermi::mostra(const QString &nome, Schermo *chiude)
{
    const auto it = registro().constFind(nome);
    if (it == registro().constEnd()) {
        MsgBox(chiude, QStringLiteral("Questa parte del programma non è ancora disponibile."), QStringLiteral("Zanfroni"),
               Dialogs::Information);
        return nullptr;
    }
    Schermo *nuovo = (*it)();
    g_attivo = nuovo;
    nuovo->apri();
    if (chiude)
        chiude->chiudi();
    return nuovo;
}

Schermo *Schermi::attivo() { return g_attivo; }
