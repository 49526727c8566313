#include "TastiFisici.h"

QList<TastiFisici::Azione> TastiFisici::premuto(int codice, qint64 ms, Luogo luogo)
{
    QList<Azione> azioni;
    if (attesa_) {
        if (attesa_->codice == codice && qAbs(ms - attesa_->ms) <= kCoppiaMs) {
            attesa_.reset(); // a repeat pair: the key never left
            tenuti_[codice].visto = ms;
            return azioni;
        }
        azioni = scaduto();
    }
    const auto tenuto = tenuti_.find(codice);
    if (tenuto != tenuti_.end() && ms - tenuto->visto < kSilenzioMs) {
        tenuto->visto = ms; // the key is already down: a repeat
        return azioni;
    }
    const auto prima = ultimoRilascio_.constFind(codice);
    const bool rimbalzo = prima != ultimoRilascio_.cend() && ms >= *prima && ms - *prima < finestraRimbalzoMs;
    tenuti_.insert(codice, {luogo, rimbalzo, ms});
    if (!rimbalzo)
        azioni.append({Azione::Premi, codice, luogo});
    return azioni;
}

QList<TastiFisici::Azione> TastiFisici::rilasciato(int codice, qint64 ms, Luogo luogo)
{
    QList<Azione> azioni = scaduto();
    if (!tenuti_.contains(codice))
        return azioni; // pressed before the program looked, or already released
    if (attendeCoppie) {
        attesa_ = Attesa{codice, ms, luogo};
        return azioni;
    }
    return azioni + rilascia(codice, ms, luogo);
}

QList<TastiFisici::Azione> TastiFisici::scaduto()
{
    if (!attesa_)
        return {};
    const Attesa a = *attesa_;
    attesa_.reset();
    return rilascia(a.codice, a.ms, a.luogo);
}

QList<TastiFisici::Azione> TastiFisici::rilascia(int codice, qint64 ms, Luogo luogo)
{
    const Tenuto t = tenuti_.take(codice);
    ultimoRilascio_.insert(codice, ms);
    if (t.rimbalzo || t.luogo != luogo)
        return {};
    return {{Azione::Rilascia, codice, luogo}};
}
