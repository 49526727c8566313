#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// The settings of one user, in the order of the profile file (50 lines).
struct ProfiloUtente {
    ProfiloUtente(); // every item at its default

    qint16 VelocitaVoce = 130;
    qint16 TonoVoce = 100;
    bool ParlatoAttivo = true;
    bool FumettoVisibile = false;
    bool FumettoTuttoTesto = true;
    QString FontFumetto = QStringLiteral("Arial");
    qint16 DimensioneFontFumetto = 14;
    bool SuoniAttivi = true;
    bool CursoreSistema = false;
    qint16 ModalitaInput = 0;
    qint16 VelocitaScansione = 4;
    QString Colori[6][5];              // rows 0..4 saved; row 5 never set
    double ColoreSfondo = 16777088;    // &HFFFF80
    QString TipoCarattere = QStringLiteral("minuscolo");
    QString FontTesto = QStringLiteral("arial");
    QString FontScelto = QStringLiteral("arial");
    qint16 DimensioneFontTesto = 24;
    double ColoreFont = -2147483630;   // &H80000012
    double ColorePulsanti = -2147483633; // &H8000000F
    bool ColoriVari = true;
    double ColorePulsanteSelezionato = 255;
    double ColoreSfondoTesto = 16777215;
    bool PassaggioLivelli = false;
    bool TracciaAttivita = false;
    QString ModoVoce = QStringLiteral("{7EF71701-A92D-11d1-B17B-0020AFED142E}");
    QString NomePersonaggio = QStringLiteral("Merlin");

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
