// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/frminizio.h"

#include "programma.h"
#include "start/tabelle.h"
#include "start/tendine.h"
#include "ui/colori.h"
#include "ui/controlli.h"
#include "ui/etichettacliccabile.h"
#include "ui/pulsanteopzione.h"
#include "ui/scelte.h"
#include "ui/twips.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>

namespace ope {

namespace {


constexpr double larghezzaProgetto = 11910;
constexpr double altezzaProgetto = 8340;

// The objective panel has three places, each shared by two objectives; the levels have four.
const Scelte::Posti postiObiettivi{150, 6540, 720, 6720, 240, {360, 1200, 2040}};
const Scelte::Posti postiLivelli{150, 3540, 540, 3750, 240, {330, 960, 1590, 2220}};

// The decorative shapes, drawn on one widget that lies beneath every control
// and scales with the client area like the controls do.
class Forme : public QWidget {
public:
    explicit Forme(QWidget* genitore) : QWidget(genitore)
    {
        setObjectName(QStringLiteral("Forme"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(rettangolo(0, 0, larghezzaProgetto, altezzaProgetto));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        // Shapes are designed in twips on the design area, then follow its size.
        p.scale(width() / double(pixel(larghezzaProgetto)), height() / double(pixel(altezzaProgetto)));
        p.setBrush(colori::albicocca);
        p.drawRoundedRect(rettangolo(60, 0, 11790, 1620), 18, 18);
        p.setBrush(colori::pesca);
        p.drawRoundedRect(rettangolo(180, 120, 11550, 1380), 14, 14);
        p.drawRoundedRect(rettangolo(120, 1620, 11670, 1740), 14, 14);
        p.setBrush(colori::verdeVivo);
        p.drawEllipse(rettangolo(30, 7950, 180, 180));
    }
};

} // namespace

FrmInizio::FrmInizio(Programma& p)
    : Finestra(QStringLiteral("frmInizio"), larghezzaProgetto, altezzaProgetto), programma(p)
{
    DatiScelte& s = programma.sessione().scelte;
    s.tipoOperazione = 2;
    creaControlli();
    creaMenu();
    avviaTendine();
    registraProporzioni();

    intesta(QStringLiteral("Obiettivo: "), QStringLiteral("Livello: "));
    // The design already puts them there, so the first resize keeps them in place.
    label1->move(label7->width(), label1->y());
    label3->move(label7->width(), label3->y());

    const QString nome = programma.ambiente().nomeEseguibile;
    s.nomeProgramma = nome;
    setWindowTitle(nome);
    lblNomeOperazione->setText(nome);

    frame2->setEnabled(false);
    frame3->setEnabled(false);
    leggiLivelli();
    mnuTipoOperazione[std::size_t(s.tipoOperazione)]->setChecked(true);
    s.tabelline = tabellineDaPreferenza(programma.ambiente().preferenza(chiaveTabelline));
    ordineDiTabulazione(obiettivo, livello,
                        {lblCambiaOb[0]->fermataDiTab(), lblCambiaOb[1]->fermataDiTab(), option3[0], option3[1]});
    fuocoIniziale(obiettivo.opzione(0));
}

void FrmInizio::creaControlli()
{
    QWidget* a = area();
    impostaSfondo(a, colori::gialloPallido);
    new Forme(a);

    fraTitolo = nuovoRiquadro(a, QStringLiteral("fraTitolo"), 120, 60, 11670, 1500);
    label6 = nuovaEtichetta(fraTitolo, QStringLiteral("Label6"), QStringLiteral("OPERAZIONI\nIN RIGA"),
                            240, 300, 3600, 960);
    label6->setFont(carattere(QStringLiteral("Arial"), 16, true));
    impostaTesto(label6, colori::rossoScuro);
    lblNomeOperazione = nuovaEtichetta(fraTitolo, QStringLiteral("lblNomeOperazione"), QStringLiteral("OPE"),
                                       3840, 120, 7620, 1260);
    lblNomeOperazione->setFont(carattere(QStringLiteral("Arial"), 48, true));
    lblNomeOperazione->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    impostaTesto(lblNomeOperazione, colori::bluNotte);

    label7 = nuovaEtichetta(a, QStringLiteral("Label7"), QStringLiteral("Le tue scelte"), 240, 1680, 2160, 420);
    label7->setFont(carattere(QStringLiteral("Arial"), 12, true));
    impostaTesto(label7, colori::rossoScuro);
    label1 = nuovaEtichetta(a, QStringLiteral("Label1"), QStringLiteral("Obiettivo"), 2160, 1680, 9630, 780);
    label3 = nuovaEtichetta(a, QStringLiteral("Label3"), QStringLiteral("Livello"), 2160, 2520, 9630, 780);
    for (QLabel* l : {label1, label3}) {
        l->setFont(carattere(QStringLiteral("Arial"), 18, true));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        impostaTesto(l, colori::rossoScuro);
        impostaSfondo(l, colori::gialloChiaro);
    }

    const QString cambia[2] = {QStringLiteral("Cambia gli obiettivi"), QStringLiteral("Cambia i livelli")};
    for (int i = 0; i < 2; ++i) {
        lblCambiaOb[i] = new EtichettaCliccabile(nomeElemento(QStringLiteral("lblCambiaOb"), i), cambia[i], a);
        lblCambiaOb[i]->setGeometry(rettangolo(240 + i * 6840, 3420, 3600, 360));
        lblCambiaOb[i]->setFont(carattere(QStringLiteral("Arial"), 12, true));
        impostaTesto(lblCambiaOb[i], colori::bluNotte);
        impostaSfondo(lblCambiaOb[i], colori::gialloPallido);
        connect(lblCambiaOb[i], &EtichettaCliccabile::cliccata, this, [this, i] { cambiaObiettivi(i); });
    }
    lblCambiaOb[1]->setVisible(false);
    lblCambiaOb[1]->setEnabled(false);

    const QFont fontCornici = carattere(QStringLiteral("Arial"), 10, true);
    frame1 = nuovaCornice(a, QStringLiteral("Frame1"), QStringLiteral("OBIETTIVI"), fontCornici, 240, 3780, 7080, 2940);
    frame2 = nuovaCornice(a, QStringLiteral("Frame2"), QStringLiteral("LIVELLI"), fontCornici, 7500, 3780, 4170, 2940);
    frame3 = nuovaCornice(a, QStringLiteral("Frame3"), QStringLiteral("OPERATIVITA'"), fontCornici, 240, 6840, 3360, 1020);
    for (QGroupBox* f : {frame1, frame2, frame3}) {
        impostaSfondo(f, colori::gialloPallido);
        impostaTesto(f, colori::rossoScuro);
    }

    const QFont fontOpzioni = carattere(QStringLiteral("Arial"), 13, true);
    // Group 2 is made first, so that group 1 lies in front before the first switch.
    obiettivo.crea(frame1, QStringLiteral("Option1"), QStringLiteral("Label9"), didascalieDi(obiettivi()),
                   postiObiettivi, {3, 4, 5, 0, 1, 2}, fontOpzioni, colori::pesca,
                   [this](int i) { sceltaObiettivo(i); });
    livello.crea(frame2, QStringLiteral("Option2"), QStringLiteral("Label10"), didascalieDi(livelli()),
                 postiLivelli, {0, 1, 2, 3}, fontOpzioni, colori::pesca,
                 [this](int i) { sceltaLivello(i); });
    option3[0] = nuovoPulsante(frame3, QStringLiteral("Option3(0)"), QStringLiteral("Avanti"), 180, 330, 3000, 540);
    option3[1] = nuovoPulsante(a, QStringLiteral("Option3(1)"), QStringLiteral("Esci"), 3840, 7170, 2400, 540);
    connect(option3[0], &PulsanteOpzione::premuto, this, [this] { avanti(); });
    connect(option3[1], &PulsanteOpzione::premuto, this, [this] { programma.chiudiTutto(); });
    for (PulsanteOpzione* o : option3)
        o->setFont(fontOpzioni);

    for (PulsanteOpzione* o : option3) {
        impostaSfondo(o, colori::pesca);
        impostaTesto(o, colori::bluNotte);
        o->accendiColFuoco();
    }
    azzeraObiettivi();
    azzeraLivelli();

    label5 = nuovaEtichetta(a, QStringLiteral("Label5"), QStringLiteral("Il nuovo software di Quorin"),
                            240, 7920, 11430, 360);
    label5->setFont(carattere(QStringLiteral("Arial"), 10, true));
    label5->setAlignment(Qt::AlignCenter);
    impostaTesto(label5, colori::marrone);
    impostaSfondo(label5, colori::albicocca);

    creaTendine();
}

void FrmInizio::creaTendine()
{
    // Made last, so that they lie above every control while they close the window.
    picture2 = new QWidget(area());
    picture2->setObjectName(QStringLiteral("Picture2"));
    picture2->setGeometry(rettangolo(0, 0, 1200, altezzaProgetto));
    picture1 = new QWidget(area());
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(rettangolo(larghezzaProgetto - 1200, 0, 1200, altezzaProgetto));
    for (QWidget* t : {picture1, picture2})
        impostaSfondo(t, colori::fucsia);

    timerTendine = new QTimer(this);
    timerTendine->setObjectName(QStringLiteral("TimerTendine"));
    timerTendine->setInterval(5);
    connect(timerTendine, &QTimer::timeout, this, &FrmInizio::TimerTendine_Timer);
}

void FrmInizio::creaMenu()
{
    struct Voce {
        QAction*& azione;
        const char* nome;
        const char* testo;
        bool visibile;
    };
    const Voce voci[] = {
        {mnuImpostazioni, "mnuImpostazioni", "Impostazioni", false},
        {mnuSchede, "mnuSchede", "&Stampa schede", true},
        {mnuIstru, "mnuIstru", "Istruzioni", false},
        {mnuOperazioni, "mnuOperazioni", "Istruzioni", false},
        {mnuValutazione, "mnuValutazione", "&Valutazione", true},
        {mnuEsempi, "mnuEsempi", "&Esemplicazione", true},
        {mnuInfo, "mnuInfo", "&Abaout", true},
        {mnuVerifica, "mnuVerifica", "Scheda per verifica in classe", false},
        {mnuCambiaAlunno, "mnuCambiaAlunno", "Cambia &alunno", true},
        {mnuRegistro, "mnuRegistro", "&Registro", true},
    };
    QMenuBar* barra = menuBar();
    barra->setFont(carattere(QStringLiteral("Arial"), 10, true));
    for (const Voce& v : voci) {
        v.azione = barra->addAction(QString::fromUtf8(v.testo));
        v.azione->setObjectName(QString::fromLatin1(v.nome));
        v.azione->setVisible(v.visibile);
    }
    mnuImpostazioni->setEnabled(false);
    mnuSchede->setEnabled(false);

    connect(mnuSchede, &QAction::triggered, this, [this] { programma.apriStampaSchede(); });
    connect(mnuOperazioni, &QAction::triggered, this, [this] { programma.apriOperazioni(); });
    connect(mnuValutazione, &QAction::triggered, this, [this] { programma.apriValutazione(); });
    connect(mnuEsempi, &QAction::triggered, this, [this] { programma.apriEsempi(); });
    connect(mnuInfo, &QAction::triggered, this, [this] { programma.apriAutore(); });
    connect(mnuCambiaAlunno, &QAction::triggered, this, [this] { programma.apriChiSei(); });
    connect(mnuRegistro, &QAction::triggered, this, [this] { programma.apriRegistro(); });
    creaMenuOperazione();
}

void FrmInizio::creaMenuOperazione()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Operazione"));
    mnuOperazione = menu->menuAction();
    mnuOperazione->setObjectName(QStringLiteral("mnuOperazione"));
    menu->setFont(menuBar()->font());
    auto* gruppo = new QActionGroup(this);
    for (int tipo = 1; tipo <= 7; ++tipo) {
        QAction* a = menu->addAction(tipiOperazione()[std::size_t(tipo - 1)].voce);
        a->setObjectName(nomeElemento(QStringLiteral("mnuTipoOperazione"), tipo));
        a->setCheckable(true);
        gruppo->addAction(a);
        connect(a, &QAction::triggered, this, [this, tipo] { sceltaOperazione(tipo); });
        mnuTipoOperazione[std::size_t(tipo)] = a;
    }
    menu->addSeparator();
    mnuTabelline = menu->addAction(QStringLiteral("Ta&belline..."));
    mnuTabelline->setObjectName(QStringLiteral("mnuTabelline"));
    connect(mnuTabelline, &QAction::triggered, this, [this] { programma.apriTabelline(); });
}

void FrmInizio::sceltaOperazione(int tipo)
{
    programma.sessione().scelte.tipoOperazione = static_cast<std::int16_t>(tipo);
    scriviLivelli();
    intestaDiNuovo();
}

void FrmInizio::avviaTendine()
{
    // The window is not shown yet and so has no frame: its outer width is its
    // design width, and the two halves meet exactly in the middle of the area.
    const int meta = frameGeometry().width() / 2;
    picture2->setGeometry(0, 0, meta, picture2->height());
    picture1->setGeometry(picture1->geometry().right() + 1 - meta, 0, meta, picture1->height());
    timerTendine->start();
}

void FrmInizio::TimerTendine_Timer()
{
    // Docked curtains: a new width moves only the inner edge.
    const int destra = picture1->geometry().right() + 1;
    const int larga1 = pixel(larghezzaDopoPasso(int(twips(picture1->width()))));
    picture1->setGeometry(destra - larga1, picture1->y(), larga1, picture1->height());
    picture2->resize(pixel(larghezzaDopoPasso(int(twips(picture2->width())))), picture2->height());

    if (tendineAperte(int(twips(picture1->width())))) {
        timerTendine->stop();
        mnuSchede->setEnabled(true);
        larghezzaAperte = picture1->width();
    }
}

void FrmInizio::ridimensionata()
{
    agganciaTendine();
}

void FrmInizio::agganciaTendine()
{
    // The ratio table holds the curtains at their opened-out width, which
    // would cover the window again at every resize: once open, they stay thin.
    const QSize a = area()->size();
    const int larga1 = larghezzaAperte.value_or(picture1->width());
    const int larga2 = larghezzaAperte.value_or(picture2->width());
    picture2->setGeometry(0, 0, larga2, a.height());
    picture1->setGeometry(a.width() - larga1, 0, larga1, a.height());
}

bool FrmInizio::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        formActivate();
    return Finestra::event(e);
}

void FrmInizio::formActivate()
{
    azzeraObiettivi();
    azzeraLivelli();
    frame2->setEnabled(false);
    frame3->setEnabled(false);
    // The tables may have been chosen in the window just closed.
    intestaDiNuovo();
}

bool FrmInizio::lasciaChiudere()
{
    return programma.terminato() || programma.lasciaTerminare();
}

void FrmInizio::scarica()
{
    programma.chiudiTutto();
}

void FrmInizio::leggiLivelli()
{
    DatiScelte& s = programma.sessione().scelte;
    impostazioni = leggiFileImpostazioni(fileImpostazioni(s.nomeProgramma), s.tipoOperazione);
    s.tipoOperazione = impostazioni.tipoOperazione;
}

void FrmInizio::scriviLivelli()
{
    const DatiScelte& s = programma.sessione().scelte;
    impostazioni.tipoOperazione = s.tipoOperazione;
    scriviFileImpostazioni(fileImpostazioni(s.nomeProgramma), impostazioni);
}

void FrmInizio::azzeraObiettivi()
{
    obiettivo.azzera();
}

void FrmInizio::azzeraLivelli()
{
    livello.azzera();
}

void FrmInizio::sceltaObiettivo(int i)
{
    obiettivo.segna(i);
    DatiScelte& s = programma.sessione().scelte;
    scegliObiettivo(s, i);
    intesta(obiettivi()[i].prefisso + s.titoloObiettivo, s.intestazioneLivello);
    lblCambiaOb[1]->setEnabled(true);
    frame2->setEnabled(true);
}

void FrmInizio::sceltaLivello(int i)
{
    azzeraLivelli();
    DatiScelte& s = programma.sessione().scelte;
    scegliLivello(s, i);
    prefissoLivello = livelli()[i].prefisso;
    conLivello = true;
    intesta(s.intestazioneObiettivo, prefissoLivello + s.descrizioneLivello);
    frame3->setEnabled(true);
    livello.segna(i);
}

void FrmInizio::cambiaObiettivi(int indice)
{
    if (indice == 0) {
        conLivello = false;
        intesta(QStringLiteral("Obiettivo"), QStringLiteral("Livello"));
        std::int16_t& gruppo = impostazioni.gruppoObiettivi;
        gruppo = static_cast<std::int16_t>(cambiaGruppoObiettivi(gruppo, obiettivo, livello, frame1, {frame2, frame3}));
        lblNomeOperazione->setText(programma.sessione().scelte.nomeProgramma + QStringLiteral(".%1").arg(gruppo));
    }
    scriviLivelli();
}

void FrmInizio::intesta(const QString& obiettivoScelto, const QString& livelloScelto)
{
    DatiScelte& s = programma.sessione().scelte;
    s.intestazioneObiettivo = obiettivoScelto;
    s.intestazioneLivello = livelloScelto;
    // Said here, where the teacher chooses; the exercise window's one-line
    // heading names the tables with the operation instead.
    const QString spiegazione = spiegazioneLivello(s);
    const bool spiega = conLivello && !spiegazione.isEmpty();
    label1->setText(obiettivoScelto);
    label3->setText(spiega ? livelloScelto + u'\n' + spiegazione : livelloScelto);
}

void FrmInizio::intestaDiNuovo()
{
    const DatiScelte& s = programma.sessione().scelte;
    intesta(s.intestazioneObiettivo, s.intestazioneLivello);
}

void FrmInizio::avanti()
{
    scriviLivelli();
    programma.apriOperativo();
}

} // namespace ope
