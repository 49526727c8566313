#pragma once
#include "Impostazioni.h"

#include <QString>
#include <QStringList>
#include <optional>

// The settings of one user. The field table in CampiProfilo.cpp gives each its line of the profile
// file (50 lines, in that order), its default and its range.
struct ProfiloUtente {
    ProfiloUtente(); // every item at its default

    qint16 VelocitaVoce;
    qint16 TonoVoce;
    bool ParlatoAttivo;
    bool FumettoVisibile;
    bool FumettoTuttoTesto;
    QString FontFumetto;
    qint16 DimensioneFontFumetto;
    bool SuoniAttivi;
    bool CursoreSistema;
    ModoInput ModalitaInput;
    qint16 VelocitaScansione;
    QString Colori[6][5];              // rows 0..4 saved; row 5 never set
    double ColoreSfondo;
    TipoLettere TipoCarattere;
    QString FontTesto;
    QString FontScelto;
    qint16 DimensioneFontTesto;
    double ColoreFont;
    double ColorePulsanti;
    bool ColoriVari;
    double ColorePulsanteSelezionato;
    double ColoreSfondoTesto;
    bool PassaggioLivelli;
    bool TracciaAttivita;
    QString ModoVoce;
    QString NomePersonaggio;

    // The 50 lines of the profile file.
    QStringList righe() const;
    // All 50 values from the lines, or nothing when a line is missing or cannot be converted.
    static std::optional<ProfiloUtente> daRighe(const QStringList &righe);
    // Keeps the numbers within the ranges the settings screen offers, and names and colour words
    // within kLunghezzaMassimaNome characters.
    void limitaValori();
};

// Colour words, font and character names longer than this are cut (a damaged file must not
// give a screen megabytes of text to lay out).
constexpr int kLunghezzaMassimaNome = 64;
QString LimitaNome(const QString &testo);

// The current user's profile and the state beside it, read by every screen.
extern ProfiloUtente Profilo;
extern QString NomeUtente;
extern QString FileIni;
extern QString TagVoce;

// The program settings folder, with its trailing backslash.
inline const QString CartellaImpostazioni = QStringLiteral("C:\\ImpostazioniProgrammiDorva\\Zanfroni\\");

void ImpostaPredefiniti();
void ImpostaColoriPredefiniti();
// Writes the profile to FileIni atomically; on failure says so (naming the file) and keeps the old file.
// The first save over a file that could not be loaded keeps a copy of it first, and says so.
bool SalvaProfilo();
// Reads the whole profile from FileIni, or sets every item to its default (a file that is there
// but cannot be loaded is remembered for SalvaProfilo).
void CaricaProfilo();
// "\Spd=130\\Pit=100\"
void AggiornaTagVoce();
