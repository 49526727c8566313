#include "Falsi.h"
#include "platform/PathResolver.h"

#include <algorithm>

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

std::optional<QFont> DialoghiFinti::chooseFont(QWidget *, const QFont &iniziale)
{
    fontOfferti << iniziale;
    return prendi(font, fontOffertoSeVuoto ? std::optional<QFont>(iniziale) : std::nullopt);
}

QString DialoghiFinti::chooseFile(QWidget *, bool apri, const QString &titolo, const QString &, const QString &filtro,
                                  const QString &cartella, const QString &estensione)
{
    richiesteFile.append({apri, titolo, filtro, cartella, estensione});
    return prendi(file, QString());
}

double CasoFinto::next()
{
    ++estratti_;
    if (copione_.empty())
        return std::uniform_real_distribution<double>(0.0, 1.0)(generatore_);
    const double v = copione_.front();
    copione_.pop_front();
    return v;
}

void OrologioFinto::singleShot(int ms, QObject *contesto, std::function<void()> azione)
{
    attese_.push_back({adesso_ + ms, contesto, std::move(azione)});
}

void OrologioFinto::avanza(qint64 ms)
{
    const qint64 fine = adesso_ + ms;
    for (;;) {
        // The earliest action due by then, the first asked for among equals.
        auto prossima = attese_.end();
        for (auto it = attese_.begin(); it != attese_.end(); ++it)
            if (it->quando <= fine && (prossima == attese_.end() || it->quando < prossima->quando))
                prossima = it;
        if (prossima == attese_.end())
            break;
        const Azione azione = *prossima;
        attese_.erase(prossima);
        adesso_ = std::max(adesso_, azione.quando);
        if (azione.contesto)
            azione.fai();
    }
    adesso_ = fine;
}

RadiceTemporanea::RadiceTemporanea() { PathResolver::setRoot(dir_.path()); }
RadiceTemporanea::~RadiceTemporanea() { PathResolver::setRoot(QString()); }
