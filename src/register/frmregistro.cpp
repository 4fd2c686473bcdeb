// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/frmregistro.h"

#include "print/invio.h"
#include "print/stampante.h"
#include "programma.h"
#include "register/paginaalunno.h"
#include "register/paginagestione.h"
#include "register/pin.h"
#include "register/stamparegistro.h"
#include "register/testiregistro.h"
#include "reports/nome.h"
#include "ui/annuncio.h"
#include "ui/messaggi.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLocale>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ope {

namespace {

enum Pagine { paginaStato, paginaPin, paginaRegistro };
enum Schede { schedaClasse, schedaAlunno, schedaGestione, schedaPin };

QPushButton* pulsante(QWidget* genitore, const QString& nome, const QString& testo)
{
    auto* p = new QPushButton(testo, genitore);
    p->setObjectName(nome);
    p->setAutoDefault(true);
    return p;
}

QLineEdit* campoPin(QWidget* genitore, const QString& nome, const QString& accessibile)
{
    auto* t = new QLineEdit(genitore);
    t->setObjectName(nome);
    t->setEchoMode(QLineEdit::Password);
    t->setAccessibleName(accessibile);
    t->setMaxLength(32);
    return t;
}

// The operations' file beside the runs' one: "2B.csv" and "2B-operazioni.csv".
QString fileOperazioni(const QString& fileSerie)
{
    const QFileInfo f(fileSerie);
    const QString base = f.suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0
                             ? f.path() + QLatin1Char('/') + f.completeBaseName()
                             : fileSerie;
    return base + QStringLiteral("-operazioni.csv");
}

} // namespace

FrmRegistro::FrmRegistro(Programma& p)
    : Finestra(QStringLiteral("FrmRegistro"), 11700, 8100), programma(p), registro(p.registro())
{
    setWindowTitle(QStringLiteral("Registro"));
    pagine = new QStackedWidget(area());
    pagine->setObjectName(QStringLiteral("stkRegistro"));
    auto* colonna = new QVBoxLayout(area());
    colonna->addWidget(pagine);
    creaPaginaStato();
    creaPaginaPin();

    if (!registro || !registro->utilizzabile()) {
        const QString perche = registro ? registro->stato() : QStringLiteral("Il registro non è disponibile.");
        const QString dove = registro ? registro->percorso() : QString();
        QString testo = QStringLiteral("Il registro non si può usare.\n\n") + perche;
        if (!dove.isEmpty() && !perche.contains(dove))
            testo += QStringLiteral("\nFile del registro: ") + dove;
        lblStato->setText(testo);
        pagine->setCurrentIndex(paginaStato);
        fuocoIniziale(lblStato);
        return;
    }
    creaPaginaRegistro();
    if (registro->pinImpostato()) {
        pagine->setCurrentIndex(paginaPin);
        fuocoIniziale(txtPin);
    } else {
        entra();
    }
}

void FrmRegistro::creaPaginaStato()
{
    lblStato = new QLabel(pagine);
    lblStato->setObjectName(QStringLiteral("lblStato"));
    lblStato->setWordWrap(true);
    lblStato->setAlignment(Qt::AlignCenter);
    lblStato->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblStato->setFocusPolicy(Qt::StrongFocus);
    pagine->addWidget(lblStato);
}

void FrmRegistro::creaPaginaPin()
{
    auto* pagina = new QWidget(pagine);
    pagina->setObjectName(QStringLiteral("pagPin"));
    auto* colonna = new QVBoxLayout(pagina);
    colonna->addStretch(1);
    auto* etichetta = new QLabel(QStringLiteral("&PIN dell'insegnante:"), pagina);
    etichetta->setObjectName(QStringLiteral("lblPin"));
    txtPin = campoPin(pagina, QStringLiteral("txtPin"), QStringLiteral("PIN dell'insegnante"));
    etichetta->setBuddy(txtPin);
    auto* cmdEntra = pulsante(pagina, QStringLiteral("cmdEntra"), QStringLiteral("&Entra"));
    lblPinErrato = new QLabel(pagina);
    lblPinErrato->setObjectName(QStringLiteral("lblPinErrato"));
    // The message comes under the PIN box, where the focus stays: a screen reader is told.
    auto* annuncio = new Annuncio(pagina);
    auto* riga = new QHBoxLayout;
    riga->addStretch(1);
    riga->addWidget(etichetta);
    riga->addWidget(txtPin);
    riga->addWidget(cmdEntra);
    riga->addStretch(1);
    colonna->addLayout(riga);
    colonna->addWidget(lblPinErrato, 0, Qt::AlignHCenter);
    colonna->addStretch(1);
    pagine->addWidget(pagina);

    const auto prova = [this, annuncio] {
        // The wait is the program's, not the window's: closing the window does not end it.
        registro::TentativiPin& tentativi = registro->tentativiPin();
        const QDateTime ora = programma.ambiente().adesso();
        const QString pin = txtPin->text();
        txtPin->clear();
        if (tentativi.attesa(ora) == 0) {
            const bool giusto = registro->verificaPin(pin);
            tentativi.esito(giusto, ora);
            if (giusto) {
                lblPinErrato->clear();
                entra();
                return;
            }
        }
        const int attesa = tentativi.attesa(ora);
        lblPinErrato->setText(attesa == 0 ? QStringLiteral("PIN errato.")
                              : attesa == 1 ? QStringLiteral("Troppi tentativi: riprova fra 1 secondo.")
                                            : QStringLiteral("Troppi tentativi: riprova fra %1 secondi.").arg(attesa));
        annuncio->annuncia(lblPinErrato->text());
        txtPin->setFocus();
    };
    connect(cmdEntra, &QPushButton::clicked, this, prova);
    connect(txtPin, &QLineEdit::returnPressed, this, prova);
}

void FrmRegistro::creaPaginaRegistro()
{
    auto* pagina = new QWidget(pagine);
    pagina->setObjectName(QStringLiteral("pagRegistro"));
    auto* colonna = new QVBoxLayout(pagina);

    auto* riga = new QHBoxLayout;
    auto* etichetta = new QLabel(QStringLiteral("&Classe:"), pagina);
    etichetta->setObjectName(QStringLiteral("lblClasse"));
    cboClasse = new QComboBox(pagina);
    cboClasse->setObjectName(QStringLiteral("cboClasse"));
    cboClasse->setMinimumContentsLength(16);
    etichetta->setBuddy(cboClasse);
    chkArchiviate = new QCheckBox(QStringLiteral("Mostra anche le classi &archiviate"), pagina);
    chkArchiviate->setObjectName(QStringLiteral("chkArchiviate"));
    riga->addWidget(etichetta);
    riga->addWidget(cboClasse);
    riga->addWidget(chkArchiviate);
    riga->addStretch(1);
    colonna->addLayout(riga);

    tabRegistro = new QTabWidget(pagina);
    tabRegistro->setObjectName(QStringLiteral("tabRegistro"));
    tabRegistro->addTab(creaSchedaClasse(), QStringLiteral("La classe"));
    paginaAlunno = new PaginaAlunno(*this, *registro, tabRegistro);
    tabRegistro->addTab(paginaAlunno, QStringLiteral("L'alunno"));
    paginaGestione = new PaginaGestione(*registro, programma.ambiente(), tabRegistro);
    tabRegistro->addTab(paginaGestione, QStringLiteral("Alunni e classi"));
    tabRegistro->addTab(creaSchedaPin(), QStringLiteral("PIN"));
    colonna->addWidget(tabRegistro, 1);
    pagine->addWidget(pagina);

    connect(cboClasse, &QComboBox::currentIndexChanged, this, [this] { aggiorna(); });
    connect(chkArchiviate, &QCheckBox::toggled, this, [this] { aggiornaClassi(classeScelta()); });
    connect(paginaGestione, &PaginaGestione::classeCambiata, this,
            [this](qint64 classe) { aggiornaClassi(classe ? std::optional<IdClasse>(classe) : std::nullopt); });
    connect(paginaGestione, &PaginaGestione::alunniCambiati, this, [this] { aggiorna(); });
    connect(paginaGestione, &PaginaGestione::alunnoCambiato, this,
            [this](qint64 alunno, const QString& nome) { programma.alunnoCambiato(alunno, nome); });
}

QWidget* FrmRegistro::creaSchedaClasse()
{
    auto* scheda = new QWidget;
    scheda->setObjectName(QStringLiteral("pagClasse"));
    auto* colonna = new QVBoxLayout(scheda);
    grdClasse = new QTableWidget(scheda);
    grdClasse->setObjectName(QStringLiteral("grdClasse"));
    grdClasse->setAccessibleName(QStringLiteral("La classe negli ultimi giorni di scuola"));
    grdClasse->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdClasse->setSelectionMode(QAbstractItemView::SingleSelection);
    grdClasse->setTabKeyNavigation(false);
    grdClasse->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grdClasse->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    colonna->addWidget(grdClasse, 1);
    lblSenzaSerie = new QLabel(QStringLiteral("Nessuna serie in questa classe negli ultimi giorni di scuola."), scheda);
    lblSenzaSerie->setObjectName(QStringLiteral("lblSenzaSerie"));
    lblSenzaSerie->setVisible(false);
    colonna->addWidget(lblSenzaSerie);
    auto* nota = new QLabel(QStringLiteral("Ogni casella: le serie fatte quel giorno e la quota di risposte esatte "
                                           "(verde da 80%, giallo da 60%, rosa sotto). Invio o un clic apre l'alunno."),
                            scheda);
    nota->setObjectName(QStringLiteral("lblLegenda"));
    nota->setWordWrap(true);
    colonna->addWidget(nota);

    auto* riga = new QHBoxLayout;
    auto* cmdStampaClasse = pulsante(scheda, QStringLiteral("cmdStampaClasse"), QStringLiteral("&Stampa il riepilogo"));
    auto* cmdEsportaClasse = pulsante(scheda, QStringLiteral("cmdEsportaClasse"),
                                      QStringLiteral("Esporta la classe in CS&V..."));
    auto* cmdEsportaTutto = pulsante(scheda, QStringLiteral("cmdEsportaTutto"), QStringLiteral("Esporta &tutto..."));
    for (QPushButton* b : {cmdStampaClasse, cmdEsportaClasse, cmdEsportaTutto})
        riga->addWidget(b);
    riga->addStretch(1);
    colonna->addLayout(riga);

    // A click on a day, or Enter on it, opens that pupil's history.
    const auto apri = [this](int r) {
        if (QTableWidgetItem* intestazione = grdClasse->verticalHeaderItem(r))
            apriAlunno(intestazione->data(Qt::UserRole).toLongLong());
    };
    connect(grdClasse, &QTableWidget::cellClicked, this, [apri](int r, int) { apri(r); });
    connect(grdClasse, &QTableWidget::cellActivated, this, [apri](int r, int) { apri(r); });
    connect(grdClasse->verticalHeader(), &QHeaderView::sectionClicked, this, apri);
    connect(cmdStampaClasse, &QPushButton::clicked, this, [this] { stampaClasse(); });
    connect(cmdEsportaClasse, &QPushButton::clicked, this, [this] {
        if (const std::optional<IdClasse> c = classeScelta())
            esporta(AmbitoEsportazione::Classe, *c, nomeClasse(*c));
    });
    connect(cmdEsportaTutto, &QPushButton::clicked, this,
            [this] { esporta(AmbitoEsportazione::Tutto, 0, QStringLiteral("registro")); });
    return scheda;
}

QWidget* FrmRegistro::creaSchedaPin()
{
    auto* scheda = new QWidget;
    scheda->setObjectName(QStringLiteral("pagImpostaPin"));
    auto* colonna = new QVBoxLayout(scheda);
    auto* spiega = new QLabel(QStringLiteral("Con un PIN il registro si apre solo a chi lo conosce. "
                                             "Almeno 4 caratteri; il registro ne conserva solo una chiave derivata."),
                              scheda);
    spiega->setObjectName(QStringLiteral("lblSpiegaPin"));
    spiega->setWordWrap(true);
    colonna->addWidget(spiega);
    auto* griglia = new QGridLayout;
    txtNuovoPin = campoPin(scheda, QStringLiteral("txtNuovoPin"), QStringLiteral("Nuovo PIN"));
    txtConfermaPin = campoPin(scheda, QStringLiteral("txtConfermaPin"), QStringLiteral("Ripeti il nuovo PIN"));
    auto* l1 = new QLabel(QStringLiteral("&Nuovo PIN:"), scheda);
    l1->setObjectName(QStringLiteral("lblNuovoPin"));
    l1->setBuddy(txtNuovoPin);
    auto* l2 = new QLabel(QStringLiteral("&Ripeti il nuovo PIN:"), scheda);
    l2->setObjectName(QStringLiteral("lblConfermaPin"));
    l2->setBuddy(txtConfermaPin);
    griglia->addWidget(l1, 0, 0);
    griglia->addWidget(txtNuovoPin, 0, 1);
    griglia->addWidget(l2, 1, 0);
    griglia->addWidget(txtConfermaPin, 1, 1);
    colonna->addLayout(griglia);
    auto* cmdImpostaPin = pulsante(scheda, QStringLiteral("cmdImpostaPin"), QStringLiteral("&Imposta il PIN"));
    colonna->addWidget(cmdImpostaPin, 0, Qt::AlignLeft);
    lblPinEsito = new QLabel(scheda);
    lblPinEsito->setObjectName(QStringLiteral("lblPinEsito"));
    lblPinEsito->setWordWrap(true);
    colonna->addWidget(lblPinEsito);
    colonna->addStretch(1);
    connect(cmdImpostaPin, &QPushButton::clicked, this, [this] { impostaPin(); });
    connect(txtConfermaPin, &QLineEdit::returnPressed, this, [this] { impostaPin(); });
    return scheda;
}

void FrmRegistro::entra()
{
    pagine->setCurrentIndex(paginaRegistro);
    aggiornaClassi();
    // A register with no class yet: the teacher starts by making one.
    const bool senzaClassi = cboClasse->count() == 0;
    tabRegistro->setCurrentIndex(senzaClassi ? schedaGestione : schedaClasse);
    fuocoIniziale(senzaClassi ? paginaGestione->primoCampo() : static_cast<QWidget*>(grdClasse));
}

void FrmRegistro::impostaPin()
{
    const QString pin = txtNuovoPin->text();
    if (pin.size() < 4)
        lblPinEsito->setText(QStringLiteral("Il PIN deve avere almeno 4 caratteri."));
    else if (pin != txtConfermaPin->text())
        lblPinEsito->setText(QStringLiteral("I due PIN non coincidono: scrivilo di nuovo."));
    else if (!registro->impostaPin(pin))
        lblPinEsito->setText(QStringLiteral("Il PIN non è stato salvato: ") + registro->stato());
    else
        lblPinEsito->setText(QStringLiteral("PIN impostato: da ora il registro lo chiede a ogni apertura."));
    txtNuovoPin->clear();
    txtConfermaPin->clear();
}

void FrmRegistro::aggiornaClassi(std::optional<IdClasse> daScegliere)
{
    const QSignalBlocker blocco(cboClasse);
    cboClasse->clear();
    for (const ClasseRegistro& c : registro->classi(chkArchiviate->isChecked())) {
        cboClasse->addItem(c.archiviata ? c.nome + QStringLiteral(" (archiviata)") : c.nome, c.id);
        if (daScegliere == c.id)
            cboClasse->setCurrentIndex(cboClasse->count() - 1);
    }
    aggiorna();
}

std::optional<IdClasse> FrmRegistro::classeScelta() const
{
    if (cboClasse->currentIndex() < 0)
        return std::nullopt;
    return cboClasse->currentData().toLongLong();
}

QString FrmRegistro::nomeClasse(IdClasse classe) const
{
    for (const ClasseRegistro& c : registro->classi(true)) {
        if (c.id == classe)
            return c.nome;
    }
    return {};
}

void FrmRegistro::aggiorna()
{
    riempiGriglia();
    const std::optional<IdClasse> classe = classeScelta();
    paginaAlunno->mostraClasse(classe);
    paginaGestione->mostraClasse(classe);
}

void FrmRegistro::riempiGriglia()
{
    grdClasse->clear();
    const std::optional<IdClasse> classe = classeScelta();
    const GrigliaClasse griglia = classe ? registro->griglia(*classe) : GrigliaClasse{};
    grdClasse->setRowCount(int(griglia.righe.size()));
    grdClasse->setColumnCount(int(griglia.giorni.size()));
    for (int g = 0; g < griglia.giorni.size(); ++g) {
        const QLocale italiano(QLocale::Italian, QLocale::Italy);
        auto* intestazione = new QTableWidgetItem(italiano.toString(griglia.giorni[g], QStringLiteral("ddd dd/MM")));
        intestazione->setData(Qt::AccessibleTextRole, italiano.toString(griglia.giorni[g], QLocale::LongFormat));
        grdClasse->setHorizontalHeaderItem(g, intestazione);
    }
    for (int r = 0; r < griglia.righe.size(); ++r) {
        const RigaGriglia& riga = griglia.righe[r];
        auto* nome = new QTableWidgetItem(riga.alunno.nome);
        nome->setData(Qt::UserRole, riga.alunno.id);
        grdClasse->setVerticalHeaderItem(r, nome);
        for (int g = 0; g < riga.giorni.size() && g < griglia.giorni.size(); ++g) {
            const CellaGriglia& cella = riga.giorni[g];
            auto* casella = new QTableWidgetItem(testoCella(cella));
            casella->setTextAlignment(Qt::AlignCenter);
            casella->setBackground(coloreCella(cella));
            casella->setForeground(Qt::black);
            // What a screen reader says for the cell: who, which day, what was done.
            const QString fatto = cella.serie == 0 ? QStringLiteral("nessuna serie")
                                                   : testoCella(cella).replace(QLatin1Char('\n'), QStringLiteral(", "))
                                                         + QStringLiteral(" di risposte esatte");
            casella->setData(Qt::AccessibleTextRole, riga.alunno.nome + QStringLiteral(", ")
                                                          + grdClasse->horizontalHeaderItem(g)->text()
                                                          + QStringLiteral(": ") + fatto);
            grdClasse->setItem(r, g, casella);
        }
    }
    // The keyboard starts on the latest day, with no selection hiding its colour.
    if (grdClasse->rowCount() > 0 && grdClasse->columnCount() > 0)
        grdClasse->setCurrentCell(0, grdClasse->columnCount() - 1, QItemSelectionModel::NoUpdate);
    lblSenzaSerie->setVisible(classe && griglia.giorni.isEmpty());
}

void FrmRegistro::apriAlunno(IdAlunno alunno)
{
    paginaAlunno->mostraAlunno(alunno);
    tabRegistro->setCurrentIndex(schedaAlunno);
}

QString FrmRegistro::font() const
{
    const QString f = scegliFontCourier(programma.ambiente().fontStampante());
    if (f.isEmpty())
        programma.ambiente().avviso(messaggi::mancaFontCourier);
    return f;
}

QDate FrmRegistro::oggi() const
{
    return programma.ambiente().adesso().date();
}

void FrmRegistro::stampa(std::vector<Pagina> fogli, const QString& diChi)
{
    const Ambiente& amb = programma.ambiente();
    for (Pagina& p : fogli) {
        // Named like every printout: a shared queue shows it, a PDF takes it as its file name.
        p.titolo = nomeLavoro(amb.nomeEseguibile, QStringLiteral("Registro"), diChi);
        if (const Invio invio = amb.stampa(p); !invio) {
            amb.avviso(messaggioInvio(invio));
            return;
        }
    }
}

void FrmRegistro::stampaClasse()
{
    const std::optional<IdClasse> classe = classeScelta();
    const QString f = classe ? font() : QString();
    if (f.isEmpty())
        return;
    QList<RiepilogoAlunno> alunni;
    for (const AlunnoRegistro& a : registro->alunni(*classe))
        alunni << riepiloga(a.nome, registro->storia(a.id));
    stampa(pagineClasse(nomeClasse(*classe), alunni, f, programma.ambiente().dataBreve()), nomeClasse(*classe));
}

void FrmRegistro::stampaAlunno(const QString& nome, const QList<SerieRegistrata>& storia)
{
    const QString f = font();
    if (f.isEmpty())
        return;
    const std::optional<IdClasse> classe = classeScelta();
    stampa(pagineAlunno(nome, classe ? nomeClasse(*classe) : QString(), storia, f, programma.ambiente().dataBreve()),
           nome);
}

void FrmRegistro::esporta(AmbitoEsportazione ambito, qint64 id, const QString& proposto)
{
    const Ambiente& amb = programma.ambiente();
    const QString serie = amb.fileDaScrivere(QStringLiteral("Esporta in CSV"), proposto + QStringLiteral(".csv"));
    if (serie.isEmpty())
        return;
    const QString operazioni = fileOperazioni(serie);
    QString errore;
    if (registro->esporta(ambito, id, serie, operazioni, &errore))
        amb.avviso(QStringLiteral("Esportazione fatta.\nLe serie: %1\nLe operazioni: %2").arg(serie, operazioni));
    else
        amb.avviso(QStringLiteral("L'esportazione non è riuscita: ") + errore);
}

} // namespace ope
