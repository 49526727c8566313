#pragma once
#include <QString>

// Start-up: one copy only, the settings folders, the cursive font, the default user, the start screen.
// Anything but Avviato means the program ends at once: Fallito after a message saying what failed.
enum class EsitoAvvio { Avviato, GiaAvviato, Fallito };
EsitoAvvio Main();

// The settings root, with its trailing backslash, and the read-me file in it.
inline const QString CartellaRadice = QStringLiteral("C:\\ImpostazioniProgrammiDorva\\");
inline const QString CartellaDati = QStringLiteral("C:\\ImpostazioniProgrammiDorva\\Zanfroni\\dati");
inline const QString FileLeggimi = QStringLiteral("C:\\ImpostazioniProgrammiDorva\\leggimi.txt");
inline const QString IndirizzoSito = QStringLiteral("https://www.zanfroni.it");

// Creates the data folder standing for the drive (with its parents), then the three folders when
// missing (and installs the font with the program folder). On failure says which and why: false.
bool PreparaCartelle();
// Removes the temporary copies that saves interrupted by a crash left beside our own files.
void RimuoviCopieInterrotte();
bool EsisteCartella(const QString &percorso);
// Creates one folder level and rewrites the read-me file; false with the Italian message in *errore.
bool CreaCartella(const QString &percorso, QString *errore = nullptr);
void InstallaFont();
QString CartellaWindows();
bool EsisteFile(const QString &percorso);
// The five lines of the read-me file.
QStringList RigheLeggimi();
// Make "Arial" and "Comic Sans MS" resolve to the installed faces, in this process; and the cursive
// face "Indis1", read from the program folder the first time only (fontconfig takes several
// milliseconds, so the start screen does it once it is drawn).
void SostituisciCaratteri();
void RegistraCorsivo();
