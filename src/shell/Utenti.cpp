#include "Utenti.h"
#include "Profilo.h"
#include "platform/PathResolver.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr int kLunghezzaMassima = 64;
const QString kEstensione = QStringLiteral(".ini");
} // namespace

Utente Utente::delFile(const QString &file) { return {file.chopped(kEstensione.size()), file}; }

QString Utente::fileIni() const { return CartellaImpostazioni + file; }

QString MotivoNomeNonValido(const QString &nome)
{
    if (nome.isEmpty())
        return QStringLiteral("Scrivi il nome del nuovo utente.");
    if (nome.size() > kLunghezzaMassima)
        return QStringLiteral("Il nome può avere al massimo %1 caratteri.").arg(kLunghezzaMassima);
    if (nome.startsWith(QLatin1Char('.')))
        return QStringLiteral("Il nome non può cominciare con un punto.");
    static const QString vietati = QStringLiteral("\\/:*?\"<>|");
    for (QChar c : nome)
        if (vietati.contains(c) || c.unicode() < 32 || c.unicode() == 127)
            return QStringLiteral("Il nome non può contenere i caratteri  \\ / : * ? \" < > |");
    return MotivoCarattereNonConservato(nome);
}

QString MotivoCarattereNonConservato(const QString &nome)
{
    // Reports and profiles hold names in the Windows character set, where a missing letter would become '?'.
    for (qsizetype i = 0; i < nome.size(); ++i)
        if (!TextFile::holdsCp1252(nome[i])) {
            const bool coppia = nome[i].isHighSurrogate() && i + 1 < nome.size() && nome[i + 1].isLowSurrogate();
            return QStringLiteral("Il nome non può contenere il carattere \u00AB%1\u00BB, che i file del programma "
                                  "non sanno conservare.")
                .arg(nome.mid(i, coppia ? 2 : 1));
        }
    return {};
}

QList<Utente> ElencoUtenti()
{
    // Without QDir::Hidden and QDir::System: no hidden names, no devices, pipes or broken links.
    const QDir cartella(PathResolver::native(CartellaImpostazioni));
    const QFileInfoList voci = cartella.entryInfoList({QStringLiteral("*.ini")}, QDir::Files,
                                                      QDir::Name | QDir::IgnoreCase);
    QList<Utente> utenti;
    for (const QFileInfo &voce : voci) {
        const QString file = voce.fileName();
        if (!file.endsWith(kEstensione, Qt::CaseInsensitive) || !voce.isFile())
            continue;
        const Utente u = Utente::delFile(file);
        if (MotivoNomeNonValido(u.nome).isEmpty())
            utenti.append(u);
    }
    return utenti;
}

bool StessoUtente(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
