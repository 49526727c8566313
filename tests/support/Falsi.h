#pragma once
#include "platform/Assistant.h"
#include "platform/Dialogs.h"
#include "platform/SoundPlayer.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>

// Records every message and answers input boxes and dialogs from scripted queues.
class DialoghiFinti : public Dialogs
{
public:
    struct Messaggio { QString testo, titolo; Icon icona; };
    QList<Messaggio> messaggi;
    std::deque<QString> risposte;            // input boxes; "" when empty (= cancelled)
    std::deque<std::optional<QColor>> colori; // colour dialog answers
    std::deque<std::optional<QFont>> font;
    std::deque<QString> file;
    QStringList documentiAperti;
    QStringList domande;                     // input box prompts
    std::deque<Answer> scelte;               // question boxes; No (or Cancel) when empty
    QStringList quesiti;                     // question box texts
    struct RichiestaFile { bool apri; QString titolo, filtro, cartella, estensione; };
    QList<RichiestaFile> richiesteFile;      // file dialogs shown

    DialoghiFinti() { Dialogs::setInstance(this); }
    ~DialoghiFinti() override { Dialogs::setInstance(nullptr); }

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
    SuoniFinti() { SoundPlayer::setInstance(this); }
    ~SuoniFinti() override { SoundPlayer::setInstance(nullptr); }
    void play(const QString &p) override { suonati << p; }
};

class VoceFinta : public SpeechEngine
{
public:
    struct Frase { QString testo; int velocita, tono; QString voce; };
    QList<Frase> frasi;
    int fermate = 0;
    bool parla = false;
    QList<Voice> voci{{QStringLiteral("it-1"), QStringLiteral("Italiano")}};
    // Heard from the start, unless a test says otherwise.
    VoceFinta()
    {
        setAvailability(Availability::Ready);
        SpeechEngine::setInstance(this);
    }
    ~VoceFinta() override { SpeechEngine::setInstance(nullptr); }
    void disponibilita(Availability a) { setAvailability(a); }
    void say(const QString &t, int r, int p, const QString &v) override { frasi.append({t, r, p, v}); }
    void stop() override { ++fermate; parla = false; }
    bool isSpeaking() const override { return parla; }
    QList<Voice> voices() override { return voci; }
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
