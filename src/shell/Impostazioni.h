#pragma once
// The typed settings every screen reads, and their numbers and words in the profile file.
#include <QString>
#include <algorithm>

// How the child answers. The profile stores the number.
enum class ModoInput : qint16 { Mouse = 0, ScansioneManuale = 1, ScansioneAutomatica = 2, Tastiera = 3 };

constexpr qint16 NumeroModoInput(ModoInput m) { return static_cast<qint16>(m); }
// A stored number, kept within 0..3.
constexpr ModoInput ModoInputDa(int numero) { return static_cast<ModoInput>(std::clamp(numero, 0, 3)); }
// Manual or automatic scanning, or the arrow keys: a highlight steps over the choices.
constexpr bool ConScansione(ModoInput m) { return m != ModoInput::Mouse; }

// The letter case of every text. The profile stores a word.
enum class Lettere { Minuscolo, Maiuscolo, Corsivo, Sconosciuto };

// The stored word as read: a word the program does not know is kept as it is, texts are then shown
// as written and no letter case is marked on the settings screen.
class TipoLettere
{
public:
    TipoLettere(Lettere lettere = Lettere::Minuscolo) : lettere_(lettere) {}
    static TipoLettere daParola(const QString &parola)
    {
        for (Lettere l : {Lettere::Minuscolo, Lettere::Maiuscolo, Lettere::Corsivo})
            if (parola == TipoLettere(l).parola())
                return l;
        TipoLettere ignoto(Lettere::Sconosciuto);
        ignoto.parola_ = parola;
        return ignoto;
    }
    QString parola() const
    {
        switch (lettere_) {
        case Lettere::Minuscolo: return QStringLiteral("minuscolo");
        case Lettere::Maiuscolo: return QStringLiteral("maiuscolo");
        case Lettere::Corsivo: return QStringLiteral("corsivo");
        case Lettere::Sconosciuto: break;
        }
        return parola_;
    }
    Lettere lettere() const { return lettere_; }
    bool operator==(Lettere l) const { return lettere_ == l; }
    bool operator==(const TipoLettere &) const = default;

private:
    Lettere lettere_;
    QString parola_;
};

// The keys the screens act on, as virtual key codes (the other keys keep their plain codes).
enum class Tasto : int { Invio = 13, Spazio = 32, Sinistra = 37, Su = 38, Destra = 39, Giu = 40 };

constexpr int CodiceTasto(Tasto t) { return static_cast<int>(t); }
constexpr bool operator==(int codice, Tasto t) { return codice == CodiceTasto(t); }
