#include "Premio.h"
#include "platform/PathResolver.h"
#include "platform/Rnd.h"
#include "shell/Suoni.h"

#include <algorithm>

QString FilmatoPremio()
{
    const QString cartella = QStringLiteral("\\animazioni\\");
    // Our movies are drawings that the movie view plays in place of ".swf" files.
    const int conta = std::max(ContaFile(cartella, QStringLiteral("swf")), ContaFile(cartella, QStringLiteral("svg")));
    const int k = RndInt(conta) + 1;
    return App::Path() + cartella + QString::number(k) + QStringLiteral(".swf");
}
