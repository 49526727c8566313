#include "FileRapporto.h"
#include "platform/PathResolver.h"
#include "platform/TextFile.h"
#include "platform/VbFormat.h"
#include "shell/Attivita.h"
#include "shell/Avvio.h"

namespace {
// A name or date line: outer blanks and enclosing quotes are dropped, as the Windows program
// read them; the whole line counts, commas included.
QString campo(QString riga)
{
    riga = riga.trimmed();
    if (riga.size() >= 2 && riga.startsWith(QLatin1Char('"')) && riga.endsWith(QLatin1Char('"')))
        riga = riga.mid(1, riga.size() - 2);
    return riga;
}

// The row count: a whole number between blanks (" 3 "), possibly with a sign; the header row
// counts, so no more than the activity table's rows and one.
std::optional<int> numero(const QString &riga)
{
    bool ok = false;
    const qlonglong n = riga.trimmed().toLongLong(&ok);
    if (!ok || n < 1 || n > kRigheAttivita + 1)
        return std::nullopt;
    return int(n);
}

bool errore(QString *e, const QString &testo)
{
    if (e)
        *e = testo;
    return false;
}
} // namespace

QStringList FileRapporto::righe(const Rapporto &r)
{
    QStringList out{r.nome, r.data, VbFormat::printNumber(r.righe.size() + 1)};
    for (const auto &riga : r.righe)
        for (const QString &cella : riga)
            out << cella;
    out << r.nota;
    return out;
}

bool FileRapporto::scrivi(const QString &percorso, const Rapporto &r, QString *e)
{
    return TextFile::writeLines(percorso, righe(r), e);
}

std::optional<Rapporto> FileRapporto::leggi(const QString &percorso, QString *e)
{
    const auto testo = TextFile::readLines(percorso, e);
    if (!testo)
        return std::nullopt;
    QString motivo;
    auto rapporto = interpreta(*testo, &motivo);
    if (!rapporto && e)
        *e = QStringLiteral("Il file\n%1\nnon è un rapporto valido (%2).").arg(PathResolver::native(percorso), motivo);
    return rapporto;
}

std::optional<Rapporto> FileRapporto::interpreta(const QStringList &testo, QString *e)
{
    if (testo.size() < 3) {
        errore(e, QStringLiteral("il file è troppo corto"));
        return std::nullopt;
    }
    const auto righeGriglia = numero(testo[2]);
    if (!righeGriglia) {
        errore(e, QStringLiteral("il numero di righe non è valido"));
        return std::nullopt;
    }
    const qsizetype servono = 3 + qsizetype(*righeGriglia - 1) * 4;
    if (testo.size() < servono) {
        errore(e, QStringLiteral("il file ha meno righe di quelle dichiarate"));
        return std::nullopt;
    }
    Rapporto r;
    r.nome = campo(testo[0]);
    r.data = campo(testo[1]);
    for (qsizetype i = 3; i < servono; i += 4)
        r.righe.append({testo[i], testo[i + 1], testo[i + 2], testo[i + 3]});
    // A file whose last line (the note, usually empty) was lost still shows its rows.
    r.nota = testo.size() > servono ? testo[servono] : QString();
    return r;
}

QString FileRapporto::cartella(const QString &nomeUtente)
{
    QString nome = nomeUtente;
    for (QChar &c : nome)
        if (QStringLiteral("\\/:*?\"<>|").contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    if (nome.trimmed().isEmpty() || nome == QLatin1String(".") || nome == QLatin1String(".."))
        nome = QStringLiteral("_");
    return CartellaDati + QLatin1Char('\\') + nome + QLatin1Char('\\');
}

bool FileRapporto::preparaCartella(const QString &cartella, QString *e)
{
    // Each level from the settings root down, so that a removed "dati" folder comes back too.
    const QStringList parti = cartella.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    QString percorso;
    for (const QString &parte : parti) {
        percorso += parte + QLatin1Char('\\');
        if (percorso.size() <= 3) // the drive
            continue;
        if (!EsisteCartella(percorso) && !CreaCartella(percorso, e))
            return false;
    }
    return true;
}
