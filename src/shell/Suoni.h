#pragma once
#include <QString>

// A random success or failure sound from "suoni\si" or "suoni\no", when sounds are on.
void SuonoSi();
void SuonoNo();
// Number of files named "*.<estensione>", in any letter case, in a folder of the program (the sounds
// and rewards are numbered from 1).
int ContaFile(const QString &cartella, const QString &estensione);
