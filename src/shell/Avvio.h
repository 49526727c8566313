#pragma once
#include <QString>

// Start-up: one copy only, the settings folders, the cursive font, the default user, the start screen.
// Returns false when the program must end at once (another copy runs, or a folder cannot be made).
bool Main();

// The settings root, with its trailing backslash, and the read-me file in it.
inline const QString CartellaRadice = QStringLiteral("C:\\ImpostazioniProgrammiDorva\\");
inline const QString CartellaDati = QStringLiteral("C:\\ImpostazioniProgrammiDorva\\Zanfroni\\dati");
inline const QString FileLeggimi = QStringLiteral("C:\\ImpostazioniProgrammiDorva\\leggimi.txt");
inline const QString IndirizzoSito = QStringLiteral("https://www.zanfroni.it");

// Creates the three folders when missing (and installs the font with the program folder).
// On failure says which folder and why, and answers false.
bool PreparaCartelle();
bool EsisteCartella(const QString &percorso);
// Creates one folder level and rewrites the read-me file; false with the reason in *errore.
bool CreaCartella(const QString &percorso, QString *errore = nullptr);
void InstallaFont();
QString CartellaWindows();
bool EsisteFile(const QString &percorso);
// The five lines of the read-me file.
QStringList RigheLeggimi();
// Makes "Indis1", "Arial" and "Comic Sans MS" resolve to the installed faces, in this process.
void RegistraCaratteri();
