#include "Falsi.h"
#include "platform/PathResolver.h"

namespace {
template <class T> T prendi(std::deque<T> &coda, T vuoto)
{
    if (coda.empty())
        return vuoto;
    T v = coda.front();
    coda.pop_front();
    return v;
}
} // namespace

QString DialoghiFinti::input(QWidget *, const QString &prompt, const QString &, const QString &)
{
    domande << prompt;
    return prendi(risposte, QString());
}

Dialogs::Answer DialoghiFinti::question(QWidget *, const QString &t, const QString &, bool withCancel)
{
    quesiti << t;
    return prendi(scelte, withCancel ? Cancel : No);
}

std::optional<QColor> DialoghiFinti::chooseColor(QWidget *) { return prendi(colori, std::optional<QColor>()); }

std::optional<QFont> DialoghiFinti::chooseFont(QWidget *, const QFont &) { return prendi(font, std::optional<QFont>()); }

QString DialoghiFinti::chooseFile(QWidget *, bool apri, const QString &titolo, const QString &, const QString &filtro,
                                  const QString &cartella, const QString &estensione)
{
    richiesteFile.append({apri, titolo, filtro, cartella, estensione});
    return prendi(file, QString());
}

double CasoFinto::next()
{
    if (copione_.empty())
        return std::uniform_real_distribution<double>(0.0, 1.0)(generatore_);
    const double v = copione_.front();
    copione_.pop_front();
    return v;
}

RadiceTemporanea::RadiceTemporanea() { PathResolver::setRoot(dir_.path()); }
RadiceTemporanea::~RadiceTemporanea() { PathResolver::setRoot(QString()); }
