#include "FormEserciziEseguiti.h"
#include "UscitaStampa.h"
#include "print/LavoroStampa.h"
#include "print/MotoreStampa.h"
#include "platform/Dialogs.h"
#include "platform/PrinterCatalogue.h"
#include "platform/Services.h"
#include "shell/Attivita.h"
#include "shell/Avvio.h"
#include "shell/DialoghiComuni.h"
#include "shell/FormMenu.h"
#include "shell/Profilo.h"
#include "shell/Schermi.h"

#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QTableWidget>
#include <QTimer>

namespace {
const QColor kSfondo(0xFF, 0xFF, 0xC0);
const QString kTitolo = QStringLiteral("Zanfroni");
const QString kFiltro = QStringLiteral("|*.rpt");
const QStringList kIntestazioni{QStringLiteral("Esercizio"), QStringLiteral("Livello"), QStringLiteral("Esatti"),
                                QStringLiteral("Errati")};

std::unique_ptr<QPrinter> stampantePredefinita()
{
    return Services::current().printers->open(MotoreStampa::istanza().NomeStampantePredefinita());
}

QLabel *etichetta(QWidget *padre, double punti, bool grassetto)
{
    auto *l = new QLabel(padre);
    l->setTextFormat(Qt::PlainText); // report lines come from files: never markup
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    l->setFont(f);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}
} // namespace

FormEserciziEseguiti::FormEserciziEseguiti() : Schermo(Nome, 7740, 5970)
{
    coloreSfondo(kSfondo);
    LabelNome = etichetta(area(), 15.75, true);
    posiziona(LabelNome, QStringLiteral("LabelNome"), 240, 120, 7260, 480);
    LabelData = etichetta(area(), 14.25, true);
    posiziona(LabelData, QStringLiteral("LabelData"), 240, 600, 7260, 420);

    GrigliaAttivita = new QTableWidget(area());
    GrigliaAttivita->setFont(QFont(QStringLiteral("Arial"), 10));
    GrigliaAttivita->setColumnCount(4);
    GrigliaAttivita->setHorizontalHeaderLabels(kIntestazioni);
    GrigliaAttivita->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GrigliaAttivita->setSelectionMode(QAbstractItemView::NoSelection);
    GrigliaAttivita->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GrigliaAttivita->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GrigliaAttivita->verticalHeader()->setDefaultAlignment(Qt::AlignHCenter | Qt::AlignTop);
    GrigliaAttivita->horizontalHeader()->setHighlightSections(false);
    posiziona(GrigliaAttivita, QStringLiteral("GrigliaAttivita"), 240, 1140, 7260, 4080);

    LabelNota = etichetta(area(), 12, false);
    posiziona(LabelNota, QStringLiteral("LabelNota"), 240, 5340, 7260, 480);

    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    connect(mnuFile->addAction(QStringLiteral("Salva")), &QAction::triggered, this, &FormEserciziEseguiti::mnuSalva_Click);
    connect(mnuFile->addAction(QStringLiteral("Apri")), &QAction::triggered, this, &FormEserciziEseguiti::mnuApri_Click);
    connect(menuBar()->addAction(QStringLiteral("&Stampa")), &QAction::triggered, this,
            &FormEserciziEseguiti::mnuStampa_Click);
    connect(menuBar()->addAction(QStringLiteral("&Esci")), &QAction::triggered, this,
            &FormEserciziEseguiti::mnuesci_Click);
}


void FormEserciziEseguiti::Form_Activate()
{
    LabelNome->setText(NomeUtente);
    // The system's short date, in Italian wherever the system speaks another language.
    QLocale lingua = QLocale::system();
    if (lingua.language() != QLocale::Italian)
        lingua = QLocale(QLocale::Italian, QLocale::Italy);
    LabelData->setText(QStringLiteral("Data ") + lingua.toString(QDate::currentDate(), QLocale::ShortFormat));

    // Column widths: 1, 10, 4, 4 and 4 twenty-fourths of the grid's width (in twips).
    const int u = GrigliaAttivita->width() * 15 / 24;
    GrigliaAttivita->verticalHeader()->setFixedWidth(u / 15);
    const int parti[4] = {10, 4, 4, 4};
    for (int c = 0; c < 4; ++c)
        GrigliaAttivita->setColumnWidth(c, parti[c] * u / 15);

    Rapporto r;
    const int righe = qBound(0, int(NumeroAttivita), kRigheAttivita);
    for (int i = 1; i <= righe; ++i)
        r.righe.append({AttivitaEseguite[i][0], AttivitaEseguite[i][1], AttivitaEseguite[i][2], AttivitaEseguite[i][3]});
    r.nome = LabelNome->text();
    r.data = LabelData->text();
    mostra(r);
}

void FormEserciziEseguiti::mostra(const Rapporto &r)
{
    LabelNome->setText(r.nome);
    LabelData->setText(r.data);
    LabelNota->setText(r.nota);
    GrigliaAttivita->clearContents();
    GrigliaAttivita->setRowCount(int(r.righe.size()));
    QStringList numeri;
    for (int i = 0; i < r.righe.size(); ++i) {
        numeri << QString::number(i + 1);
        for (int c = 0; c < 4; ++c) {
            auto *cella = new QTableWidgetItem(r.righe[i][c]);
            cella->setTextAlignment(c < 2 ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
            GrigliaAttivita->setItem(i, c, cella);
        }
    }
    GrigliaAttivita->setVerticalHeaderLabels(numeri);
    GrigliaAttivita->setCurrentCell(-1, -1);
}

Rapporto FormEserciziEseguiti::rapporto() const
{
    Rapporto r{LabelNome->text(), LabelData->text(), {}, LabelNota->text()};
    for (int i = 0; i < GrigliaAttivita->rowCount(); ++i) {
        std::array<QString, 4> riga;
        for (int c = 0; c < 4; ++c)
            if (const QTableWidgetItem *cella = GrigliaAttivita->item(i, c))
                riga[c] = cella->text();
        r.righe.append(riga);
    }
    return r;
}

PaginaRegistro FormEserciziEseguiti::pagina() const
{
    const Rapporto r = rapporto();
    PaginaRegistro p{NomeUtente, r.nome, r.data, r.nota, {}, {}, GrigliaAttivita->font()};
    p.celle.append(QStringList{QString()} + kIntestazioni);
    for (int i = 0; i < r.righe.size(); ++i)
        p.celle.append(QStringList{QString::number(i + 1), r.righe[i][0], r.righe[i][1], r.righe[i][2], r.righe[i][3]});
    p.larghezze.append(GrigliaAttivita->verticalHeader()->width() * 15.0);
    for (int c = 0; c < 4; ++c)
        p.larghezze.append(GrigliaAttivita->columnWidth(c) * 15.0);
    return p;
}

void FormEserciziEseguiti::errore(const QString &dettaglio)
{
    MsgBox(this, QStringLiteral("Si è verificato un errore!") + (dettaglio.isEmpty() ? QString() : QStringLiteral("\n\n") + dettaglio),
           kTitolo, Dialogs::Critical);
}

QString FormEserciziEseguiti::scegliRapporto(int modo, const QString &titolo)
{
    // The user's report folder is made first, so that the dialog opens in it.
    const QString cartella = FileRapporto::cartella(NomeUtente);
    QString motivo;
    if (!FileRapporto::preparaCartella(cartella, &motivo)) {
        errore(motivo);
        return {};
    }
    return ScegliFile(this, modo, titolo, QString(), kFiltro, cartella, QStringLiteral("rpt"));
}

void FormEserciziEseguiti::mnuSalva_Click()
{
    const QString file = scegliRapporto(2, QStringLiteral("Salva"));
    if (file.isEmpty())
        return; // cancelled: nothing to say, nothing written
    QString motivo;
    if (!FileRapporto::scrivi(file, rapporto(), &motivo))
        errore(motivo);
}

void FormEserciziEseguiti::mnuApri_Click()
{
    const QString file = scegliRapporto(1, QStringLiteral("Apri"));
    if (file.isEmpty())
        return; // cancelled: the grid stays as it was
    // The grid changes only when the whole file has been read.
    QString motivo;
    const auto letto = FileRapporto::leggi(file, &motivo);
    if (!letto)
        return errore(motivo);
    mostra(*letto);
}

void FormEserciziEseguiti::mnuStampa_Click()
{
    if (Services::current().dialogs->question(this, QStringLiteral("Avvio la stampa?"), kTitolo, false) != Dialogs::Yes)
        return;
    std::unique_ptr<QPrinter> stampante = stampantePredefinita();
    if (!stampante) {
        MsgBox(this, QStringLiteral("Non è installata nessuna stampante: non posso stampare."), kTitolo,
               Dialogs::Exclamation);
        return;
    }
    MsgBox(this, QStringLiteral("Sto stampando"), kTitolo, Dialogs::Information);
    // The wide table goes on a landscape sheet.
    stampante->setPageOrientation(QPageLayout::Landscape);
    stampante->setDocName(QStringLiteral("Esercizi eseguiti"));
    const QString motivo = LavoroStampa(*stampante, [this](QPainter &painter) {
        UscitaStampa uscita(painter);
        StampaGriglia(uscita, pagina(), 2, 2);
    });
    if (!motivo.isEmpty())
        MsgBox(this, MessaggioStampaFallita(NomeDiStampante(*stampante), motivo), kTitolo, Dialogs::Exclamation);
}

void FormEserciziEseguiti::mnuesci_Click() { Schermi::mostra(FormMenu::Nome, this); }

bool FormEserciziEseguiti::chiusuraDalSistema()
{
    // Alt+F4 leaves as "&Esci" does.
    QTimer::singleShot(0, this, &FormEserciziEseguiti::mnuesci_Click);
    return false;
}
