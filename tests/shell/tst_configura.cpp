#include "MotoreFinto.h"
#include "ProvaFresca.h"
#include "platform/MovieView.h"
#include "platform/PathResolver.h"
#include "platform/QtSpeechEngine.h"
#include "platform/TextFile.h"
#include "shell/Profilo.h"
#include "shell/Tavolozza.h"
#include "shell/configura/CasellaColore.h"
#include "shell/configura/FormConfigura.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QtTest>

Q_IMPORT_PLUGIN(PluginMotoreFinto)

class TestConfigura : public ProvaConCartella
{
    Q_OBJECT

    QPointer<FormConfigura> f;

    QString cartella() const { return radice->percorso(QStringLiteral("ImpostazioniProgrammiDorva/Zanfroni")); }
    QString file(const QString &nome) const { return cartella() + QLatin1Char('/') + nome; }
    QStringList fileProfili() const
    {
        return QDir(cartella()).entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name);
    }
    void scriviProfilo(const QString &nome, const ProfiloUtente &p)
    {
        QVERIFY(TextFile::writeLines(file(nome), p.righe()));
    }
    ProfiloUtente leggiProfilo(const QString &nome)
    {
        const auto righe = TextFile::readLines(file(nome));
        return righe ? ProfiloUtente::daRighe(*righe).value_or(ProfiloUtente()) : ProfiloUtente();
    }
    void apri()
    {
        f = new FormConfigura;
        f->apri();
        QTRY_VERIFY(f->attivato());
    }
    template <class T> T *c(const QString &nome) const
    {
        T *w = f->findChild<T *>(nome);
        if (!w)
            qFatal("missing control %s", qPrintable(nome));
        return w;
    }
    QString etichetta(const QString &nome) const { return c<QLabel>(nome)->text(); }
    void pagina(int i) { f->findChild<QTabBar *>(QStringLiteral("TabSchede"))->setCurrentIndex(i); }

    void prepara() override
    {
        ProvaConCartella::prepara();
        QDir().mkpath(cartella());
        PreparaTavolozza();
        NomeUtente = QStringLiteral("_predefinito");
        FileIni = CartellaImpostazioni + QStringLiteral("_predefinito.INI");
        ImpostaPredefiniti();
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }
    void smonta() override
    {
        delete f;
        ProvaConCartella::smonta();
    }

public:
    TestConfigura() : ProvaConCartella(ServiziDiProva::Udibile) {}

private slots:
    void paletteCellsLieInTheirPlacesAndShowTheirColours()
    {
        const QList<QPoint> p = FormConfigura::posizioniCaselle();
        QCOMPARE(QSet<QPoint>(p.begin(), p.end()).size(), 216); // no place used twice

        apri();
        QCOMPARE(c<CasellaColore>(QStringLiteral("CasellaColorata_215"))->colore(), QColor(0x00, 0x33, 0xFF));
        // A click sets only the chosen row.
        pagina(1);
        const QStringList prima = Profilo.righe();
        c<CasellaColore>(QStringLiteral("CasellaColorata_7"))->click(); // no row chosen
        QCOMPARE(Profilo.righe(), prima);

        c<QRadioButton>(QStringLiteral("OptionRigaColori_0"))->click(); // "Sfondo": the code only, nothing asked
        c<CasellaColore>(QStringLiteral("CasellaColorata_7"))->click();
        QCOMPARE(Profilo.Colori[0][0], QStringLiteral("FF9900"));
        QVERIFY(servizi->dialoghi.domande.isEmpty());
        QCOMPARE(f->anteprima()->backgroundColor(), QColor(0xFF, 0x99, 0x00));
    }

    void theFourWordFormsAreAskedAndCaptionsFollow()
    {
        apri();
        pagina(1);
        auto *riga2 = c<QRadioButton>(QStringLiteral("OptionRigaColori_2"));
        riga2->click();
        // A word the profile cannot hold is refused as a user's name is, and asked again.
        servizi->dialoghi.risposte = {QStringLiteral("viola"), QStringLiteral("żółty"), QStringLiteral("viola"), QString(),
                                      QStringLiteral("viola")};
        c<CasellaColore>(QStringLiteral("CasellaColorata_108"))->click(); // 990099
        QCOMPARE(servizi->dialoghi.domande.size(), 5);
        QCOMPARE(servizi->dialoghi.domande[2], servizi->dialoghi.domande[1]);
        QCOMPARE(servizi->dialoghi.domande[4], QStringLiteral("Inserisci la parola che descrive il colore al FEMMINILE PLURALE"));
        QCOMPARE(servizi->dialoghi.messaggi.size(), 1);
        QVERIFY(servizi->dialoghi.messaggi[0].testo.endsWith(MotivoNomeNonValido(QStringLiteral("żółty"))));
        QCOMPARE(Profilo.Colori[2][0], QStringLiteral("990099"));
        QCOMPARE(Profilo.Colori[2][3], QString()); // the cancelled box leaves the word empty
        QCOMPARE(riga2->text(), QStringLiteral("viola - viola -  - viola"));
        // Row 2 paints the hair and the trousers of the preview.
        QCOMPARE(f->anteprima()->fillOf(QStringLiteral("capelli.interno")), QColor(0x99, 0x00, 0x99));
        QCOMPARE(f->anteprima()->fillOf(QStringLiteral("camicia.interno")), QColor(0x00, 0x00, 0xFF));

        c<QPushButton>(QStringLiteral("CommandColoriPredefiniti"))->click();
        QCOMPARE(riga2->text(), QStringLiteral("rosso - rossi - rossa - rosse"));
        QCOMPARE(f->anteprima()->fillOf(QStringLiteral("capelli.interno")), QColor(0xFF, 0x00, 0x00));
    }

    void cursiveRemembersTheChosenFont()
    {
        Profilo.FontTesto = Profilo.FontScelto = QStringLiteral("Verdana");
        apri();
        auto *corsivo = c<QRadioButton>(QStringLiteral("corsivo"));
        corsivo->click();
        corsivo->click(); // a second click must not forget the font
        QCOMPARE(Profilo.FontTesto + Profilo.FontScelto, QStringLiteral("Indis1Verdana"));

        // A font chosen while cursive is on changes the size in use and the remembered font only.
        servizi->dialoghi.font.push_back(QFont(QStringLiteral("Courier"), 30));
        c<QPushButton>(QStringLiteral("CommandSceltaFont"))->click();
        QCOMPARE(Profilo.FontTesto + Profilo.FontScelto, QStringLiteral("Indis1Courier"));
        QCOMPARE(Profilo.DimensioneFontTesto, qint16(30));

        c<QRadioButton>(QStringLiteral("maiuscolo"))->click();
        QCOMPARE(Profilo.FontTesto, QStringLiteral("Courier"));
    }

    // The font dialogs open on the stored family (the face it is drawn with: the dialog lists no
    // aliases) and the stored size, not the enlarged cursive sample's; OK without a change leaves the
    // profile byte for byte, and a new size alone keeps the family word as written.
    void fontDialogsOpenOnTheStoredFont_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<int>("scheda");
        QTest::newRow("corsivo") << "corsivo" << "CommandSceltaFont" << 3;
        QTest::newRow("minuscolo") << "minuscolo" << "CommandSceltaFont" << 3;
        QTest::newRow("balloon") << "corsivo" << "CommandFontFumetto" << 4;
    }
    void fontDialogsOpenOnTheStoredFont()
    {
        QFETCH(QString, caso);
        QFETCH(QString, pulsante);
        QFETCH(int, scheda);
        const bool fumetto = pulsante == QLatin1String("CommandFontFumetto");
        Profilo.TipoCarattere = TipoLettere::daParola(caso);
        Profilo.FontTesto = caso == QLatin1String("corsivo") ? QStringLiteral("Indis1") : QStringLiteral("arial");
        scriviProfilo(QStringLiteral("_predefinito.INI"), Profilo);
        QFile file(this->file(QStringLiteral("_predefinito.INI")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray prima = file.readAll();
        file.close();
        QString &parola = fumetto ? Profilo.FontFumetto : Profilo.FontScelto;
        const qint16 &dimensione = fumetto ? Profilo.DimensioneFontFumetto : Profilo.DimensioneFontTesto;
        const qint16 dimensionePrima = dimensione;
        const QString parolaPrima = parola; // "Arial", "arial"
        apri();
        pagina(scheda);
        DialoghiFinti &dialoghi = servizi->dialoghi;
        dialoghi.fontOffertoSeVuoto = true;
        for (int volta = 0; volta < 2; ++volta)
            c<QPushButton>(pulsante)->click();
        QVERIFY(SalvaProfilo()); // as the screen does on leaving
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), prima);

        QCOMPARE(dialoghi.fontOfferti.size(), 2);
        const QFont offerto = dialoghi.fontOfferti[1];
        QCOMPARE(offerto, dialoghi.fontOfferti[0]);
        QCOMPARE(offerto.pointSize(), int(dimensionePrima));
        QVERIFY2(QFontDatabase::families().contains(offerto.family()), qPrintable(offerto.family()));
        QCOMPARE(QFontInfo(offerto).family(), QFontInfo(QFont(parolaPrima)).family());

        // A new size alone; then a new family.
        dialoghi.font = {QFont(offerto.family(), 30), QFont(QStringLiteral("DejaVu Serif"), 30)};
        c<QPushButton>(pulsante)->click();
        QCOMPARE(parola + QString::number(dimensione), parolaPrima + QStringLiteral("30"));
        c<QPushButton>(pulsante)->click();
        QCOMPARE(parola, QStringLiteral("DejaVu Serif"));
        if (!fumetto)
            QCOMPARE(Profilo.FontTesto, caso == QLatin1String("corsivo") ? QStringLiteral("Indis1") : parola);

        // The size field emptied: the message, and neither family nor size stored.
        dialoghi.font = {QFont(QStringLiteral("Liberation Serif"))};
        c<QPushButton>(pulsante)->click();
        QCOMPARE(parola + QString::number(dimensione), QStringLiteral("DejaVu Serif30"));
        QCOMPARE(dialoghi.messaggi.last().testo, QStringLiteral("selezionare sia il tipo di font che la dimensione"));
    }

    void fillingFromTheProfileRunsNoHandler()
    {
        Profilo.TipoCarattere = Lettere::Corsivo;
        Profilo.FontTesto = QStringLiteral("Indis1");
        Profilo.FontScelto = QStringLiteral("Verdana");
        Profilo.ModalitaInput = ModoInput::ScansioneAutomatica;
        Profilo.VelocitaScansione = 8;
        Profilo.VelocitaVoce = 999; // beyond what the screen offers
        const ProfiloUtente prima = Profilo;
        apri();
        pagina(4); // fills the voice and character lists
        pagina(5);
        f->ImpostaConfigurazioni();
        QVERIFY(servizi->voce.frasi.isEmpty());
        QVERIFY(fileProfili().isEmpty());
        QCOMPARE(Profilo.FontScelto, prima.FontScelto);
        QCOMPARE(Profilo.ModoVoce, prima.ModoVoce);
        QCOMPARE(Profilo.VelocitaVoce, qint16(250)); // clamped to the scroll bar
        QCOMPARE(c<QScrollBar>(QStringLiteral("HScrollVelocitaScansione"))->value(), 8);
    }

    void voicePageSpeaksAndStoresTheVoice()
    {
        servizi->voce.voci = {{QStringLiteral("it-1"), QStringLiteral("Italiano")}, {QStringLiteral("it-2"), QStringLiteral("Paola")}};
        apri();
        pagina(4);
        QVERIFY(f->Assistente()->Visible());
        auto *elencoVoci = c<QListWidget>(QStringLiteral("ListVoci"));
        elencoVoci->setCurrentRow(1);
        QCOMPARE(f->Assistente()->TTSModeID(), QStringLiteral("{it-2}"));

        c<QScrollBar>(QStringLiteral("HScrollVelocitaVoce"))->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        c<QScrollBar>(QStringLiteral("HScrollTonoVoce"))->triggerAction(QAbstractSlider::SliderPageStepAdd);
        c<QPushButton>(QStringLiteral("CommandProvaVoce"))->click();
        QCOMPARE(servizi->voce.frasi.size(), 1);
        QCOMPARE(servizi->voce.frasi[0].velocita, 131);
        QCOMPARE(servizi->voce.frasi[0].tono, 105);

        c<QCheckBox>(QStringLiteral("CheckParlato"))->click(); // speech off disables the speech controls
        QVERIFY(!Profilo.ParlatoAttivo);
        QVERIFY(!c<QWidget>(QStringLiteral("CommandProvaVoce"))->isEnabled());

        pagina(0);
        QVERIFY(!f->Assistente()->Visible());
    }

    void withoutAVoiceThePageSaysWhyItsListIsEmpty()
    {
        servizi->voce.voci.clear();
        servizi->voce.disponibilita(SpeechEngine::Availability::Starting);
        apri();
        pagina(4);
        auto *elencoVoci = c<QListWidget>(QStringLiteral("ListVoci"));
        auto *nota = c<QLabel>(QStringLiteral("NotaVoci"));
        QCOMPARE(elencoVoci->count(), 0);
        QVERIFY(nota->isVisible());
        QVERIFY(!nota->text().contains(QStringLiteral("Nessuna voce")));

        servizi->voce.voci = {{QStringLiteral("it-1"), QStringLiteral("Italiano")}, {QStringLiteral("it-2"), QStringLiteral("Paola")}};
        servizi->voce.disponibilita(SpeechEngine::Availability::Ready); // the speech thread's news fills the list
        QCOMPARE(elencoVoci->count(), 2);
        QVERIFY(!nota->isVisible());
        QCOMPARE(elencoVoci->currentRow(), -1);

        servizi->voce.voci.clear();
        servizi->voce.disponibilita(SpeechEngine::Availability::Unavailable);
        QCOMPARE(elencoVoci->count(), 0);
        QVERIFY(nota->isVisible());
        QVERIFY(nota->text().startsWith(QStringLiteral("Nessuna voce disponibile")));
        pagina(0);
        pagina(4);
        QVERIFY(nota->isVisible());
        QVERIFY(servizi->dialoghi.messaggi.isEmpty()); // said on the page, not in a box at every visit

        // Voices, but no audio output to hear them through: none is offered, and the note says why.
        servizi->voce.voci = {{QStringLiteral("it-1"), QStringLiteral("Italiano")}};
        servizi->suoni.uscita = false;
        servizi->voce.disponibilita(SpeechEngine::Availability::Ready);
        QCOMPARE(elencoVoci->count(), 0);
        QVERIFY(nota->isVisible());
        QVERIFY(nota->text().startsWith(QStringLiteral("Nessuna uscita audio")));
    }

    void theScreenAnswersEveryClickAtOnceWhileTheSpeechServiceHangs()
    {
        MotoreFinto::imposta(MotoreFinto::Modo::Bloccato);
        servizi->usa(Clock::system()); // the engine is given up in real time, as the clicks go on
        QtSpeechEngine motore(QStringLiteral("finto"), 1500);
        servizi->usa(motore);
        // The longest the user-interface thread went without running its event loop.
        QElapsedTimer dalBattito;
        qint64 pausaMassima = 0;
        QTimer battito;
        battito.setInterval(5);
        connect(&battito, &QTimer::timeout, this, [&] {
            pausaMassima = std::max(pausaMassima, dalBattito.restart());
        });
        QElapsedTimer totale;
        totale.start();
        apri();
        dalBattito.start();
        battito.start();
        auto *schede = f->findChild<QTabBar *>(QStringLiteral("TabSchede"));
        qint64 clicMassimo = 0;
        auto clic = [&](QWidget *w, QPoint dove = {}) {
            QElapsedTimer t;
            t.start();
            QTest::mouseClick(w, Qt::LeftButton, {}, dove.isNull() ? w->rect().center() : dove);
            clicMassimo = std::max(clicMassimo, t.elapsed());
            QTest::qWait(60);
        };
        while (totale.elapsed() < 2500) { // before and after the engine is given up
            clic(schede, schede->tabRect(4).center());
            clic(c<QPushButton>(QStringLiteral("CommandProvaVoce")));
            clic(c<QCheckBox>(QStringLiteral("ChkFumetto")));
            clic(c<QListWidget>(QStringLiteral("ListPersonaggi"))->viewport(), QPoint(20, 8));
            clic(schede, schede->tabRect(0).center());
        }
        clic(schede, schede->tabRect(4).center());
        battito.stop();
        // Waiting on the service would hold the screen for the engine's 1500 ms; a busy machine alone
        // can delay a click by tens of milliseconds.
        QVERIFY2(clicMassimo < 150, qPrintable(QStringLiteral("a click took %1 ms").arg(clicMassimo)));
        QVERIFY2(pausaMassima < 150, qPrintable(QStringLiteral("the screen stalled %1 ms").arg(pausaMassima)));
        QVERIFY(c<QLabel>(QStringLiteral("NotaVoci"))->text().startsWith(QStringLiteral("Nessuna voce disponibile")));
        QVERIFY(c<QLabel>(QStringLiteral("NotaVoci"))->isVisible());

        delete f;
        servizi->usa(servizi->voce);
        MotoreFinto::sblocca(MotoreFinto::Modo::SenzaVoci);
        motore.shutDown();
    }

    void scanningSpeedLabel()
    {
        apri();
        pagina(5);
        c<QRadioButton>(QStringLiteral("OptionModoInput_2"))->click();
        c<QScrollBar>(QStringLiteral("HScrollVelocitaScansione"))->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(Profilo.VelocitaScansione, qint16(60));
        QCOMPARE(etichetta(QStringLiteral("LabelVelocitaScansione")), QStringLiteral("Velocità scansione: 15,00 secondi"));
    }

    void aNewUserGetsAFileAtTheNextSaveOnly()
    {
        apri();
        c<QRadioButton>(QStringLiteral("OptionUtente_2"))->click(); // saves the default user first
        QCOMPARE(fileProfili(), QStringList{QStringLiteral("_predefinito.INI")});
        auto *testo = c<QLineEdit>(QStringLiteral("TextNuovoUtente"));
        QTest::keyClicks(testo, QStringLiteral("Luca"));
        Profilo.VelocitaVoce = 180;

        c<QRadioButton>(QStringLiteral("OptionUtente_1"))->click(); // the switch saves Luca
        QCOMPARE(leggiProfilo(QStringLiteral("Luca.ini")).VelocitaVoce, qint16(180));
        auto *lista = c<QListWidget>(QStringLiteral("ListModificaUtente"));
        QCOMPARE(lista->count(), 1); // the default user is never listed

        c<QRadioButton>(QStringLiteral("OptionUtente_0"))->click(); // the default user's own settings
        QCOMPARE(NomeUtente, QStringLiteral("_predefinito"));
        QCOMPARE(Profilo.VelocitaVoce, qint16(130));
        QCOMPARE(leggiProfilo(QStringLiteral("Luca.ini")).VelocitaVoce, qint16(180));
    }

    void badNamesAreRefusedAndMakeNoFile()
    {
        apri();
        c<QRadioButton>(QStringLiteral("OptionUtente_2"))->click();
        auto *testo = c<QLineEdit>(QStringLiteral("TextNuovoUtente"));
        const QStringList cattivi = {QStringLiteral("a/b"), QStringLiteral("..\\x"), QStringLiteral(".."),
                                     QStringLiteral(".nome"), QStringLiteral("co:sa"), QStringLiteral("chi?"), QString(65, QLatin1Char('x')),
                                     QStringLiteral("Łukasz")};
        for (const QString &nome : cattivi) {
            testo->setText(nome);
            QVERIFY(!f->ConfermaNuovoUtente());
            QCOMPARE(NomeUtente, QStringLiteral("_predefinito"));
        }
        QCOMPARE(servizi->dialoghi.messaggi.size(), cattivi.size());
        f->mnuesci_Click(); // refused: the screen stays and nothing is written
        QVERIFY(f);
        QVERIFY(QDir(cartella()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size() == 1);

        testo->setText(QString(64, QLatin1Char('x')));
        QVERIFY(f->ConfermaNuovoUtente());
        QCOMPARE(NomeUtente, QString(64, QLatin1Char('x')));
        testo->clear(); // an emptied field gives the user chosen before back
        QCOMPARE(NomeUtente, QStringLiteral("_predefinito"));
    }

    void anExistingNameChoosesThatUser()
    {
        ProfiloUtente anna;
        anna.VelocitaVoce = 200;
        scriviProfilo(QStringLiteral("anna.ini"), anna);
        apri();
        c<QRadioButton>(QStringLiteral("OptionUtente_2"))->click();
        Profilo.VelocitaVoce = 60;
        QTest::keyClicks(c<QLineEdit>(QStringLiteral("TextNuovoUtente")), QStringLiteral("ANNA"));
        QCOMPARE(NomeUtente, QStringLiteral("_predefinito")); // not taken while typing
        QTest::keyClick(c<QLineEdit>(QStringLiteral("TextNuovoUtente")), Qt::Key_Return);
        QCOMPARE(NomeUtente, QStringLiteral("anna")); // the user's own name, as its file spells it
        QCOMPARE(Profilo.VelocitaVoce, qint16(200));
        QCOMPARE(fileProfili(), (QStringList{QStringLiteral("_predefinito.INI"), QStringLiteral("anna.ini")}));

        // Choosing from the list saves the user on screen first.
        scriviProfilo(QStringLiteral("Marco.INI"), ProfiloUtente());
        Profilo.TonoVoce = 300;
        c<QRadioButton>(QStringLiteral("OptionUtente_1"))->click();
        auto *lista = c<QListWidget>(QStringLiteral("ListModificaUtente"));
        lista->setCurrentRow(1);
        QCOMPARE(lista->currentItem()->text(), QStringLiteral("MARCO"));
        QCOMPARE(NomeUtente, QStringLiteral("Marco"));
        QCOMPARE(Profilo.TonoVoce, qint16(100));
        QCOMPARE(leggiProfilo(QStringLiteral("anna.ini")).TonoVoce, qint16(300));
    }

    void aFailedSaveKeepsTheUserAndTheSettings()
    {
        QDir().mkpath(file(QStringLiteral("bloccato.ini"))); // a folder where the file should be
        NomeUtente = QStringLiteral("bloccato");
        FileIni = CartellaImpostazioni + QStringLiteral("bloccato.ini");
        apri();
        Profilo.VelocitaVoce = 77;
        c<QRadioButton>(QStringLiteral("OptionUtente_0"))->click();
        QCOMPARE(servizi->dialoghi.messaggi.size(), 1);
        QCOMPARE(NomeUtente, QStringLiteral("bloccato"));
        QCOMPARE(Profilo.VelocitaVoce, qint16(77));
        QVERIFY(!c<QRadioButton>(QStringLiteral("OptionUtente_0"))->isChecked());
    }
};

ZANFRONI_TEST_MAIN(TestConfigura)
#include "tst_configura.moc"
