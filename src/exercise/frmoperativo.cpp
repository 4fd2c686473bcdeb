// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/frmoperativo.h"

#include "exercise/lettura.h"
#include "exercise/linea.h"
#include "programma.h"
#include "serie/registro.h"
#include "start/tabelle.h"
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

void abilita(PulsanteOpzione* tasto, bool attivo)
{
    tasto->setEnabled(attivo);
    // A key disabled under the pointer never sees its release.
    if (!attivo)
        tasto->setDown(false);
}

QString testoOPuntoDomanda(const QString& testo)
{
    return testo.isEmpty() ? interrogativo : testo;
}

} // namespace

FrmOperativo::FrmOperativo(Programma& p) : Finestra(QStringLiteral("FrmOperativo"), 11910, 8700), programma(p),
      audio(p.ambiente()), annuncio(new Annuncio(area())), annunci(*annuncio)
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
    collegaTasti();
    registraProporzioni();

    setWindowTitle(titoloEsercizio(programma.sessione()));
    // No key has the focus until the pupil moves it there with Tab: typed
    // digits and Enter go to the window's shortcuts.
    setFocus();
    caricata = true;
    ricomincia();
}

FrmOperativo::~FrmOperativo()
{
    // The printout may keep the run longer than this window lives.
    for (OsservatoreSerie* o : osservatori())
        corrente->nonOsservare(o);
}

void FrmOperativo::ricomincia()
{
    if (!corrente || lasciaSerie(Abbandono::Ricominciare))
        iniziaSerie(programma.sessione().scelte);
}

bool FrmOperativo::lasciaSerie(Abbandono abbandono)
{
    if (lasciata)
        return true;
    const QString domanda = domandaAbbandono(*corrente, vista, abbandono);
    if (!domanda.isEmpty() && !programma.ambiente().conferma(domanda))
        return false;
    lasciata = abbandono == Abbandono::Uscire;
    return true;
}

void FrmOperativo::lascia()
{
    lasciata = true;
    close();
}

void FrmOperativo::iniziaSerie(const DatiScelte& scelte)
{
    if (corrente) {
        for (OsservatoreSerie* o : osservatori())
            corrente->nonOsservare(o);
    }
    corrente = programma.nuovaSerie(scelte);
    vista = false;
    for (OsservatoreSerie* o : osservatori())
        corrente->osserva(o);
    const DatiScelte& s = corrente->scelte();
    const QString tre = QStringLiteral("   ");
    label1[0]->setText(tre + s.intestazioneObiettivo);
    label1[1]->setText(tre + QStringLiteral("OPERAZIONE:") + QStringLiteral("    ") + operazioneScelta(s));
    label1[2]->setText(tre + s.intestazioneLivello);
    corrente->inizia();
    mostraSerie();
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
        suPressione(righe[0].risposte[static_cast<std::size_t>(d)], [this, d] { agisci(corrente->cifra(d)); });
    for (PulsanteOpzione* segno : righe[1].risposte)
        suPressione(segno, [this, segno] { agisci(corrente->segno(segno->text())); });
    suPressione(righe[0].cancella, [this] { cancella(); });
    for (const Riga& r : righe) {
        suPressione(r.verifica, [this] { agisci(corrente->verifica()); });
        suPressione(r.avanti, [this] { agisci(corrente->avanti()); });
        suPressione(r.esco, [this] { close(); });
    }
    suPressione(option3[0], [this] { agisci(corrente->rifiutaAiuto()); });
    suPressione(option3[1], [this] { agisci(corrente->accettaAiuto()); });
    suPressione(optOK, [this] { agisci(corrente->accettaAiuto()); });
    suPressione(option4[0], [this] { visualizza(); });
    // "Ricomincia": another run of the same choices, whatever the start window shows now.
    // It lies where "Avanti" stood: a habitual click must not drop an unseen run.
    suPressione(option4[1], [this] {
        if (lasciaSerie(Abbandono::Ricominciare))
            iniziaSerie(DatiScelte(corrente->scelte()));
    });
    connect(mnuVisualizza, &QAction::triggered, this, [this] { visualizza(); });
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
    const Riga& numeri = righe[0];
    const Riga& segni = righe[1];
    const QString testo = e.text();
    if (testo.size() == 1 && testo[0] >= QLatin1Char('0') && testo[0] <= QLatin1Char('9'))
        return {numeri.risposte[static_cast<std::size_t>(testo[0].digitValue())]};
    switch (e.key()) {
    case Qt::Key_Backspace:
        return {numeri.cancella};
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return {numeri.verifica, segni.verifica, numeri.avanti, segni.avanti, optOK};
    case Qt::Key_Escape:
        return {numeri.esco, segni.esco};
    case Qt::Key_Equal:
        return {segni.risposte[0]};
    case Qt::Key_Less:
        return {segni.risposte[1]};
    case Qt::Key_Greater:
        return {segni.risposte[2]};
    case Qt::Key_S:
        return {option3[1]};
    case Qt::Key_N:
        return {option3[0]};
    default:
        break;
    }
    const int segno = QStringLiteral("=<>").indexOf(testo);
    if (testo.size() == 1 && segno >= 0)
        return {segni.risposte[static_cast<std::size_t>(segno)]};
    return {};
}

void FrmOperativo::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_R && !(e->modifiers() & ~Qt::KeypadModifier)) {
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
    if (!agito && invio) {
        if (auto* tasto = qobject_cast<PulsanteOpzione*>(fuoco.data()); tasto && fermataPossibile(tasto)) {
            mostraAnello(this);
            tasto->premi();
        }
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

bool FrmOperativo::lasciaChiudere()
{
    // Ending the program asked its question before closing this window.
    return programma.terminato() || lasciaSerie(Abbandono::Uscire);
}

void FrmOperativo::scarica()
{
    programma.mostraInizio();
}

// ---- The run on screen

void FrmOperativo::agisci(bool fatto)
{
    if (fatto)
        mostraSerie();
}

// Everything the window shows of the run, after any action.
void FrmOperativo::mostraSerie()
{
    const Serie& s = *corrente;
    const Riga& r = riga();
    const bool chiusa = s.fase() == Fase::Chiusa || s.fase() == Fase::Finita;
    r.incognita->setText(testoOPuntoDomanda(s.risposta()));
    r.correzione->setText(s.mostrataDalProgramma() ? s.operazione().rispostaEsatta : QString());

    lblEsito->setText(testoVerdetto(s.verdetto()));
    impostaTesto(lblEsito, s.verdetto() == Verdetto::Esatto ? colori::verdeBosco : colori::rossoMattone);

    auto conteggio = [](int n) { return n > 0 ? QString::number(n) : QString(); };
    lblRisEsatte->setText(conteggio(s.esatte()));
    lblRisErrate->setText(conteggio(s.errate()));
    lblOperazione->setText(QString::number(s.numeroOperazione()));
    lblTempoOperazione->setText(chiusa ? didascaliaTempoOperazione(s.secondiOperazione()) : QString());
    const bool unaChiusa = chiusa || s.numeroOperazione() > 1;
    lblTempoTotale->setText(unaChiusa ? didascaliaTempoTotale(s.secondiTotali()) : QString());
    mostraFase();
}

// The phase brings one panel to the front and leaves usable the keys that
// the run takes now: each phase of one row of the table below.
void FrmOperativo::mostraFase()
{
    const Serie& s = *corrente;
    const Riga& r = riga();
    struct Aspetto {
        QFrame* pannello;
        bool rispondere;    // digits or signs, and with an answer "Cancella" and "Verifica"
        bool proseguire;    // "Avanti" and "Esco"
    };
    auto aspetto = [&]() -> Aspetto {
        switch (s.fase()) {
        case Fase::Risposta:
            return {r.tastierino, true, false};
        case Fase::AiutoOfferto:
            return {fraAiuto, false, false};
        case Fase::Intervento:
            return {fraIntervento, false, false};
        case Fase::Chiusa:
            return {r.tastierino, false, true};
        case Fase::Finita:
            break;
        }
        return {fraAvviso, false, false};
    }();
    if (r.riquadro != rigaDavanti) {
        rigaDavanti = r.riquadro;
        r.riquadro->raise();
        pannelloDavanti = nullptr;   // the keypad goes back over it
    }
    if (s.fase() != faseMostrata || !pannelloDavanti) {
        faseMostrata = s.fase();
        mostraPannello(aspetto.pannello);
    }
    const bool conRisposta = aspetto.rispondere && !s.risposta().isEmpty();
    // In the keypad's order: where the focus goes from a key put out of use depends on it.
    std::vector<std::pair<PulsanteOpzione*, bool>> tasti;
    for (PulsanteOpzione* t : r.risposte)
        tasti.emplace_back(t, aspetto.rispondere);
    if (r.cancella)
        tasti.emplace_back(r.cancella, conRisposta);
    tasti.emplace_back(r.verifica, conRisposta);
    tasti.emplace_back(r.avanti, aspetto.proseguire);
    tasti.emplace_back(r.esco, aspetto.proseguire);
    for (auto [tasto, attivo] : tasti)
        abilita(tasto, attivo);
    if (s.fase() == Fase::Intervento)
        optOK->setFocus();
}

void FrmOperativo::mostraPannello(QFrame* davanti)
{
    // All out of use first: a focused key loses the focus with its panel.
    for (QFrame* p : {fraAiuto, righe[0].tastierino, fraAvviso, fraIntervento, righe[1].tastierino})
        p->setEnabled(false);
    davanti->setEnabled(true);
    if (davanti == pannelloDavanti)
        return;
    pannelloDavanti = davanti;
    davanti->raise();
    // What now lies under the pointer was not pressed.
    for (PulsanteOpzione* t : davanti->findChildren<PulsanteOpzione*>())
        t->setDown(false);
}

void FrmOperativo::presentata(const Serie& s)
{
    const Presentazione& p = *s.presentazione();
    if (p.rigaSegni) {
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
    for (const Riga& r : righe) {
        r.incognita->setText(interrogativo);
        r.correzione->clear();
    }
    nascondiLinee();
    disponiRiga();
    riga().riquadro->setAccessibleName(fraseOperazione(p));
}

void FrmOperativo::verificata(const Serie& s, bool esatta)
{
    if (!esatta)
        nascondiLinee();
    lblEsito->setText(testoVerdetto(s.verdetto()));
}

void FrmOperativo::visualizza()
{
    vista = corrente->fase() == Fase::Finita;
    programma.apriStampaEsercizio();
}

void FrmOperativo::cancella()
{
    if (!corrente->cancella())
        return;
    mostraSerie();
    // What is left, as the pupil sees it under the "?".
    annuncio->annuncia(corrente->risposta().isEmpty() ? QStringLiteral("Risposta vuota")
                                                      : QStringLiteral("Risposta ") + corrente->risposta());
}

// ---- Layout

void FrmOperativo::disponiPannelli()
{
    for (QFrame* p : {fraAiuto, righe[0].tastierino, fraAvviso, fraIntervento, righe[1].tastierino})
        p->move(lblRiferimento->pos());
}

void FrmOperativo::disponiRiga()
{
    // The proportional layout puts every label back at its design place:
    // the row of the operation on screen is arranged again over it.
    const std::optional<Presentazione>& presentazione = corrente ? corrente->presentazione() : std::nullopt;
    if (!presentazione)
        return;
    const Presentazione& p = *presentazione;
    const Riga& numeri = righe[0];
    const Riga& segni = righe[1];
    if (p.rigaSegni) {
        const bool aDestra = p.incognita == PosizioneSegno::Destra;
        spostaOrizzontale(lblUguale2, (aDestra ? lblRif2Sinistra : lblRif2Destra)->x());
        spostaOrizzontale(segni.incognita, (aDestra ? lblRif2Destra : lblRif2Sinistra)->x());
    } else {
        switch (p.disposizione) {
        case Disposizione::Prima:
            disponiIncognita({numeri.incognita, lblNumero1, lblNumero2});
            break;
        case Disposizione::Centrale:
            disponiIncognita({lblNumero1, numeri.incognita, lblNumero2});
            break;
        case Disposizione::Ultima:
            disponiIncognita({lblNumero1, lblNumero2, numeri.incognita});
            break;
        }
    }
    spostaOrizzontale(numeri.correzione, numeri.incognita->x());
    spostaOrizzontale(segni.correzione, segni.incognita->x());
    spostaOrizzontale(numeri.linee, numeri.incognita->x() + pixel(spostamentoLinee));
    spostaOrizzontale(segni.linee, segni.incognita->x());
    tracciaLinee();
}

void FrmOperativo::disponiIncognita(std::array<QLabel*, 3> daSinistra)
{
    for (std::size_t k = 0; k < daSinistra.size(); ++k)
        spostaOrizzontale(daSinistra[k], lblRifer[k]->x());
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
    croce(righe[0].linee, linee[2], linee[3]);
    croce(righe[1].linee, linee[0], linee[1]);
}

void FrmOperativo::nascondiLinee()
{
    for (Linea* l : linee)
        l->hide();
}

void FrmOperativo::cambiaSuono()
{
    suono = suono == Interruttore::Si ? Interruttore::No : Interruttore::Si;
    label7->setText(suono == Interruttore::No ? QStringLiteral("no audio") : QStringLiteral("si audio"));
    audio.suoni = suono != Interruttore::No;
}

} // namespace ope
