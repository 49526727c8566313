#pragma once
#include <QHash>
#include <QList>
#include <optional>

// Turns the key events of the window system into one press and one release per physical press.
// A held key must not act again: an X server repeats it as further presses, or (without detectable
// auto-repeat) as release/press pairs with one timestamp, only some of them flagged as repeats. A
// worn switch bounces: it touches again a few milliseconds after it was let go. A release acts only
// where its press happened. Times are milliseconds, as the events carry them.
class TastiFisici
{
public:
    using Luogo = const void *; // the window a key event went to
    struct Azione
    {
        enum Tipo { Premi, Rilascia } tipo;
        int codice;
        Luogo luogo;
        bool operator==(const Azione &) const = default;
    };

    // A second contact sooner than this after a release belongs to the same press.
    static constexpr int finestraRimbalzoMs = 150;
    // A press this close to the release before it is the other half of a repeat pair.
    static constexpr int kCoppiaMs = 1;
    // A key silent for this long while held cannot be repeating: its release went to another
    // program, and this press is a new one.
    static constexpr int kSilenzioMs = 5000;

    // On while the window system may split a held key into unflagged release/press pairs: a
    // release then waits, until `scaduto` or the next key event, for the press that would pair it.
    bool attendeCoppie = false;

    // Flagged repeats are not given here. Each returns the actions to run, in order.
    QList<Azione> premuto(int codice, qint64 ms, Luogo luogo);
    QList<Azione> rilasciato(int codice, qint64 ms, Luogo luogo);
    // The wait for a pairing press is over: the waiting release was real.
    QList<Azione> scaduto();
    bool inAttesa() const { return attesa_.has_value(); }

private:
    struct Tenuto
    {
        Luogo luogo;
        bool rimbalzo;
        qint64 visto; // its last press or repeat
    };
    struct Attesa
    {
        int codice;
        qint64 ms;
        Luogo luogo;
    };
    QList<Azione> rilascia(int codice, qint64 ms, Luogo luogo);

    QHash<int, Tenuto> tenuti_;
    QHash<int, qint64> ultimoRilascio_;
    std::optional<Attesa> attesa_;
};
