// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/frmoperativo.h"

#include "exercise/lettura.h"
#include "exercise/linea.h"
#include "exercise/registro.h"
#include "exercise/serie.h"
#include "programma.h"
#include "ui/accessibilita.h"
#include "ui/annuncio.h"
#include "ui/colori.h"
#include "ui/clicsfondo.h"
#include "ui/controlli.h"
#include "ui/etichettacliccabile.h"
#include "ui/pulsanteopzione.h"
#include "ui/twips.h"

#include <QAction>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>

namespace ope {

namespace {

const QString interrogativo = QStringLiteral("?");

// Keys of the digit keypad after the digits 0..9.
constexpr std::size_t cancellaTasto = 10;
constexpr std::size_t verificaCifre = 11;
constexpr std::size_t avantiCifre = 12;
constexpr std::size_t escoCifre = 13;
// And of the sign keypad after the signs.
constexpr std::size_t verificaSegni = 3;
constexpr std::size_t avantiSegni = 4;
constexpr std::size_t escoSegni = 5;

} // namespace

FrmOperativo::FrmOperativo(Programma& p) : Finestra(QStringLiteral("FrmOperativo"), 11910, 8700), programma(p),
      audio(p.ambiente())
{
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
    annuncio = new Annuncio(area());
    collegaTasti();
    registraProporzioni();

    setWindowTitle(programma.sessione().scelte.nomeProgramma);
    // No key has the focus until the pupil moves it there with Tab: typed
    // digits and Enter go to the window's shortcuts.
    setFocus();
    caricata = true;
    ricomincia();
}

void FrmOperativo::ricomincia()
{
    Sessione& sessione = programma.sessione();
    sessione.serie.scelte = sessione.scelte;
    const DatiScelte& s = sessione.serie.scelte;
    const QString tre = QStringLiteral("   ");
    label1[0]->setText(tre + s.intestazioneObiettivo);
    label1[1]->setText(tre + QStringLiteral("OPERAZIONE:") + QStringLiteral("    ") + s.nomeProgramma);
    label1[2]->setText(tre + s.intestazioneLivello);
    iniziaSerie();
}

void FrmOperativo::collegaTasti()
{
    auto suPressione = [this](PulsanteOpzione* p, auto azione) {
        connect(p, &PulsanteOpzione::premuto, this, [azione](Qt::MouseButton) { azione(); });
    };
    // Enter on a keypad key is the window's Enter: "Verifica", or "Avanti".
    for (PulsanteOpzione* p : option1)
        p->lasciaInvioAllaFinestra();
    for (PulsanteOpzione* p : option5)
        p->lasciaInvioAllaFinestra();
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
    connect(new ClicSulloSfondo(area()), &ClicSulloSfondo::cliccato, this,
            [this] { fraElaborazione->setVisible(!fraElaborazione->isVisible()); });
    mnuLeggi->setChecked(audio.lettura());
    connect(mnuLeggi, &QAction::toggled, this, [this](bool attiva) { audio.impostaLettura(attiva); });
}

std::vector<PulsanteOpzione*> FrmOperativo::tastiPer(const QKeyEvent& e) const
{
    // The keys of the keypads each key of the keyboard stands for, also as
    // typed on an Italian keyboard ("=" is Shift+0, ">" Shift+"<"); the first
    // that can be pressed now acts.
    if (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    const QString testo = e.text();
    if (testo.size() == 1 && testo[0] >= QLatin1Char('0') && testo[0] <= QLatin1Char('9'))
        return {option1[static_cast<std::size_t>(testo[0].digitValue())]};
    switch (e.key()) {
    case Qt::Key_Backspace:
        return {option1[cancellaTasto]};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {option1[verificaCifre], option5[verificaSegni], option1[avantiCifre], option5[avantiSegni], optOK};
    case Qt::Key_Escape:
        return {option1[escoCifre], option5[escoSegni]};
    case Qt::Key_Equal:
        return {option5[0]};
    case Qt::Key_Less:
        return {option5[1]};
    case Qt::Key_Greater:
        return {option5[2]};
    case Qt::Key_S:
        return {option3[1]};
    case Qt::Key_N:
        return {option3[0]};

    default:
        break;
    }
    const int segno = QStringLiteral("=<>").indexOf(testo);
    if (testo.size() == 1 && segno >= 0)
        return {option5[static_cast<std::size_t>(segno)]};
    return {};
}

void FrmOperativo::keyPressEvent(QKeyEvent* e)
{
    const bool senzaModificatori = !(e->modifiers() & ~Qt::KeypadModifier);
    if (e->key() == Qt::Key_R && senzaModificatori) {
        // What the statistics panel shows, for a pupil who cannot see it.
        annuncio->annuncia(riepilogoDaLeggere(lblRisEsatte->text(), lblOperazione->text(), lblRisErrate->text(),
                                              lblTempoOperazione->text(), lblTempoTotale->text()));
        e->accept();
        return;
    }
    const std::vector<PulsanteOpzione*> tasti = tastiPer(*e);
    if (tasti.empty()) {
        Finestra::keyPressEvent(e);
        return;
    }
    e->accept();
    if (e->isAutoRepeat())
        return;
    QPointer<QWidget> fuoco(focusWidget());
    // A pupil who types the answer is not moving the focus: the ring goes.
    nascondiAnello(this);
    bool agito = false;
    for (PulsanteOpzione* t : tasti) {
        if ((agito = t->premi()))
            break;
    }
    // Where Enter has no meaning of the window's (the help offer, the end of
    // the run), it presses the focused key, as in every other window.
    const bool invio = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (!agito && invio)
        if (auto* tasto = qobject_cast<PulsanteOpzione*>(fuoco.data()); tasto && fermataPossibile(tasto)) {
            mostraAnello(this);
            tasto->premi();
        }
    if (fuoco && fuoco != this)
        fuocoDopoAzione(this, fuoco);
}

// ---- Window events

void FrmOperativo::ridimensionata()
{
    // Only the layout follows the new size: the run, its counts and times
    // and the operation on screen stay as they were.
    if (!caricata)
        return;
    disponiPannelli();
    disponiRiga();
}

bool FrmOperativo::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && option1[0])
        option1[0]->setDown(false);
    return Finestra::event(e);
}

void FrmOperativo::scarica()
{
    programma.mostraInizio();
}

// ---- The run

void FrmOperativo::disponiPannelli()
{
    for (QFrame* p : {fraAiuto, fraTastierino, fraAvviso, fraIntervento, fraTastierinoRidotto})
        p->move(lblRiferimento->pos());
}

void FrmOperativo::disattivaPannelli()
{
    for (QFrame* p : {fraAiuto, fraTastierino, fraAvviso, fraIntervento, fraTastierinoRidotto})
        p->setEnabled(false);
}

void FrmOperativo::mostraPannello(QFrame* p)
{
    p->setEnabled(true);
    p->raise();
}

void FrmOperativo::iniziaSerie()
{
    azzeraSerie(programma.sessione().serie);
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
    avanzaOperazione(s.serie, s.operazione);
    lblOperazione->setText(QString::number(s.serie.numeroOperazione));
    nascondiLinee();
    // Armed before the presentation, which brings its keypad back over it: the
    // end panel comes to the front once the last operation is closed.
    controllaFine();
    presentaOperazione();
}

void FrmOperativo::controllaFine()
{
    if (!serieFinita(programma.sessione().serie))
        return;
    disattivaPannelli();
    mostraPannello(fraAvviso);
}

void FrmOperativo::presentaOperazione()
{
    Sessione& s = programma.sessione();
    const std::optional<Operazione> operazione = operazioneDelTipo(s.serie.scelte.tipoOperazione, programma.generatore());
    if (!operazione)
        return;
    estraiOperandi(*operazione, s.serie.scelte, s.operazione, programma.generatore());
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
    disegnaForma(s.serie.scelte, s.operazione, programma.generatore());
    const bool rigaSegni = formaDiSegno(s.operazione.tipoEsercizio);
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

    presentazione = presenta(operazione, s.operazione.tipoEsercizio, s.operazione);
    const Presentazione& p = *presentazione;
    if (rigaSegni) {
        lblNumero4->setText(p.lblNumero4);
        lblNumero6->setText(p.lblNumero6);
        lblNumero8->setText(p.lblNumero8);
        lblUguale2->setText(p.lblUguale2);
    } else {
        lblNumero1->setText(p.lblNumero1);
        lblNumero2->setText(p.lblNumero2);
        lblSegno->setText(p.lblSegno);
        lblUguale->setText(p.lblUguale);
    }
    disponiRiga();
    s.operazione.rispostaEsatta = p.rispostaEsatta;
    rigaCorrente(s.serie) = p.testoLog;
    (rigaSegni ? fraSegno : fraNumero)->setAccessibleName(fraseOperazione(p));
    annuncio->annuncia(fraseOperazione(p));
    audio.operazione(operazione, p);

    s.serie.tempoInizio = programma.ambiente().orologio();
}

void FrmOperativo::disponiRiga()
{
    // The proportional layout puts every label back at its design place:
    // the row of the operation on screen is arranged again over it.
    if (!presentazione)
        return;
    const Presentazione& p = *presentazione;
    if (p.rigaSegni) {
        const bool aDestra = p.incognita == PosizioneSegno::Destra;
        spostaOrizzontale(lblUguale2, (aDestra ? lblRif2Sinistra : lblRif2Destra)->x());
        spostaOrizzontale(lblSegno2, (aDestra ? lblRif2Destra : lblRif2Sinistra)->x());
    } else {
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
    spostaOrizzontale(lblCorrezione, lblRisultato1->x());
    spostaOrizzontale(lblCorrezioneS, lblSegno2->x());
    spostaOrizzontale(lblLinee, lblRisultato1->x() + pixel(spostamentoLinee));
    spostaOrizzontale(lblLineeS, lblSegno2->x());
    tracciaLinee();
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
    const int forma = programma.sessione().operazione.tipoEsercizio;
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
    QString& risposta = s.operazione.rispostaAlunno;
    const QString prima = risposta;
    risposta = aggiungiCifra(prima, d, s.serie.scelte.maxCifre);
    if (risposta != prima)
        impostaRisultato1(risposta);
}

void FrmOperativo::cancella()
{
    DatiOperazione& s = programma.sessione().operazione;
    s.rispostaAlunno = togliCifra(s.rispostaAlunno);
    impostaRisultato1(s.rispostaAlunno.isEmpty() ? interrogativo : s.rispostaAlunno);
    annuncio->annuncia(s.rispostaAlunno.isEmpty() ? QStringLiteral("Risposta vuota")
                                                  : QStringLiteral("Risposta ") + s.rispostaAlunno);
}

void FrmOperativo::sceltaSegno(int i)
{
    const QString segno = option5[static_cast<std::size_t>(i)]->text();
    programma.sessione().operazione.rispostaAlunno = segno;
    impostaSegno2(segno);
}

// ---- Check and help

void FrmOperativo::verifica()
{
    Sessione& sessione = programma.sessione();
    Serie& s = sessione.serie;
    DatiOperazione& o = sessione.operazione;
    if (rispostaGiusta(o)) {
        esito(QStringLiteral("Esatto"));
        s.risposteEsatte = static_cast<std::int16_t>(s.risposteEsatte + 1);
        lblRisEsatte->setText(QString::number(s.risposteEsatte));
        s.esatteAttestato = static_cast<std::int16_t>(s.esatteAttestato + 1);
        marcaEsito = QStringLiteral("  ");
        calcolaSpazi(o);
        chiudiTempo();
        registraEsatta(s, o, marcaEsito);
        disattivaPannelli();
        tastieraDopoRisposta();
        if (serieFinita(s))
            annunciaFine();
        controllaFine();
        return;
    }
    esito(QStringLiteral("Errato"));
    nascondiLinee();
    marcaEsito = QStringLiteral("* ");
    s.risposteErrate = static_cast<std::int16_t>(s.risposteErrate + 1);
    lblRisErrate->setText(QString::number(s.risposteErrate));
    calcolaSpazi(o);
    registraErrore(s, o, marcaEsito);
    disattivaPannelli();
    mostraPannello(fraAiuto);
    option3[0]->setDown(false);
    annuncio->annuncia(QStringLiteral("Ti aiuto ?"));
}

void FrmOperativo::NoNo()
{
    Serie& s = programma.sessione().serie;
    DatiOperazione& o = programma.sessione().operazione;
    esito(QString());
    s.tentativi = static_cast<std::int16_t>(s.tentativi + 1);
    if (s.tentativi == 3) {
        disattivaPannelli();
        mostraPannello(fraIntervento);
        optOK->setDown(false);
        optOK->setFocus();
        s.tentativi = 0;
        annuncio->annuncia(QStringLiteral("Ora intevengo io"));
        return;
    }
    nascondiLinee();
    impostaRisultato1(interrogativo);
    impostaSegno2(interrogativo);
    o.rispostaAlunno.clear();
    disattivaPannelli();
    if (formaDiNumero(o.tipoEsercizio)) {
        mostraPannello(fraTastierino);
        tastieraCifre();
    } else {
        mostraPannello(fraTastierinoRidotto);
        tastieraSegni();
    }
    if (presentazione)
        annuncio->annuncia(fraseOperazione(*presentazione));
}

void FrmOperativo::SiSi()
{
    Sessione& s = programma.sessione();
    chiudiTempo();
    registraAiuto(s.serie, s.operazione);
    lblCorrezione->setText(s.operazione.rispostaEsatta);
    lblCorrezioneS->setText(s.operazione.rispostaEsatta);
    audio.rispostaMostrata();
    if (presentazione)
        annuncio->annuncia(rispostaDaLeggere(*presentazione));
    esito(QString());
    disattivaPannelli();
    if (formaDiNumero(s.operazione.tipoEsercizio)) {
        mostraPannello(fraTastierino);
        option1[0]->setDown(false);
        tastieraDopoCifre();
    } else {
        mostraPannello(fraTastierinoRidotto);
        tastieraDopoSegni();
        option5[0]->setDown(false);
    }
    if (serieFinita(s.serie))
        annunciaFine();
    controllaFine();
}

void FrmOperativo::annunciaFine()
{
    audio.fineSerie();
    annuncio->annuncia(QStringLiteral("Esercitazione terminata. Se ricominci, gli esercizi andranno persi."));
}

// ---- Timing and feedback

void FrmOperativo::chiudiTempo()
{
    Serie& s = programma.sessione().serie;
    ope::chiudiTempo(s, programma.ambiente().orologio());
    lblTempoOperazione->setText(didascaliaTempoOperazione(s));
    lblTempoTotale->setText(didascaliaTempoTotale(s));
}

void FrmOperativo::esito(const QString& testo)
{
    lblEsito->setText(testo);
    impostaTesto(lblEsito, testo == QLatin1String("Esatto") ? colori::verdeBosco : colori::rossoMattone);
    // A screen reader says the verdict at once, as a sighted pupil sees it.
    if (!testo.isEmpty()) {
        annuncio->annuncia(testo);
        audio.verdetto(testo);
    }
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
    audio.suoni = suono != QLatin1String("noSuono");
}

} // namespace ope
