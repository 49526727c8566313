#include "Profilo.h"
#include "Avvio.h"
#include "platform/Dialogs.h"
#include "platform/FileErrors.h"
#include "platform/PathResolver.h"
#include "platform/TextFile.h"
#include "platform/VbFormat.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

ProfiloUtente Profilo;
QString NomeUtente;
QString FileIni;
QString TagVoce;

namespace {
constexpr int kRighe = 50;

QString booleano(bool v) { return v ? QStringLiteral("True") : QStringLiteral("False"); }

bool leggiBooleano(const QString &riga)
{
    // True exactly when the line, after leading blanks, begins with an upper-case "T".
    for (QChar c : riga) {
        if (c == QLatin1Char(' '))
            continue;
        return c == QLatin1Char('T');
    }
    return false;
}

QString senzaBlanchiIniziali(const QString &riga)
{
    int i = 0;
    while (i < riga.size() && riga[i] == QLatin1Char(' '))
        ++i;
    return riga.mid(i);
}

// A profile whose file could not be loaded, until a copy of it is kept (native path).
QString fileIlleggibile;

std::optional<double> leggiNumero(const QString &riga)
{
    const QString t = riga.trimmed();
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<qint16> leggiIntero16(const QString &riga)
{
    const auto v = leggiNumero(riga);
    if (!v)
        return std::nullopt;
    const double r = std::nearbyint(*v); // banker's rounding, as the forms runtime converts
    if (r < -32768 || r > 32767)
        return std::nullopt;
    return static_cast<qint16>(r);
}

const QString kColoriPredefiniti[5][5] = {
    {QStringLiteral("FFFFCC"), QStringLiteral("sfondo"), QStringLiteral("sfondo"), QStringLiteral("sfondo"), QStringLiteral("sfondo")},
    {QStringLiteral("00FF00"), QStringLiteral("verde"), QStringLiteral("verdi"), QStringLiteral("verde"), QStringLiteral("verdi")},
    {QStringLiteral("FF0000"), QStringLiteral("rosso"), QStringLiteral("rossi"), QStringLiteral("rossa"), QStringLiteral("rosse")},
    {QStringLiteral("0000FF"), QStringLiteral("blu"), QStringLiteral("blu"), QStringLiteral("blu"), QStringLiteral("blu")},
    {QStringLiteral("FFFF00"), QStringLiteral("giallo"), QStringLiteral("gialli"), QStringLiteral("gialla"), QStringLiteral("gialle")},
};
} // namespace

ProfiloUtente::ProfiloUtente()
{
    for (int riga = 0; riga <= 4; ++riga)
        for (int col = 0; col <= 4; ++col)
            Colori[riga][col] = kColoriPredefiniti[riga][col];
}

QStringList ProfiloUtente::righe() const
{
    auto n = [](double v) { return VbFormat::printNumber(static_cast<long long>(v)); };
    QStringList r;
    r << n(VelocitaVoce) << n(TonoVoce) << booleano(ParlatoAttivo) << booleano(FumettoVisibile)
      << booleano(FumettoTuttoTesto) << FontFumetto << n(DimensioneFontFumetto) << booleano(SuoniAttivi)
      << booleano(CursoreSistema) << n(ModalitaInput) << n(VelocitaScansione);
    for (int riga = 0; riga <= 4; ++riga)
        for (int col = 0; col <= 4; ++col)
            r << Colori[riga][col];
    r << n(ColoreSfondo) << TipoCarattere << FontTesto << FontScelto << n(DimensioneFontTesto) << n(ColoreFont)
      << n(ColorePulsanti) << booleano(ColoriVari) << n(ColorePulsanteSelezionato) << n(ColoreSfondoTesto)
      << booleano(PassaggioLivelli) << booleano(TracciaAttivita) << ModoVoce << NomePersonaggio;
    return r;
}

std::optional<ProfiloUtente> ProfiloUtente::daRighe(const QStringList &righe)
{
    if (righe.size() < kRighe)
        return std::nullopt;
    ProfiloUtente p;
    int i = 0;
    bool ok = true;
    auto intero = [&](qint16 &dest) {
        const auto v = leggiIntero16(righe[i++]);
        if (v) dest = *v; else ok = false;
    };
    auto colore = [&](double &dest) {
        // A colour is a 32-bit value, signed (system colours) or not: anything wider is unconvertible.
        const auto v = leggiNumero(righe[i++]);
        if (v && *v >= -2147483648.0 && *v <= 4294967295.0) dest = std::round(*v); else ok = false;
    };
    auto booleanoDa = [&](bool &dest) { dest = leggiBooleano(righe[i++]); };
    auto stringa = [&](QString &dest) { dest = senzaBlanchiIniziali(righe[i++]); };

    intero(p.VelocitaVoce);
    intero(p.TonoVoce);
    booleanoDa(p.ParlatoAttivo);
    booleanoDa(p.FumettoVisibile);
    booleanoDa(p.FumettoTuttoTesto);
    stringa(p.FontFumetto);
    intero(p.DimensioneFontFumetto);
    booleanoDa(p.SuoniAttivi);
    booleanoDa(p.CursoreSistema);
    intero(p.ModalitaInput);
    intero(p.VelocitaScansione);
    for (int riga = 0; riga <= 4; ++riga)
        for (int col = 0; col <= 4; ++col)
            stringa(p.Colori[riga][col]);
    colore(p.ColoreSfondo);
    stringa(p.TipoCarattere);
    stringa(p.FontTesto);
    stringa(p.FontScelto);
    intero(p.DimensioneFontTesto);
    colore(p.ColoreFont);
    colore(p.ColorePulsanti);
    booleanoDa(p.ColoriVari);
    colore(p.ColorePulsanteSelezionato);
    colore(p.ColoreSfondoTesto);
    booleanoDa(p.PassaggioLivelli);
    booleanoDa(p.TracciaAttivita);
    stringa(p.ModoVoce);
    stringa(p.NomePersonaggio);
    if (!ok)
        return std::nullopt;
    return p;
}

QString LimitaNome(const QString &testo) { return testo.left(kLunghezzaMassimaNome); }

void ProfiloUtente::limitaValori()
{
    for (auto &riga : Colori)
        for (QString &parola : riga)
            parola = LimitaNome(parola);
    for (QString *nome : {&FontFumetto, &FontTesto, &FontScelto, &NomePersonaggio})
        *nome = LimitaNome(*nome);
    ModalitaInput = std::clamp<qint16>(ModalitaInput, 0, 3);
    VelocitaScansione = std::clamp<qint16>(VelocitaScansione, 4, 60);
    VelocitaVoce = std::clamp<qint16>(VelocitaVoce, 50, 250);
    TonoVoce = std::clamp<qint16>(TonoVoce, 50, 400);
    DimensioneFontTesto = std::clamp<qint16>(DimensioneFontTesto, 1, 400);
    DimensioneFontFumetto = std::clamp<qint16>(DimensioneFontFumetto, 1, 400);
}

void ImpostaColoriPredefiniti()
{
    for (int riga = 0; riga <= 4; ++riga)
        for (int col = 0; col <= 4; ++col)
            Profilo.Colori[riga][col] = kColoriPredefiniti[riga][col];
}

void ImpostaPredefiniti()
{
    ProfiloUtente predefinito;
    // Row 5 of the colour table is never set by the defaults.
    for (int col = 0; col <= 4; ++col)
        predefinito.Colori[5][col] = Profilo.Colori[5][col];
    Profilo = predefinito;
    ImpostaColoriPredefiniti();
}

namespace {
// Before the first save over a profile that could not be loaded: a copy beside it
// ("<name>.ini.illeggibile", or ".illeggibile2" ... when that is taken), its path in *copia.
bool ConservaIlleggibile(QString *copia, QString *errore)
{
    const QString nativo = PathResolver::native(FileIni);
    if (fileIlleggibile.isEmpty() || fileIlleggibile != nativo || !QFileInfo(nativo).isFile())
        return true;
    QString nome = nativo + QStringLiteral(".illeggibile");
    for (int n = 2; QFileInfo::exists(nome) || QFileInfo(nome).isSymLink(); ++n)
        nome = nativo + QStringLiteral(".illeggibile%1").arg(n);
    if (!QFile::copy(nativo, nome)) {
        *errore = QStringLiteral("Il file\n%1\nnon si poteva leggere, e non è stato possibile conservarne una "
                                 "copia in\n%2\n(%3).\nIl file non è stato modificato.")
                      .arg(nativo, nome, FileErrors::reason(nome, FileErrors::Target::File));
        return false;
    }
    fileIlleggibile.clear();
    *copia = nome;
    return true;
}
} // namespace

bool SalvaProfilo()
{
    QString errore, copia;
    const bool fatto = ConservaIlleggibile(&copia, &errore) && TextFile::writeLines(FileIni, Profilo.righe(), &errore);
    QWidget *finestra = QApplication::activeWindow();
    if (!copia.isEmpty())
        MsgBox(finestra,
               QStringLiteral("Il file delle impostazioni\n%1\nnon si poteva leggere: sono state usate le impostazioni "
                              "predefinite.\nUna copia del file com'era è conservata in\n%2%3")
                   .arg(PathResolver::native(FileIni), copia,
                        fatto ? QStringLiteral("\nIl file ora contiene le impostazioni in uso.") : QString()),
               QStringLiteral("Zanfroni"), Dialogs::Information);
    if (fatto)
        return true;
    MsgBox(finestra, QStringLiteral("Le impostazioni non sono state salvate.\n") + errore, QStringLiteral("Zanfroni"),
           Dialogs::Critical);
    return false;
}

void CaricaProfilo()
{
    fileIlleggibile.clear();
    if (!EsisteFile(FileIni)) {
        ImpostaPredefiniti();
        return;
    }
    const auto righe = TextFile::readLines(FileIni);
    const auto letto = righe ? ProfiloUtente::daRighe(*righe) : std::nullopt;
    if (!letto) {
        fileIlleggibile = PathResolver::native(FileIni);
        ImpostaPredefiniti();
        return;
    }
    const QString riga5[5] = {Profilo.Colori[5][0], Profilo.Colori[5][1], Profilo.Colori[5][2],
                              Profilo.Colori[5][3], Profilo.Colori[5][4]};
    Profilo = *letto;
    for (int col = 0; col <= 4; ++col)
        Profilo.Colori[5][col] = riga5[col];
    Profilo.limitaValori();
}

void AggiornaTagVoce()
{
    TagVoce = QStringLiteral("\\Spd=%1\\\\Pit=%2\\").arg(Profilo.VelocitaVoce).arg(Profilo.TonoVoce);
}
