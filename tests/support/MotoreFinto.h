#pragma once
#include <QtPlugin>

// A QTextToSpeech engine named "finto", built into the tests, that behaves as the test says: it reads
// (each sentence Speaking, then Ready), stays mute, has no voice, fails on every sentence, or hangs
// in its connection until released, as a speech service that accepts and never answers.
// A test that uses it says Q_IMPORT_PLUGIN(PluginMotoreFinto) once.
namespace MotoreFinto {
enum class Modo { Legge, Muto, SenzaVoci, Errore, Bloccato };
void imposta(Modo modo);
// A hanging connection goes on as `poi`.
void sblocca(Modo poi);
int frasiLette();
} // namespace MotoreFinto
