#include "Premio.h"
#include "platform/MovieDrawing.h"
#include "platform/MovieView.h"
#include "platform/PathResolver.h"
#include "platform/Rnd.h"
#include "shell/Suoni.h"

#include <algorithm>

namespace {
const QString kCartella = QStringLiteral("\\animazioni\\");

// Our movies are drawings that the movie view plays in place of ".swf" files.
int contaPremi() { return std::max(ContaFile(kCartella, QStringLiteral("swf")), ContaFile(kCartella, QStringLiteral("svg"))); }
QString premio(int k) { return App::Path() + kCartella + QString::number(k) + QStringLiteral(".swf"); }
} // namespace

QString FilmatoPremio() { return premio(RndInt(contaPremi()) + 1); }

void PreparaPremi()
{
    for (int k = 1, conta = contaPremi(); k <= conta; ++k)
        MovieDrawing::load(MovieView::fileFor(premio(k)));
}
