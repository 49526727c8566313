// The users page: default user, a listed user, or a new one.
#include "FormConfigura.h"
#include "shell/Profilo.h"
#include "shell/Utenti.h"
#include "platform/Assistant.h"
#include "platform/Dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {
const QString kPredefinito = QStringLiteral("_predefinito");
const QString kTitolo = QStringLiteral("Zanfroni");
constexpr int kRuoloFile = Qt::UserRole; // an entry's profile file name, as listed
} // namespace

void FormConfigura::costruisciPaginaUtenti()
{
    QFrame *pagina = Pagine[0] = nuovaPagina(QStringLiteral("FrameUtente"));
    auto *gruppo = new QButtonGroup(this);
    const char *const testi[3] = {"Utente predefinito", "Modifica utente", "Nuovo utente"};
    for (int i = 0; i < 3; ++i) {
        OptionUtente[i] = new QRadioButton(QString::fromUtf8(testi[i]), pagina);
        posiziona(OptionUtente[i], QStringLiteral("OptionUtente_%1").arg(i), 480, 480 + i * 600, 3480, 420);
        gruppo->addButton(OptionUtente[i], i);
        connect(OptionUtente[i], &QRadioButton::clicked, this, [this, i] { OptionUtente_Click(i); });
    }

    ListModificaUtente = new QListWidget(pagina);
    ListModificaUtente->setFont(QFont(QStringLiteral("Arial"), 13));
    posiziona(ListModificaUtente, QStringLiteral("ListModificaUtente"), 4200, 480, 4920, 4800);
    ListModificaUtente->hide();
    connect(ListModificaUtente, &QListWidget::currentRowChanged, this, &FormConfigura::ListModificaUtente_Click);

    TextNuovoUtente = new QLineEdit(pagina);
    TextNuovoUtente->setMaxLength(200);
    posiziona(TextNuovoUtente, QStringLiteral("TextNuovoUtente"), 4200, 1620, 4920, 480);
    TextNuovoUtente->hide();
    connect(TextNuovoUtente, &QLineEdit::textChanged, this, &FormConfigura::TextNuovoUtente_Change);
    // Leaving the field (focus moved, Enter) settles the name; a name already settled by "&Esci" or a
    // page change is not judged again when the field loses the focus afterwards.
    connect(TextNuovoUtente, &QLineEdit::editingFinished, this, [this] {
        if (!TextNuovoUtente->isHidden() && TextNuovoUtente->text() != testoGiudicato_)
            ConfermaNuovoUtente();
    });

    CheckSalvaUtente = new QCheckBox(QStringLiteral("Tieni traccia dell'attività eseguita"), pagina);
    posiziona(CheckSalvaUtente, QStringLiteral("CheckSalvaUtente"), 480, 5880, 8640, 420);
    connect(CheckSalvaUtente, &QCheckBox::clicked, this, &FormConfigura::CheckSalvaUtente_Click);
}

bool FormConfigura::salvaPrimaDelCambio()
{
    // When the file cannot be written the switch does not happen: loading another user now would
    // lose the settings on screen. SalvaProfilo has already said why.
    return SalvaProfilo();
}

void FormConfigura::mostraUtente() { LabelUtente->setText(NomeUtente); }

void FormConfigura::passaAUtente(const QString &nome, const QString &fileIni)
{
    NomeUtente = nome;
    FileIni = fileIni;
    mostraUtente();
    CaricaProfilo();
    // The assistant takes the chosen user's character and voice.
    CaricaAssistente();
    ImpostaAssistente();
    ImpostaConfigurazioni();
}

void FormConfigura::OptionUtente_Click(int indice)
{
    if (!salvaPrimaDelCambio()) {
        QButtonGroup *gruppo = OptionUtente[indice]->group();
        gruppo->setExclusive(false);
        for (int i = 0; i < 3; ++i)
            OptionUtente[i]->setChecked(i == opzioneUtente_);
        gruppo->setExclusive(true);
        return;
    }
    opzioneUtente_ = indice;
    switch (indice) {
    case 0:
        TextNuovoUtente->hide();
        ListModificaUtente->hide();
        passaAUtente(kPredefinito, CartellaImpostazioni + kPredefinito + QStringLiteral(".ini"));
        break;
    case 1: {
        ListModificaUtente->show();
        const QSignalBlocker blocco(ListModificaUtente);
        ListModificaUtente->clear();
        for (const Utente &u : ElencoUtenti()) {
            if (StessoUtente(u.nome, kPredefinito))
                continue;
            auto *voce = new QListWidgetItem(u.nome.toUpper(), ListModificaUtente);
            voce->setData(kRuoloFile, u.file);
        }
        ListModificaUtente->setCurrentRow(-1);
        TextNuovoUtente->hide();
        break;
    }
    case 2: {
        utentePrima_ = NomeUtente;
        fileIniPrima_ = FileIni;
        {
            const QSignalBlocker blocco(TextNuovoUtente);
            TextNuovoUtente->clear();
        }
        testoGiudicato_.clear();
        TextNuovoUtente->show();
        TextNuovoUtente->setFocus();
        ListModificaUtente->hide();
        break;
    }
    }
}

void FormConfigura::ListModificaUtente_Click(int riga)
{
    if (riga < 0 || riga >= ListModificaUtente->count())
        return;
    if (!salvaPrimaDelCambio()) {
        const QSignalBlocker blocco(ListModificaUtente);
        ListModificaUtente->setCurrentRow(-1);
        return;
    }
    // The entry shows the name in capitals; the user is its own file, whatever the capitals make of it.
    const Utente u = Utente::delFile(ListModificaUtente->item(riga)->data(kRuoloFile).toString());
    passaAUtente(u.nome, u.fileIni());
}

std::optional<Utente> FormConfigura::utenteEsistente(const QString &nome) const
{
    for (const Utente &u : ElencoUtenti())
        if (StessoUtente(u.nome, nome))
            return u;
    if (StessoUtente(nome, kPredefinito)) // its file need not exist yet
        return Utente{kPredefinito, kPredefinito + QStringLiteral(".ini")};
    return std::nullopt;
}

void FormConfigura::TextNuovoUtente_Change(const QString &testo)
{
    // Only a name that can become a new file is taken; otherwise the user chosen before stays current.
    const QString nome = testo.trimmed();
    if (!nome.isEmpty() && MotivoNomeNonValido(nome).isEmpty() && !utenteEsistente(nome)) {
        NomeUtente = nome;
        FileIni = CartellaImpostazioni + nome + QStringLiteral(".ini");
    } else {
        NomeUtente = utentePrima_;
        FileIni = fileIniPrima_;
    }
    mostraUtente();
}

bool FormConfigura::ConfermaNuovoUtente()
{
    testoGiudicato_ = TextNuovoUtente->text();
    const QString nome = testoGiudicato_.trimmed();
    if (nome.isEmpty())
        return true;
    const QString motivo = MotivoNomeNonValido(nome);
    if (!motivo.isEmpty()) {
        MsgBox(this, QStringLiteral("Il nome \"%1\" non può essere usato per un nuovo utente.\n%2").arg(nome, motivo),
               kTitolo, Dialogs::Exclamation);
        return false;
    }
    const std::optional<Utente> esistente = utenteEsistente(nome);
    if (!esistente)
        return true;
    // An existing user is chosen, never overwritten.
    {
        const QSignalBlocker blocco(TextNuovoUtente);
        TextNuovoUtente->clear();
    }
    TextNuovoUtente->hide();
    QButtonGroup *gruppo = OptionUtente[0]->group();
    gruppo->setExclusive(false);
    for (QRadioButton *o : OptionUtente)
        o->setChecked(false);
    gruppo->setExclusive(true);
    opzioneUtente_ = -1;
    passaAUtente(esistente->nome, esistente->fileIni());
    MsgBox(this, QStringLiteral("Esiste già un utente con il nome \"%1\": sono state caricate le sue impostazioni.")
               .arg(esistente->nome), kTitolo, Dialogs::Information);
    return true;
}

void FormConfigura::CheckSalvaUtente_Click(bool spuntato) { Profilo.TracciaAttivita = spuntato; }
