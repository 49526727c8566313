#pragma once
#include "platform/Assistant.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/ProgramEnd.h"
#include "platform/Rnd.h"
#include "platform/SoundPlayer.h"

#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <random>
#include <vector>

// Records every message and answers input boxes and dialogs from scripted queues.
class DialoghiFinti : public Dialogs
{
public:
    struct Messaggio { QString testo, titolo; Icon icona; };
    QList<Messaggio> messaggi;
    std::deque<QString> risposte;            // input boxes; "" when empty (= cancelled)
    std::deque<std::optional<QColor>> colori; // colour dialog answers
    std::deque<std::optional<QFont>> font;   // font dialog answers; with none queued, Cancel
    bool fontOffertoSeVuoto = false;          // ... or, with this, OK on the font offered
    QList<QFont> fontOfferti;                // the fonts the font dialogs opened on
    std::deque<QString> file;
    QStringList documentiAperti;
    QStringList domande;                     // input box prompts
    std::deque<Answer> scelte;               // question boxes; No (or Cancel) when empty
    QStringList quesiti;                     // question box texts
    struct RichiestaFile { bool apri; QString titolo, filtro, cartella, estensione; };
    QList<RichiestaFile> richiesteFile;      // file dialogs shown

    void message(QWidget *, const QString &t, const QString &title, Icon icon) override { messaggi.append({t, title, icon}); }
    Answer question(QWidget *, const QString &t, const QString &, bool withCancel) override;
    QString input(QWidget *, const QString &prompt, const QString &, const QString &) override;
    std::optional<QColor> chooseColor(QWidget *) override;
    std::optional<QFont> chooseFont(QWidget *, const QFont &) override;
    QString chooseFile(QWidget *, bool, const QString &, const QString &, const QString &, const QString &,
                       const QString &) override;
    void openDocument(QWidget *, const QString &p) override { documentiAperti << p; }
};

class SuoniFinti : public SoundPlayer
{
public:
    QStringList suonati;
    bool uscita = true; // the system has an audio output
    void play(const QString &p) override { suonati << p; }
    bool hasOutput() override { return uscita; }
};

class VoceFinta : public SpeechEngine
{
public:
    struct Frase { QString testo; int velocita, tono; QString voce; };
    QList<Frase> frasi;
    int fermate = 0;
    bool parla = false;
    QList<Voice> voci{{QStringLiteral("it-1"), QStringLiteral("Italiano")}};
    explicit VoceFinta(Availability a) { setAvailability(a); }
    void disponibilita(Availability a) { setAvailability(a); }
    void say(const QString &t, int r, int p, const QString &v) override { frasi.append({t, r, p, v}); }
    void stop() override { ++fermate; parla = false; }
    bool isSpeaking() const override { return parla; }
    QList<Voice> voices() override { return voci; }
};

// Draws from a script first, in order, then from a generator seeded as the program's own.
class CasoFinto : public Random
{
public:
    void copione(const std::vector<double> &valori) { copione_.assign(valori.begin(), valori.end()); }
    int rimasti() const { return int(copione_.size()); } // scripted draws not used yet
    long estratti() const { return estratti_; }             // every draw taken, scripted or not
    void seme(unsigned int s) { generatore_.seed(s); }
    double next() override;
    void randomize() override {} // the same draws on every run

private:
    std::deque<double> copione_;
    std::mt19937 generatore_{12345u};
    long estratti_ = 0;
};

// Stands still until a test moves it on, or moves by `passoMs` each time it is read; the actions
// that fall due on the way run as it moves, in order.
class OrologioFinto : public Clock
{
public:
    qint64 passoMs = 0;
    void avanza(qint64 ms);
    qint64 nowMs() const override { return adesso_ += passoMs; }
    void singleShot(int ms, QObject *contesto, std::function<void()> azione) override;

private:
    struct Azione { qint64 quando; QPointer<QObject> contesto; std::function<void()> fai; };
    mutable qint64 adesso_ = 0;
    std::vector<Azione> attese_;
};

class FineFinta : public ProgramEnd
{
public:
    int volte = 0;
    void end() override { ++volte; }
};

// A fresh data root and the real program folder of the build, for one test.
class RadiceTemporanea
{
public:
    RadiceTemporanea();
    ~RadiceTemporanea();
    QString percorso(const QString &relativo = {}) const { return dir_.filePath(relativo); }

private:
    QTemporaryDir dir_;
};
