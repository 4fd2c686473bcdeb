// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/frmoperativo.h"

#include "exercise/linea.h"
#include "exercise/registro.h"
#include "exercise/serie.h"
#include "programma.h"
#include "ui/controlli.h"
#include "ui/etichettacliccabile.h"
#include "ui/pulsanteopzione.h"
#include "ui/twips.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

namespace ope {

namespace {

const QString arial = QStringLiteral("Arial");
const QString interrogativo = QStringLiteral("?");

const QColor sfondoFinestra(226, 240, 252);
const QColor bianco(255, 255, 255);
const QColor bluScuro(20, 50, 140);
const QColor arancio(214, 72, 16);
const QColor grigioScuro(60, 60, 60);
const QColor verde(30, 130, 60);
const QColor rosso(200, 30, 30);
const QColor sfondoPannello(255, 250, 225);

const QColor tastoCifra(255, 224, 102);
const QColor tastoCancella(255, 192, 120);
const QColor tastoVerifica(140, 233, 154);
const QColor tastoAvanti(165, 216, 255);
const QColor tastoEsco(255, 168, 168);
const QColor tastoSpento(222, 226, 230);

// The commands of the two keypads, in key order after the digits and the signs.
struct Comando {
    const char* testo;
    const QColor* colore;
};
constexpr std::array<Comando, 5> comandiCifre{{{"Cancella", &tastoCancella},
                                                {"Verifica", &tastoVerifica},
                                                {"Avanti", &tastoAvanti},
                                                {"Esco", &tastoEsco},
                                                {"Mostra", &tastoSpento}}};
constexpr std::array<Comando, 3> comandiSegni{{{"Verifica", &tastoVerifica},
                                                {"Avanti", &tastoAvanti},
                                                {"Esco", &tastoEsco}}};
constexpr std::array<const char*, 3> segni{"=", "<", ">"};

// Indices of the digit keypad's commands.
constexpr int cancellaTasto = 10;
constexpr int verificaCifre = 11;
constexpr int avantiCifre = 12;
constexpr int escoCifre = 13;
constexpr int mostraTasto = 14;
// And of the sign keypad's.
constexpr int verificaSegni = 3;
constexpr int avantiSegni = 4;
constexpr int escoSegni = 5;

// The design places of the rows and the keypads (twips).
constexpr double larghezzaNumero = 3015;
constexpr double altezzaNumero = 1845;
constexpr double altoNumero = 180;
constexpr double altoCorrezione = 2040;
constexpr double altezzaCorrezione = 1200;
constexpr double altoMarcatore = 3375;
constexpr double spostamentoLinee = 700;

QLabel* numero(QWidget* genitore, const QString& nome, double left, double larghezza, const QColor& colore)
{
    QLabel* l = nuovaEtichetta(genitore, nome, QString(), left, altoNumero, larghezza, altezzaNumero);
    l->setFont(carattere(arial, 66, true));
    l->setAlignment(Qt::AlignCenter);
    impostaTesto(l, colore);
    return l;
}

QLabel* marcatore(QWidget* genitore, const QString& nome, double left)
{
    return nuovaEtichetta(genitore, nome, QString(), left, altoMarcatore, 90, 75);
}

QGroupBox* pannello(QWidget* genitore, const QString& nome, double left, double top, const QColor& sfondo)
{
    QGroupBox* c = nuovaCornice(genitore, nome, QString(), left, top, 5715, 3120);
    impostaSfondo(c, sfondo);
    return c;
}

PulsanteOpzione* tasto(QWidget* genitore, const QString& nome, const QString& testo, QRectF r,
                       double punti, const QColor& sfondo)
{
    PulsanteOpzione* p = nuovoPulsante(genitore, nome, testo, r.x(), r.y(), r.width(), r.height());
    p->setFont(carattere(arial, punti, true));
    impostaSfondo(p, sfondo);
    impostaTesto(p, bluScuro);
    // A key that cannot be pressed must look so to a child: pale face, grey caption.
    QPalette tavolozza = p->palette();
    tavolozza.setColor(QPalette::Disabled, QPalette::Button, sfondo.lighter(115));
    tavolozza.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(170, 170, 170));
    p->setPalette(tavolozza);
    return p;
}

QLabel* testoPannello(QWidget* genitore, const QString& nome, const QString& testo, QRectF r, double punti)
{
    QLabel* l = nuovaEtichetta(genitore, nome, testo, r.x(), r.y(), r.width(), r.height());
    l->setFont(carattere(arial, punti, true));
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    impostaTesto(l, bluScuro);
    return l;
}

} // namespace

FrmOperativo::FrmOperativo(Programma& p) : Finestra(QStringLiteral("FrmOperativo"), 11910, 8700), programma(p)
{
    impostaSfondo(area(), sfondoFinestra);
    creaIntestazioni();
    creaRigaNumeri();
    creaRigaSegni();
    lblRiferimento = nuovaEtichetta(area(), QStringLiteral("lblRiferimento"), QString(), 5820, 5280, 90, 75);
    creaTastierino();
    creaTastierinoRidotto();
    creaPannelliAiuto();
    creaAvviso();
    creaStatistiche();
    creaMenu();
    collegaTasti();
    registraProporzioni();

    const Sessione& s = programma.sessione();
    setWindowTitle(s.nomeProgramma);
    const QWidget* inizio = programma.finestra(QStringLiteral("frmInizio"));
    auto didascaliaInizio = [inizio](const char* nome) {
        const QLabel* l = inizio ? inizio->findChild<QLabel*>(QString::fromLatin1(nome)) : nullptr;
        return l ? l->text() : QString();
    };
    const QString tre = QStringLiteral("   ");
    label1[0]->setText(tre + didascaliaInizio("Label1"));
    label1[1]->setText(tre + QStringLiteral("OPERAZIONE:") + QStringLiteral("    ") + s.nomeProgramma);
    label1[2]->setText(tre + didascaliaInizio("Label3"));

    area()->installEventFilter(this);
    optOK->installEventFilter(this);
    caricata = true;
}

void FrmOperativo::creaIntestazioni()
{
    for (int i = 0; i < 3; ++i) {
        label1[static_cast<std::size_t>(i)] = nuovaEtichetta(area(), nomeElemento(QStringLiteral("Label1"), i),
                                                             QString(), 396, 90 + i * 465, 11295, 420);
        label1[static_cast<std::size_t>(i)]->setFont(carattere(arial, 13, true));
        impostaTesto(label1[static_cast<std::size_t>(i)], bluScuro);
    }
}

void FrmOperativo::creaRigaNumeri()
{
    fraNumero = nuovaCornice(area(), QStringLiteral("fraNumero"), QString(), 396, 1530, 11295, 3510);
    impostaSfondo(fraNumero, bianco);
    constexpr double posti[3] = {105, 4095, 8040};
    for (int k = 0; k < 3; ++k)
        lblRifer[static_cast<std::size_t>(k)] = marcatore(fraNumero, nomeElemento(QStringLiteral("lblRifer"), k), posti[k]);
    lblNumero1 = numero(fraNumero, QStringLiteral("LblNumero1"), posti[0], larghezzaNumero, bluScuro);
    lblNumero2 = numero(fraNumero, QStringLiteral("LblNumero2"), posti[1], larghezzaNumero, bluScuro);
    lblRisultato1 = numero(fraNumero, QStringLiteral("lblRisultato1"), posti[2], larghezzaNumero, arancio);
    lblRisultato1->setText(interrogativo);
    lblSegno = numero(fraNumero, QStringLiteral("LblSegno"), 3210, 855, grigioScuro);
    lblUguale = numero(fraNumero, QStringLiteral("LblUguale"), 7110, 855, grigioScuro);
    lblCorrezione = nuovaEtichetta(fraNumero, QStringLiteral("lblCorrezione"), QString(), posti[2], altoCorrezione,
                                   larghezzaNumero, altezzaCorrezione);
    lblCorrezione->setFont(carattere(arial, 44, true));
    lblCorrezione->setAlignment(Qt::AlignCenter);
    impostaTesto(lblCorrezione, verde);
    lblLinee = nuovaEtichetta(fraNumero, QStringLiteral("lblLinee"), QString(), posti[2] + spostamentoLinee,
                              altoNumero, 1615, altezzaNumero);
    linee[2] = new Linea(QStringLiteral("Line3"), fraNumero);
    linee[3] = new Linea(QStringLiteral("Line4"), fraNumero);
}

void FrmOperativo::creaRigaSegni()
{
    fraSegno = nuovaCornice(area(), QStringLiteral("fraSegno"), QString(), 396, 1545, 11295, 3510);
    impostaSfondo(fraSegno, bianco);
    lblRif2Sinistra = marcatore(fraSegno, QStringLiteral("lblRif2(1)"), 3210);
    lblRif2Destra = marcatore(fraSegno, QStringLiteral("lblRif2(3)"), 7155);
    lblNumero4 = numero(fraSegno, QStringLiteral("lblNumero4"), 210, larghezzaNumero, bluScuro);
    lblNumero6 = numero(fraSegno, QStringLiteral("lblNumero6"), 4140, larghezzaNumero, bluScuro);
    lblNumero8 = numero(fraSegno, QStringLiteral("LblNumero8"), 8100, larghezzaNumero, bluScuro);
    lblUguale2 = numero(fraSegno, QStringLiteral("lblUguale2"), 3210, 855, grigioScuro);
    lblSegno2 = numero(fraSegno, QStringLiteral("lblSegno2"), 7155, 915, arancio);
    lblSegno2->setText(interrogativo);
    lblCorrezioneS = nuovaEtichetta(fraSegno, QStringLiteral("lblCorrezioneS"), QString(), 7155, altoCorrezione, 915,
                                    altezzaCorrezione);
    lblCorrezioneS->setFont(carattere(arial, 44, true));
    lblCorrezioneS->setAlignment(Qt::AlignCenter);
    impostaTesto(lblCorrezioneS, verde);
    lblLineeS = nuovaEtichetta(fraSegno, QStringLiteral("lblLineeS"), QString(), 7155, altoNumero, 915, altezzaNumero);
    linee[0] = new Linea(QStringLiteral("Line1"), fraSegno);
    linee[1] = new Linea(QStringLiteral("Line2"), fraSegno);
    for (Linea* l : linee)
        l->hide();
}

void FrmOperativo::creaTastierino()
{
    fraTastierino = pannello(area(), QStringLiteral("fraTastierino"), 5820, 5280, sfondoPannello);
    // Digits 1..9 then 0 in two rows of five; the commands in a column on the right.
    for (int d = 0; d <= 9; ++d) {
        const int posto = d == 0 ? 9 : d - 1;
        const QRectF r(90 + (posto % 5) * 816, 150 + (posto / 5) * 1440, 780, 1400);
        option1[static_cast<std::size_t>(d)] =
            tasto(fraTastierino, nomeElemento(QStringLiteral("Option1"), d), QString::number(d), r, 36, tastoCifra);
    }
    for (std::size_t i = 0; i < comandiCifre.size(); ++i) {
        const QRectF r(4230, 150 + double(i) * 576, 1395, 540);
        option1[10 + i] = tasto(fraTastierino, nomeElemento(QStringLiteral("Option1"), int(10 + i)),
                                QString::fromLatin1(comandiCifre[i].testo), r, 12, *comandiCifre[i].colore);
    }
}

void FrmOperativo::creaTastierinoRidotto()
{
    fraTastierinoRidotto = pannello(area(), QStringLiteral("fraTastierinoRidotto"), 5805, 5295, sfondoPannello);
    for (std::size_t i = 0; i < segni.size(); ++i) {
        const QRectF r(90 + double(i) * 1860, 150, 1800, 1650);
        option5[i] = tasto(fraTastierinoRidotto, nomeElemento(QStringLiteral("Option5"), int(i)),
                           QString::fromLatin1(segni[i]), r, 44, tastoCifra);
    }
    for (std::size_t i = 0; i < comandiSegni.size(); ++i) {
        const QRectF r(90 + double(i) * 1860, 1950, 1800, 1050);
        option5[3 + i] = tasto(fraTastierinoRidotto, nomeElemento(QStringLiteral("Option5"), int(3 + i)),
                               QString::fromLatin1(comandiSegni[i].testo), r, 15, *comandiSegni[i].colore);
    }
}

void FrmOperativo::creaPannelliAiuto()
{
    fraAiuto = pannello(area(), QStringLiteral("fraAiuto"), 5820, 5280, sfondoPannello);
    testoPannello(fraAiuto, QStringLiteral("LblAiuto"), QStringLiteral("Ti aiuto ?"), {150, 240, 5415, 900}, 30);
    option3[0] = tasto(fraAiuto, QStringLiteral("Option3(0)"), QStringLiteral("No"), {450, 1380, 2200, 1400}, 30,
                       tastoEsco);
    option3[1] = tasto(fraAiuto, QStringLiteral("Option3(1)"), QStringLiteral(u"S\u00ec"), {3065, 1380, 2200, 1400},
                       30, tastoVerifica);

    fraIntervento = pannello(area(), QStringLiteral("fraIntervento"), 5820, 5280, sfondoPannello);
    testoPannello(fraIntervento, QStringLiteral("lblIntervento"), QStringLiteral("Ora intevengo io"),
                  {150, 240, 5415, 900}, 26);
    optOK = tasto(fraIntervento, QStringLiteral("optOK"), QStringLiteral("OK"), {1660, 1380, 2400, 1400}, 30,
                  tastoVerifica);
}

void FrmOperativo::creaAvviso()
{
    fraAvviso = pannello(area(), QStringLiteral("fraAvviso"), 5820, 5280, sfondoPannello);
    testoPannello(fraAvviso, QStringLiteral("Label6"), QStringLiteral("Esercitazione terminata"),
                  {150, 150, 5415, 700}, 20);
    QLabel* avviso = testoPannello(fraAvviso, QStringLiteral("Label3"),
                                   QStringLiteral("Se ricominci, gli esercizi andranno persi"), {150, 870, 5415, 500}, 11);
    impostaTesto(avviso, rosso);
    option4[0] = tasto(fraAvviso, QStringLiteral("Option4(0)"), QStringLiteral("VISUALIZZA"), {250, 1560, 2500, 1300},
                       15, tastoAvanti);
    option4[1] = tasto(fraAvviso, QStringLiteral("Option4(1)"), QStringLiteral("Ricomincia"), {2965, 1560, 2500, 1300},
                       15, tastoCancella);
}

void FrmOperativo::creaStatistiche()
{
    lblEsito = nuovaEtichetta(area(), QStringLiteral("LblEsito"), QString(), 396, 5280, 5200, 660);
    lblEsito->setFont(carattere(arial, 28, true));
    lblEsito->setAlignment(Qt::AlignCenter);

    fraElaborazione = nuovaCornice(area(), QStringLiteral("fraElaborazione"), QString(), 396, 6000, 5200, 2280);
    impostaSfondo(fraElaborazione, bianco);
    const std::array<const char*, 5> didascalie{"Risposte esatte ", "Operazioni eseguite", "Risposte errate",
                                                "Tempo parziale", "Tempo totale"};
    const std::array<const char*, 5> valori{"lblRisEsatte", "LblOperazione", "lblRisErrate", "LblTempoOperazione",
                                            "LblTempoTotale"};
    std::array<QLabel*, 5> etichette{};
    for (std::size_t i = 0; i < didascalie.size(); ++i) {
        const double alto = 135 + double(i) * 420;
        QLabel* d = nuovaEtichetta(fraElaborazione, nomeElemento(QStringLiteral("Label5"), int(i)),
                                   QString::fromLatin1(didascalie[i]), 150, alto, 3300, 390);
        d->setFont(carattere(arial, 12, true));
        d->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        impostaTesto(d, bluScuro);
        etichette[i] = nuovaEtichetta(fraElaborazione, QString::fromLatin1(valori[i]), QString(), 3500, alto, 1500, 390);
        etichette[i]->setFont(carattere(arial, 13, true));
        etichette[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        impostaTesto(etichette[i], arancio);
    }
    lblRisEsatte = etichette[0];
    lblOperazione = etichette[1];
    lblRisErrate = etichette[2];
    lblTempoOperazione = etichette[3];
    lblTempoTotale = etichette[4];

    label7 = new EtichettaCliccabile(QStringLiteral("Label7"), QStringLiteral("si audio"), area());
    label7->setGeometry(rettangolo(396, 8340, 2000, 330));
    label7->setFont(carattere(arial, 10, true));
    impostaTesto(label7, bluScuro);
}

void FrmOperativo::creaMenu()
{
    mnuVisualizza = menuBar()->addAction(QStringLiteral("Visualizza operazioni eseguite"));
    mnuVisualizza->setObjectName(QStringLiteral("mnuVisualizza"));
    // Kept from the design but never offered: the entries have no action.
    QMenu* standard = menuBar()->addMenu(QStringLiteral("Esercizio standard"));
    standard->menuAction()->setObjectName(QStringLiteral("mnuStandard"));
    standard->addAction(QStringLiteral("Crea esercizio"))->setObjectName(QStringLiteral("mnuCrea"));
    standard->addAction(QStringLiteral("Esegui sercizio"))->setObjectName(QStringLiteral("mnuEsegui"));
    standard->menuAction()->setVisible(false);
}

void FrmOperativo::collegaTasti()
{
    auto suPressione = [this](PulsanteOpzione* p, auto azione) {
        connect(p, &PulsanteOpzione::premuto, this, [azione](Qt::MouseButton) { azione(); });
    };
    for (int d = 0; d <= 9; ++d)
        suPressione(option1[static_cast<std::size_t>(d)], [this, d] { cifra(d); });
    suPressione(option1[cancellaTasto], [this] { cancella(); });
    suPressione(option1[verificaCifre], [this] { verifica(); });
    suPressione(option1[avantiCifre], [this] { nuovaOperazione(); });
    suPressione(option1[escoCifre], [this] { close(); });
    for (int i = 0; i < 3; ++i)
        suPressione(option5[static_cast<std::size_t>(i)], [this, i] { sceltaSegno(i); });
    suPressione(option5[verificaSegni], [this] { verifica(); });
    suPressione(option5[avantiSegni], [this] { nuovaOperazione(); });
    suPressione(option5[escoSegni], [this] { close(); });
    suPressione(option3[0], [this] { NoNo(); });
    suPressione(option3[1], [this] { SiSi(); });
    suPressione(optOK, [this] {
        SiSi();
        controllaFine();
    });
    suPressione(option4[0], [this] { programma.apriStampaEsercizio(); });
    suPressione(option4[1], [this] { iniziaSerie(); });
    connect(mnuVisualizza, &QAction::triggered, this, [this] { programma.apriStampaEsercizio(); });
    connect(label7, &EtichettaCliccabile::cliccata, this, [this] { cambiaSuono(); });
}

// ---- Window events

void FrmOperativo::ridimensionata()
{
    if (!caricata)
        return;
    disponiPannelli();
    iniziaSerie();
}

void FrmOperativo::changeEvent(QEvent* e)
{
    // Minimising and restoring resize the window too, though the client
    // area keeps its size: each starts a new run like any resize.
    if (e->type() == QEvent::WindowStateChange) {
        const auto prima = static_cast<QWindowStateChangeEvent*>(e)->oldState();
        if ((prima & Qt::WindowMinimized) != (windowState() & Qt::WindowMinimized))
            ridimensionata();
    }
    Finestra::changeEvent(e);
}

bool FrmOperativo::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && option1[0])
        option1[0]->setDown(false);
    return Finestra::event(e);
}

bool FrmOperativo::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == optOK && (evento->type() == QEvent::KeyPress || evento->type() == QEvent::KeyRelease)) {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        const bool invio = tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter;
        if (invio && evento->type() == QEvent::KeyPress && optOK->isEnabled()) {
            SiSi();
            controllaFine();
        }
        return true;
    }
    if (oggetto == area() && (evento->type() == QEvent::MouseButtonPress || evento->type() == QEvent::MouseButtonRelease)) {
        // Only the bare background: clicks on the panels and labels are theirs.
        const auto* mouse = static_cast<QMouseEvent*>(evento);
        const bool sfondo = area()->childAt(mouse->position().toPoint()) == nullptr;
        if (evento->type() == QEvent::MouseButtonPress) {
            sfondoPremuto = sfondo;
        } else if (sfondoPremuto && sfondo) {
            sfondoPremuto = false;
            fraElaborazione->setVisible(!fraElaborazione->isVisible());
        }
    }
    return Finestra::eventFilter(oggetto, evento);
}

void FrmOperativo::scarica()
{
    programma.mostraInizio();
}

// ---- The run

void FrmOperativo::disponiPannelli()
{
    for (QGroupBox* p : {fraAiuto, fraTastierino, fraAvviso, fraIntervento, fraTastierinoRidotto})
        p->move(lblRiferimento->pos());
}

void FrmOperativo::disattivaPannelli()
{
    for (QGroupBox* p : {fraAiuto, fraTastierino, fraAvviso, fraIntervento, fraTastierinoRidotto})
        p->setEnabled(false);
}

void FrmOperativo::mostraPannello(QGroupBox* p)
{
    p->setEnabled(true);
    p->raise();
}

void FrmOperativo::iniziaSerie()
{
    azzeraSerie(programma.sessione());
    for (QLabel* l : {lblTempoTotale, lblOperazione, lblRisEsatte, lblRisErrate, lblTempoOperazione})
        l->clear();
    nuovaOperazione();
}

void FrmOperativo::nuovaOperazione()
{
    Sessione& s = programma.sessione();
    lblCorrezione->clear();
    lblCorrezioneS->clear();
    impostaRisultato1(interrogativo);
    impostaSegno2(interrogativo);
    esito(QString());
    lblTempoOperazione->clear();
    avanzaOperazione(s);
    lblOperazione->setText(QString::number(s.numeroOperazione));
    nascondiLinee();
    // Armed before the presentation, which brings its keypad back over it: the
    // end panel comes to the front once the last operation is closed.
    controllaFine();
    presentaOperazione();
}

void FrmOperativo::controllaFine()
{
    if (!serieFinita(programma.sessione()))
        return;
    disattivaPannelli();
    mostraPannello(fraAvviso);
}

void FrmOperativo::presentaOperazione()
{
    Sessione& s = programma.sessione();
    const std::optional<Operazione> operazione = operazioneDelTipo(s.tipoOperazione, programma.generatore());
    if (!operazione)
        return;
    estraiOperandi(*operazione, s, programma.generatore());
    switch (*operazione) {
    case Operazione::Addizione:
        VisualizzaAdd();
        break;
    case Operazione::Sottrazione:
        VisualizzaSot();
        break;
    case Operazione::Moltiplicazione:
        VisualizzaMol();
        break;
    case Operazione::Divisione:
        VisualizzaDiv();
        break;
    }
}

// ---- Presentation

void FrmOperativo::VisualizzaSot() { visualizza(Operazione::Sottrazione); }
void FrmOperativo::VisualizzaAdd() { visualizza(Operazione::Addizione); }
void FrmOperativo::VisualizzaMol() { visualizza(Operazione::Moltiplicazione); }
void FrmOperativo::VisualizzaDiv() { visualizza(Operazione::Divisione); }

void FrmOperativo::visualizza(Operazione operazione)
{
    Sessione& s = programma.sessione();
    disegnaForma(s, programma.generatore());
    const bool rigaSegni = formaDiSegno(s.tipoEsercizio);
    if (rigaSegni) {
        fraSegno->setEnabled(true);
        fraSegno->raise();
        fraTastierinoRidotto->raise();
        tastieraSegni();
    } else {
        fraTastierino->setEnabled(true);
        fraNumero->raise();
        fraTastierino->raise();
        tastieraCifre();
    }

    const Presentazione p = presenta(operazione, s.tipoEsercizio, s);
    if (rigaSegni) {
        lblNumero4->setText(p.lblNumero4);
        lblNumero6->setText(p.lblNumero6);
        lblNumero8->setText(p.lblNumero8);
        lblUguale2->setText(p.lblUguale2);
        const bool aDestra = p.incognita == PosizioneSegno::Destra;
        spostaOrizzontale(lblUguale2, (aDestra ? lblRif2Sinistra : lblRif2Destra)->x());
        spostaOrizzontale(lblSegno2, (aDestra ? lblRif2Destra : lblRif2Sinistra)->x());
    } else {
        lblNumero1->setText(p.lblNumero1);
        lblNumero2->setText(p.lblNumero2);
        lblSegno->setText(p.lblSegno);
        lblUguale->setText(p.lblUguale);
        switch (p.disposizione) {
        case Disposizione::Prima:
            disponiIncognitaPrima();
            break;
        case Disposizione::Centrale:
            disponiIncognitaCentrale();
            break;
        case Disposizione::Ultima:
            disponiIncognitaUltima();
            break;
        }
    }
    s.rispostaEsatta = p.rispostaEsatta;
    rigaCorrente(s) = p.testoLog;

    spostaOrizzontale(lblCorrezione, lblRisultato1->x());
    spostaOrizzontale(lblCorrezioneS, lblSegno2->x());
    spostaOrizzontale(lblLinee, lblRisultato1->x() + pixel(spostamentoLinee));
    spostaOrizzontale(lblLineeS, lblSegno2->x());
    tracciaLinee();

    s.tempoInizio = programma.ambiente().orologio();
}

void FrmOperativo::disponiIncognitaPrima()
{
    spostaOrizzontale(lblRisultato1, lblRifer[0]->x());
    spostaOrizzontale(lblNumero1, lblRifer[1]->x());
    spostaOrizzontale(lblNumero2, lblRifer[2]->x());
}

void FrmOperativo::disponiIncognitaCentrale()
{
    spostaOrizzontale(lblNumero1, lblRifer[0]->x());
    spostaOrizzontale(lblRisultato1, lblRifer[1]->x());
    spostaOrizzontale(lblNumero2, lblRifer[2]->x());
}

void FrmOperativo::disponiIncognitaUltima()
{
    spostaOrizzontale(lblNumero1, lblRifer[0]->x());
    spostaOrizzontale(lblNumero2, lblRifer[1]->x());
    spostaOrizzontale(lblRisultato1, lblRifer[2]->x());
}

void FrmOperativo::tracciaLinee()
{
    auto croce = [](const QLabel* l, Linea* discendente, Linea* ascendente) {
        const QRect r = l->geometry();
        const QPoint altoSinistra(r.x(), r.y());
        const QPoint bassoDestra(r.x() + r.width(), r.y() + r.height());
        discendente->traccia(altoSinistra, bassoDestra);
        ascendente->traccia({r.x(), r.y() + r.height()}, {r.x() + r.width(), r.y()});
    };
    croce(lblLinee, linee[2], linee[3]);
    croce(lblLineeS, linee[0], linee[1]);
}

void FrmOperativo::nascondiLinee()
{
    for (Linea* l : linee)
        l->hide();
}

// ---- Keypads

void FrmOperativo::tastieraCifre()
{
    for (std::size_t i = 0; i < option1.size(); ++i)
        option1[i]->setEnabled(i <= 9);
}

void FrmOperativo::tastieraDopoCifre()
{
    for (std::size_t i = 0; i < option1.size(); ++i)
        option1[i]->setEnabled(i == avantiCifre || i == escoCifre);
}

void FrmOperativo::tastieraSegni()
{
    fraTastierinoRidotto->setEnabled(true);
    for (std::size_t i = 0; i < option5.size(); ++i)
        option5[i]->setEnabled(i <= 2);
}

void FrmOperativo::tastieraDopoSegni()
{
    for (std::size_t i = 0; i < option5.size(); ++i)
        option5[i]->setEnabled(i == avantiSegni || i == escoSegni);
}

void FrmOperativo::tastieraDopoRisposta()
{
    const int forma = programma.sessione().tipoEsercizio;
    if (formaDiNumero(forma)) {
        fraTastierino->setEnabled(true);
        fraNumero->raise();
        fraTastierino->raise();
        tastieraDopoCifre();
    } else if (formaDiSegno(forma)) {
        fraTastierinoRidotto->setEnabled(true);
        fraSegno->raise();
        fraTastierinoRidotto->raise();
        tastieraDopoSegni();
    }
}

void FrmOperativo::impostaRisultato1(const QString& testo)
{
    if (lblRisultato1->text() == testo)
        return;
    lblRisultato1->setText(testo);
    const bool risposta = testo != interrogativo;
    option1[verificaCifre]->setEnabled(risposta);
    option1[cancellaTasto]->setEnabled(risposta);
    option1[cancellaTasto]->setDown(false);
}

void FrmOperativo::impostaSegno2(const QString& testo)
{
    if (lblSegno2->text() == testo)
        return;
    lblSegno2->setText(testo);
    if (testo != interrogativo)
        option5[verificaSegni]->setEnabled(true);
}

void FrmOperativo::cifra(int d)
{
    Sessione& s = programma.sessione();
    const QString prima = s.rispostaAlunno;
    s.rispostaAlunno = aggiungiCifra(prima, d, s.maxCifre);
    if (s.rispostaAlunno != prima)
        impostaRisultato1(s.rispostaAlunno);
}

void FrmOperativo::cancella()
{
    Sessione& s = programma.sessione();
    s.rispostaAlunno = togliCifra(s.rispostaAlunno);
    impostaRisultato1(s.rispostaAlunno.isEmpty() ? interrogativo : s.rispostaAlunno);
}

void FrmOperativo::sceltaSegno(int i)
{
    const QString segno = QString::fromLatin1(segni[static_cast<std::size_t>(i)]);
    programma.sessione().rispostaAlunno = segno;
    impostaSegno2(segno);
}

// ---- Check and help

void FrmOperativo::verifica()
{
    Sessione& s = programma.sessione();
    if (rispostaGiusta(s)) {
        esito(QStringLiteral("Esatto"));
        s.risposteEsatte = static_cast<std::int16_t>(s.risposteEsatte + 1);
        lblRisEsatte->setText(QString::number(s.risposteEsatte));
        s.esatteAttestato = static_cast<std::int16_t>(s.esatteAttestato + 1);
        marcaEsito = QStringLiteral("  ");
        calcolaSpazi(s);
        chiudiTempo();
        registraEsatta(s, marcaEsito);
        disattivaPannelli();
        tastieraDopoRisposta();
        controllaFine();
        return;
    }
    esito(QStringLiteral("Errato"));
    nascondiLinee();
    marcaEsito = QStringLiteral("* ");
    s.risposteErrate = static_cast<std::int16_t>(s.risposteErrate + 1);
    lblRisErrate->setText(QString::number(s.risposteErrate));
    calcolaSpazi(s);
    registraErrore(s, marcaEsito);
    disattivaPannelli();
    mostraPannello(fraAiuto);
    option3[0]->setDown(false);
}

void FrmOperativo::NoNo()
{
    Sessione& s = programma.sessione();
    esito(QString());
    s.tentativi = static_cast<std::int16_t>(s.tentativi + 1);
    if (s.tentativi == 3) {
        disattivaPannelli();
        mostraPannello(fraIntervento);
        optOK->setDown(false);
        optOK->setFocus();
        s.tentativi = 0;
        return;
    }
    nascondiLinee();
    impostaRisultato1(interrogativo);
    impostaSegno2(interrogativo);
    s.rispostaAlunno.clear();
    disattivaPannelli();
    if (formaDiNumero(s.tipoEsercizio)) {
        mostraPannello(fraTastierino);
        tastieraCifre();
    } else {
        mostraPannello(fraTastierinoRidotto);
        tastieraSegni();
    }
}

void FrmOperativo::SiSi()
{
    Sessione& s = programma.sessione();
    chiudiTempo();
    registraAiuto(s);
    lblCorrezione->setText(s.rispostaEsatta);
    lblCorrezioneS->setText(s.rispostaEsatta);
    esito(QString());
    disattivaPannelli();
    if (formaDiNumero(s.tipoEsercizio)) {
        mostraPannello(fraTastierino);
        option1[0]->setDown(false);
        tastieraDopoCifre();
    } else {
        mostraPannello(fraTastierinoRidotto);
        tastieraDopoSegni();
        option5[0]->setDown(false);
    }
    controllaFine();
}

// ---- Timing and feedback

void FrmOperativo::chiudiTempo()
{
    Sessione& s = programma.sessione();
    ope::chiudiTempo(s, programma.ambiente().orologio());
    lblTempoOperazione->setText(didascaliaTempoOperazione(s));
    lblTempoTotale->setText(didascaliaTempoTotale(s));
}

void FrmOperativo::esito(const QString& testo)
{
    lblEsito->setText(testo);
    impostaTesto(lblEsito, testo == QLatin1String("Esatto") ? verde : rosso);
}

void FrmOperativo::cambiaSuono()
{
    if (suono != QLatin1String("siSuono")) {
        suono = QStringLiteral("siSuono");
        label7->setText(QStringLiteral("si audio"));
    } else {
        suono = QStringLiteral("noSuono");
        label7->setText(QStringLiteral("no audio"));
    }
}

} // namespace ope
