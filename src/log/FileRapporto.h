#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// What a report file holds: the name and date lines, the rows of the log (exercise, level,
// right answers, wrong answers; the row numbers are not stored) and a note line.
struct Rapporto
{
    QString nome;
    QString data;
    QList<std::array<QString, 4>> righe;
    QString nota;

    bool operator==(const Rapporto &) const = default;
};

// Report files as the Windows program writes them: cp1252, CR LF, one value a line, strings bare,
// the row count (header row included) in the print form " 3 ".
namespace FileRapporto {
QStringList righe(const Rapporto &rapporto);
// Atomic: a failed write says why in *errore and keeps the old file whole.
bool scrivi(const QString &percorso, const Rapporto &rapporto, QString *errore = nullptr);
// nullopt when the file cannot be read or is not a report; the reason in *errore.
std::optional<Rapporto> leggi(const QString &percorso, QString *errore = nullptr);
std::optional<Rapporto> interpreta(const QStringList &righe, QString *errore = nullptr);

// The user's report folder, "C:\ImpostazioniProgrammiDorva\Zanfroni\Dati\<user>\". Characters that
// cannot be part of a folder name become "_".
QString cartella(const QString &nomeUtente);
// Creates the missing levels of the report folder, each creation rewriting the read-me file.
bool preparaCartella(const QString &cartella, QString *errore = nullptr);
} // namespace FileRapporto
