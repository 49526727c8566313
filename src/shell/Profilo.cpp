#include "Profilo.h"
#include "Avvio.h"
#include "CampiProfilo.h"
#include "platform/Dialogs.h"
#include "platform/FileErrors.h"
#include "platform/PathResolver.h"
#include "platform/TextFile.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

ProfiloUtente Profilo;
QString NomeUtente;
QString FileIni;
QString TagVoce;

namespace {
// A profile whose file could not be loaded, until a copy of it is kept (native path).
QString fileIlleggibile;
} // namespace

ProfiloUtente::ProfiloUtente()
{
    for (const CampoProfilo &c : CampiProfilo())
        c.predefinisci(*this);
}

QStringList ProfiloUtente::righe() const
{
    QStringList r;
    for (const CampoProfilo &c : CampiProfilo())
        r << c.scrivi(*this);
    return r;
}

std::optional<ProfiloUtente> ProfiloUtente::daRighe(const QStringList &righe)
{
    const auto &campi = CampiProfilo();
    if (righe.size() < qsizetype(campi.size()))
        return std::nullopt;
    ProfiloUtente p;
    for (size_t i = 0; i < campi.size(); ++i)
        if (!campi[i].leggi(p, righe[qsizetype(i)]))
            return std::nullopt;
    return p;
}

void ProfiloUtente::limitaValori()
{
    for (const CampoProfilo &c : CampiProfilo())
        if (c.limita)
            c.limita(*this);
}

void ImpostaColoriPredefiniti() { ColoriPredefiniti(Profilo); }

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
