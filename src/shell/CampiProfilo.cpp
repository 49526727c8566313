#include "CampiProfilo.h"
#include "Profilo.h"
#include "platform/VbFormat.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <type_traits>

namespace {
QString senzaBlanchiIniziali(const QString &riga)
{
    int i = 0;
    while (i < riga.size() && riga[i] == QLatin1Char(' '))
        ++i;
    return riga.mid(i);
}

std::optional<double> leggiNumero(const QString &riga)
{
    const QString t = riga.trimmed();
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

// How each kind of setting is written on its line and read back.
template <class T> struct Codifica;

template <> struct Codifica<qint16> {
    static QString scrivi(qint16 v) { return VbFormat::printNumber(v); }
    static std::optional<qint16> leggi(const QString &riga)
    {
        const auto v = leggiNumero(riga);
        if (!v)
            return std::nullopt;
        const double r = std::nearbyint(*v); // banker's rounding, as the forms runtime converts
        if (r < -32768 || r > 32767)
            return std::nullopt;
        return static_cast<qint16>(r);
    }
};

template <> struct Codifica<bool> {
    static QString scrivi(bool v) { return v ? QStringLiteral("True") : QStringLiteral("False"); }
    // True exactly when the line, after leading blanks, begins with an upper-case "T".
    static std::optional<bool> leggi(const QString &riga) { return senzaBlanchiIniziali(riga).startsWith(QLatin1Char('T')); }
};

// A colour: a 32-bit value, signed (system colours) or not; anything wider is unconvertible.
template <> struct Codifica<double> {
    static QString scrivi(double v) { return VbFormat::printNumber(static_cast<long long>(v)); }
    static std::optional<double> leggi(const QString &riga)
    {
        const auto v = leggiNumero(riga);
        if (!v || *v < -2147483648.0 || *v > 4294967295.0)
            return std::nullopt;
        return std::round(*v);
    }
};

template <> struct Codifica<QString> {
    static QString scrivi(const QString &v) { return v; }
    static std::optional<QString> leggi(const QString &riga) { return senzaBlanchiIniziali(riga); }
};

template <> struct Codifica<ModoInput> {
    static QString scrivi(ModoInput v) { return Codifica<qint16>::scrivi(NumeroModoInput(v)); }
    static std::optional<ModoInput> leggi(const QString &riga)
    {
        const auto v = Codifica<qint16>::leggi(riga);
        return v ? std::optional(ModoInputDa(*v)) : std::nullopt;
    }
};

template <> struct Codifica<TipoLettere> {
    static QString scrivi(const TipoLettere &v) { return v.parola(); }
    static std::optional<TipoLettere> leggi(const QString &riga) { return TipoLettere::daParola(senzaBlanchiIniziali(riga)); }
};

template <class T> using Accesso = std::function<T &(ProfiloUtente &)>;
template <class T> using Limite = std::function<T(const T &)>;

template <class T>
CampoProfilo campo(const char *nome, Accesso<T> accesso, std::type_identity_t<T> predefinito,
                   std::type_identity_t<Limite<T>> limite = {})
{
    CampoProfilo c{nome,
                   [accesso](const ProfiloUtente &p) { return Codifica<T>::scrivi(accesso(const_cast<ProfiloUtente &>(p))); },
                   [accesso](ProfiloUtente &p, const QString &riga) {
                       const auto v = Codifica<T>::leggi(riga);
                       if (v)
                           accesso(p) = *v;
                       return v.has_value();
                   },
                   [accesso, predefinito](ProfiloUtente &p) { accesso(p) = predefinito; },
                   {}};
    if (limite)
        c.limita = [accesso, limite](ProfiloUtente &p) { accesso(p) = limite(accesso(p)); };
    return c;
}

template <class T>
CampoProfilo campo(const char *nome, T ProfiloUtente::*membro, std::type_identity_t<T> predefinito,
                   std::type_identity_t<Limite<T>> limite = {})
{
    return campo<T>(nome, [membro](ProfiloUtente &p) -> T & { return p.*membro; }, std::move(predefinito), std::move(limite));
}

Limite<qint16> entro(qint16 minimo, qint16 massimo)
{
    return [=](const qint16 &v) { return std::clamp(v, minimo, massimo); };
}

const char *const kColoriPredefiniti[5][5] = {
    {"FFFFCC", "sfondo", "sfondo", "sfondo", "sfondo"},
    {"00FF00", "verde", "verdi", "verde", "verdi"},
    {"FF0000", "rosso", "rossi", "rossa", "rosse"},
    {"0000FF", "blu", "blu", "blu", "blu"},
    {"FFFF00", "giallo", "gialli", "gialla", "gialle"},
};

std::vector<CampoProfilo> tabella()
{
    using P = ProfiloUtente;
    std::vector<CampoProfilo> t = {
        campo("VelocitaVoce", &P::VelocitaVoce, 130, entro(50, 250)),
        campo("TonoVoce", &P::TonoVoce, 100, entro(50, 400)),
        campo("ParlatoAttivo", &P::ParlatoAttivo, true),
        campo("FumettoVisibile", &P::FumettoVisibile, false),
        campo("FumettoTuttoTesto", &P::FumettoTuttoTesto, true),
        campo("FontFumetto", &P::FontFumetto, QStringLiteral("Arial"), LimitaNome),
        campo("DimensioneFontFumetto", &P::DimensioneFontFumetto, 14, entro(1, 400)),
        campo("SuoniAttivi", &P::SuoniAttivi, true),
        campo("CursoreSistema", &P::CursoreSistema, false),
        campo("ModalitaInput", &P::ModalitaInput, ModoInput::Mouse),
        campo("VelocitaScansione", &P::VelocitaScansione, 4, entro(4, 60)),
    };
    for (int riga = 0; riga <= 4; ++riga)
        for (int col = 0; col <= 4; ++col)
            t.push_back(campo<QString>(
                "Colori", [riga, col](P &p) -> QString & { return p.Colori[riga][col]; },
                QString::fromLatin1(kColoriPredefiniti[riga][col]), LimitaNome));
    const std::vector<CampoProfilo> dopo = {
        campo("ColoreSfondo", &P::ColoreSfondo, 16777088.0), // &HFFFF80
        campo("TipoCarattere", &P::TipoCarattere, TipoLettere(Lettere::Minuscolo)),
        campo("FontTesto", &P::FontTesto, QStringLiteral("arial"), LimitaNome),
        campo("FontScelto", &P::FontScelto, QStringLiteral("arial"), LimitaNome),
        campo("DimensioneFontTesto", &P::DimensioneFontTesto, 24, entro(1, 400)),
        campo("ColoreFont", &P::ColoreFont, -2147483630.0),     // &H80000012
        campo("ColorePulsanti", &P::ColorePulsanti, -2147483633.0), // &H8000000F
        campo("ColoriVari", &P::ColoriVari, true),
        campo("ColorePulsanteSelezionato", &P::ColorePulsanteSelezionato, 255.0),
        campo("ColoreSfondoTesto", &P::ColoreSfondoTesto, 16777215.0),
        campo("PassaggioLivelli", &P::PassaggioLivelli, false),
        campo("TracciaAttivita", &P::TracciaAttivita, false),
        campo("ModoVoce", &P::ModoVoce, QStringLiteral("{7EF71701-A92D-11d1-B17B-0020AFED142E}")),
        campo("NomePersonaggio", &P::NomePersonaggio, QStringLiteral("Merlin"), LimitaNome),
    };
    t.insert(t.end(), dopo.begin(), dopo.end());
    return t;
}
} // namespace

QString LimitaNome(const QString &testo) { return testo.left(kLunghezzaMassimaNome); }

const std::vector<CampoProfilo> &CampiProfilo()
{
    static const std::vector<CampoProfilo> campi = tabella();
    return campi;
}

void ColoriPredefiniti(ProfiloUtente &p)
{
    for (const CampoProfilo &c : CampiProfilo())
        if (qstrcmp(c.nome, "Colori") == 0)
            c.predefinisci(p);
}
