// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/frmstampaschede.h"

#include "programma.h"
#include "reports/schede.h"
#include "session/sessione.h"
#include "start/tabelle.h"
#include "ui/accessibilita.h"
#include "ui/colori.h"
#include "ui/controlli.h"
#include "ui/etichettacliccabile.h"
#include "ui/pulsanteopzione.h"
#include "ui/scelte.h"
#include "ui/twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace ope {

namespace {


// The sheet on screen: three columns; lines 1-30 in ten rows from the first
// top, lines 31-60 in ten rows from the second, column by column.
constexpr double sinistraColonna[3] = {285, 4260, 8175};
constexpr double altoMeta[2] = {1125, 3435};
constexpr double passoRiga = 210;
constexpr double larghezzaRiga = 3510;
constexpr double altezzaRiga = 225;

// The objective panel has three places, each shared by two objectives; the levels have four.
const Scelte::Posti postiObiettivi{150, 4980, 540, 5190, 180, {300, 900, 1500}};
const Scelte::Posti postiLivelli{150, 1860, 420, 2070, 180, {300, 780, 1260, 1740}};

} // namespace

FrmStampaSchede::FrmStampaSchede(Programma& p)
    : Finestra(QStringLiteral("FrmStampaSchede"), 12000, 8400), programma(p)
{
    creaControlli();
    pagina = 1;
    registraProporzioni();

    Scheda& s = foglio;
    s.scelte = programma.sessione().scelte;
    setWindowTitle(tipoOperazione(s.scelte.tipoOperazione).titolo);
    label1->setText(s.scelte.titoloObiettivo);
    s.operazioniPerScheda = righePerScheda;
    s.tipoStampaScheda = 0;
    s.stampaAlunni = {};
    s.stampaDocenti = {};
    costruisciScheda();

    frame3->setEnabled(false);
    frame4->setEnabled(false);
    stampeUsabili(false);
    ordineDiTabulazione(obiettivo, livello, {lblCambiaObSchede->fermataDiTab(), cmdSchedaAlunni, cmdStampaAlunni,
                                             cmdSchedaDocenti, cmdStampaDocenti, cmdRicomincia, command1});
    fuocoIniziale(obiettivo.opzione(0));
}

void FrmStampaSchede::creaControlli()
{
    QWidget* a = area();
    impostaSfondo(a, colori::gialloPallido);

    // Wider and taller than the single line the title had, so that level and
    // objective together are never cut off.
    label1 = nuovaEtichetta(a, QStringLiteral("Label1"), QString(), 90, 165, 11820, 840);
    label1->setFont(carattere(QStringLiteral("Arial"), 12));
    label1->setWordWrap(true);
    impostaTesto(label1, colori::bluVivo);

    const QFont fontRighe = carattere(QStringLiteral("Courier New"), 9.75, true);
    for (int i = 1; i <= righePerScheda; ++i) {
        const int k = (i - 1) % 30;
        const double alto = altoMeta[(i - 1) / 30] + passoRiga * (k % 10);
        lblOp[i] = nuovaEtichetta(a, nomeElemento(QStringLiteral("LblOp"), i), QString(),
                                  sinistraColonna[k / 10], alto, larghezzaRiga, altezzaRiga);
        lblOp[i]->setFont(fontRighe);
        impostaTesto(lblOp[i], colori::rossoScuro);
    }

    lblCambiaObSchede = new EtichettaCliccabile(QStringLiteral("lblCambiaObSchede"),
                                                QStringLiteral("Clicca per cambiare gli obiettivi"), a);
    lblCambiaObSchede->setGeometry(rettangolo(120, 5640, 5520, 300));
    lblCambiaObSchede->setFont(carattere(QStringLiteral("Arial"), 10, true));
    impostaTesto(lblCambiaObSchede, colori::bluNotte);
    connect(lblCambiaObSchede, &EtichettaCliccabile::cliccata, this, [this] { cambiaObiettivi(); });

    const QFont fontCornici = carattere(QStringLiteral("Arial"), 10, true);
    frame1 = nuovaCornice(a, QStringLiteral("Frame1"), QStringLiteral("OBIETTIVI 1"), fontCornici, 120, 5940, 5520, 2340);
    frame2 = nuovaCornice(a, QStringLiteral("Frame2"), QStringLiteral("LIVELLI"), fontCornici, 5760, 5640, 2400, 2640);
    frame3 = nuovaCornice(a, QStringLiteral("Frame3"), QStringLiteral("ALUNNI"), fontCornici, 8280, 5640, 3600, 1080);
    frame4 = nuovaCornice(a, QStringLiteral("Frame4"), QStringLiteral("DOCENTI"), fontCornici, 8280, 6780, 3600, 1080);
    for (QGroupBox* f : {frame1, frame2, frame3, frame4}) {
        impostaSfondo(f, colori::gialloPallido);
        impostaTesto(f, colori::rossoScuro);
    }

    const QFont fontOpzioni = carattere(QStringLiteral("Arial"), 10, true);
    // Group 2 is made first, so that group 1 lies in front until the first switch.
    obiettivo.crea(frame1, QStringLiteral("Option1"), QStringLiteral("Label9"), didascalieDi(obiettivi()),
                   postiObiettivi, {3, 4, 5, 0, 1, 2}, fontOpzioni, colori::pesca,
                   [this](int i) { sceltaObiettivo(i); });
    livello.crea(frame2, QStringLiteral("Option2"), QStringLiteral("Label10"), didascalieDi(livelli(), &Livello::didascaliaScheda),
                 postiLivelli, {0, 1, 2, 3}, fontOpzioni, colori::pesca,
                 [this](int i) { sceltaLivello(i); });
    azzeraObiettivi();
    azzeraLivelli();
    frame2->setEnabled(false);

    cmdSchedaAlunni = nuovoComando(frame3, QStringLiteral("CmdSchedaAlunni"),
                                   QStringLiteral("VISUALIZZA SCHEDA ALUNNI"), 9, 120, 270, 3360, 330);
    cmdStampaAlunni = nuovoComando(frame3, QStringLiteral("CmdStampaAlunni"),
                                   QStringLiteral("STAMPA SCHEDA "), 9, 120, 660, 3360, 330);
    cmdSchedaDocenti = nuovoComando(frame4, QStringLiteral("CmdSchedaDocenti"),
                                    QStringLiteral("VISUALIZZA SCHEDA DOCENTI"), 9, 120, 270, 3360, 330);
    cmdStampaDocenti = nuovoComando(frame4, QStringLiteral("CmdStampaDocenti"),
                                    QStringLiteral("STAMPA SCHEDA"), 9, 120, 660, 3360, 330);
    cmdRicomincia = nuovoComando(a, QStringLiteral("CmdRicomincia"), QStringLiteral("CANCELLA SCHEDA"), 9,
                                 8280, 7950, 2220, 360);
    command1 = nuovoComando(a, QStringLiteral("Command1"), QStringLiteral("ESCI"), 9, 10620, 7950, 1260, 360);
    cmdStampaAlunni->setVisible(false);
    cmdStampaDocenti->setVisible(false);

    for (QPushButton* c : {cmdSchedaAlunni, cmdStampaAlunni, cmdSchedaDocenti, cmdStampaDocenti, cmdRicomincia, command1})
        c->installEventFilter(this);
    connect(cmdSchedaAlunni, &QPushButton::clicked, this, [this] { schedaAlunni(); });
    connect(cmdSchedaDocenti, &QPushButton::clicked, this, [this] { schedaDocenti(); });
    connect(cmdStampaAlunni, &QPushButton::clicked, this, [this] { stampa(1); });
    connect(cmdStampaDocenti, &QPushButton::clicked, this, [this] { stampa(2); });
    connect(cmdRicomincia, &QPushButton::clicked, this, [this] { cancellaScheda(); });
    connect(command1, &QPushButton::clicked, this, [this] { close(); });
}

bool FrmStampaSchede::eventFilter(QObject* oggetto, QEvent* evento)
{
    // Enter clicks the command that shows the focus ring, as Space does.
    if (evento->type() == QEvent::KeyPress) {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        auto* comando = qobject_cast<QPushButton*>(oggetto);
        const bool invio = tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter;
        if (comando && invio && fuocoVisibile(comando)) {
            if (!tasto->isAutoRepeat())
                comando->click();
            return true;
        }
    }
    // Reaching a sheet button by the keyboard offers its print as well.
    if (evento->type() == QEvent::FocusIn && (oggetto == cmdSchedaAlunni || oggetto == cmdSchedaDocenti))
        daiFuoco(static_cast<QPushButton*>(oggetto));
    return Finestra::eventFilter(oggetto, evento);
}

void FrmStampaSchede::daiFuoco(QPushButton* scheda)
{
    // A sheet button that has the focus offers its print. The focus event
    // alone would not do: an inactive window gets none.
    if (!scheda->hasFocus())
        scheda->setFocus();
    (scheda == cmdSchedaAlunni ? cmdStampaAlunni : cmdStampaDocenti)->setVisible(true);
}

void FrmStampaSchede::scarica()
{
    programma.mostraInizio();
}

void FrmStampaSchede::azzeraObiettivi()
{
    obiettivo.azzera();
}

void FrmStampaSchede::azzeraLivelli()
{
    livello.azzera();
}

void FrmStampaSchede::costruisciScheda()
{
    Scheda& s = foglio;
    for (int i = 1; i <= s.operazioniPerScheda; ++i)
        generaRigaScheda(s, programma.generatore(), i);
}

void FrmStampaSchede::svuotaScheda()
{
    for (int i = 1; i <= righePerScheda; ++i)
        lblOp[i]->clear();
}

void FrmStampaSchede::mostraScheda(const Righe& righe)
{
    for (int i = 1; i <= righePerScheda; ++i)
        lblOp[i]->setText(righe[i]);
    // Both forms of the draw now on screen wait for their own print button.
    Scheda& scheda = foglio;
    scheda.stampaAlunni = scheda.schedaAlunni;
    scheda.stampaDocenti = scheda.schedaDocenti;
    stampeUsabili(true);
}

void FrmStampaSchede::stampeUsabili(bool usabili)
{
    // A print button stays greyed, out of the Tab order and reported
    // unavailable, until a sheet is on screen: it never prints an empty one.
    cmdStampaAlunni->setEnabled(usabili);
    cmdStampaDocenti->setEnabled(usabili);
}

void FrmStampaSchede::sceltaObiettivo(int i)
{
    obiettivo.segna(i);
    DatiScelte& s = foglio.scelte;
    scegliObiettivoScheda(s, i);
    label1->setText(s.titoloObiettivo);
    frame2->setEnabled(true);
    frame3->setEnabled(false);
    frame4->setEnabled(false);
}

void FrmStampaSchede::sceltaLivello(int i)
{
    azzeraLivelli();
    Scheda& s = foglio;
    scegliLivelloScheda(s, i);
    frame3->setEnabled(true);
    // A new level builds a sheet nobody has seen yet: its answers wait until
    // the pupils' sheet is shown, so the two printed sheets always match.
    frame4->setEnabled(false);
    daiFuoco(cmdSchedaAlunni);
    QString livelloScelto = s.scelte.descrizioneLivello;
    if (const QString spiegazione = spiegazioneLivello(s.scelte); !spiegazione.isEmpty())
        livelloScelto += QStringLiteral("  (") + spiegazione + u')';
    label1->setText(livelloScelto + QStringLiteral("   -   ") + s.scelte.titoloObiettivo);
    costruisciScheda();
    livello.segna(i);
}

void FrmStampaSchede::cambiaObiettivi()
{
    pagina = cambiaGruppoObiettivi(pagina, obiettivo, livello, frame1, {frame2, frame3});
}

void FrmStampaSchede::schedaAlunni()
{
    daiFuoco(cmdSchedaAlunni);
    svuotaScheda();
    frame4->setEnabled(true);
    daiFuoco(cmdSchedaDocenti);
    costruisciScheda();
    mostraScheda(foglio.schedaAlunni);
}

void FrmStampaSchede::schedaDocenti()
{
    daiFuoco(cmdSchedaDocenti);
    svuotaScheda();
    mostraScheda(foglio.schedaDocenti);
}

void FrmStampaSchede::stampa(std::int16_t tipo)
{
    Scheda& s = foglio;
    s.tipoStampaScheda = tipo;
    stampaScheda(s, programma.ambiente());
}

void FrmStampaSchede::cancellaScheda()
{
    cmdStampaAlunni->setVisible(false);
    cmdStampaDocenti->setVisible(false);
    stampeUsabili(false);
    svuotaScheda();
}

} // namespace ope
