#pragma once
#include <QList>
#include <QString>

// The users whose profiles lie in the settings folder, and the rule every user's name follows.
// The main menu and the settings screen list users only through here.

struct Utente {
    QString nome; // the file's name without its extension, as the file system spells it
    QString file; // the profile file's own name in the settings folder ("Marco.INI")

    static Utente delFile(const QString &file); // from the file's name, "*.ini"
    QString fileIni() const;                    // the settings folder followed by `file`
};

// Why `nome` cannot be a user's name (its profile is that name followed by ".ini" in the settings
// folder), or an empty string when it can.
QString MotivoNomeNonValido(const QString &nome);
// Its last rule, which colour words follow too: why the profile and report files cannot hold `nome`
// (a character the Windows character set lacks), or an empty string when they can.
QString MotivoCarattereNonConservato(const QString &nome);

// The regular files (or links to regular files) named "*.ini" in the settings folder whose names
// pass MotivoNomeNonValido, in name order; the default user included.
QList<Utente> ElencoUtenti();

// The same user: equal letter by letter without regard to case. Each letter is folded on its own,
// so a name never changes length ("Weiß" and "WEISS" are two users).
bool StessoUtente(const QString &a, const QString &b);
