#include "Suoni.h"
#include "Profilo.h"
#include "platform/PathResolver.h"
#include "platform/Rnd.h"
#include "platform/Services.h"
#include "platform/SoundPlayer.h"

#include <QDir>

namespace {
void suonoDa(const QString &cartella)
{
    if (!Profilo.SuoniAttivi)
        return;
    const int n = ContaFile(cartella, QStringLiteral("wav"));
    const int k = RndInt(n) + 1;
    // A missing file stays silent.
    const QString file = PathResolver::native(App::Path() + cartella + QString::number(k) + QStringLiteral(".wav"));
    Services::current().sounds->play(file);
}
} // namespace

int ContaFile(const QString &cartella, const QString &estensione)
{
    const QDir dir(PathResolver::native(App::Path() + cartella));
    const QString fine = QLatin1Char('.') + estensione;
    int n = 0;
    for (const QString &nome : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (nome.endsWith(fine, Qt::CaseInsensitive))
            ++n;
    return n;
}

void SuonoSi() { suonoDa(QStringLiteral("\\suoni\\si\\")); }
void SuonoNo() { suonoDa(QStringLiteral("\\suoni\\no\\")); }
