// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the exercise window at their design places (twips), and their looks.
#include "exercise/frmoperativo.h"

#include "exercise/linea.h"
#include "ui/colori.h"
#include "ui/controlli.h"
#include "ui/etichettacliccabile.h"
#include "ui/pulsanteopzione.h"
#include "ui/twips.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace ope {

namespace {

const QString arial = QStringLiteral("Arial");



// The commands of the two keypads, in key order after the digits and the signs.
struct Comando {
    const char* testo;
    const QColor* colore;
};
constexpr std::array<Comando, 5> comandiCifre{{{"Cancella", &colori::tastoCancella},
                                                {"Verifica", &colori::tastoVerifica},
                                                {"Avanti", &colori::tastoAvanti},
                                                {"Esco", &colori::tastoEsco},
                                                {"Mostra", &colori::tastoSpento}}};
constexpr std::array<Comando, 3> comandiSegni{{{"Verifica", &colori::tastoVerifica},
                                                {"Avanti", &colori::tastoAvanti},
                                                {"Esco", &colori::tastoEsco}}};
constexpr std::array<const char*, 3> segni{"=", "<", ">"};


// The design places of the rows and the keypads (twips).
constexpr double larghezzaNumero = 3015;
constexpr double altezzaNumero = 1845;
constexpr double altoNumero = 180;
constexpr double altoCorrezione = 2040;
constexpr double altezzaCorrezione = 1200;
constexpr double altoMarcatore = 3375;

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

QFrame* pannello(QWidget* genitore, const QString& nome, double left, double top, const QColor& sfondo)
{
    QFrame* c = nuovoRiquadro(genitore, nome, left, top, 5715, 3120);
    impostaSfondo(c, sfondo);
    return c;
}

PulsanteOpzione* tasto(QWidget* genitore, const QString& nome, const QString& testo, QRectF r,
                       double punti, const QColor& sfondo)
{
    PulsanteOpzione* p = nuovoPulsante(genitore, nome, testo, r.x(), r.y(), r.width(), r.height());
    p->setFont(carattere(arial, punti, true));
    impostaSfondo(p, sfondo);
    impostaTesto(p, colori::bluInchiostro);
    // A key that cannot be pressed must look so to a child: pale face, grey caption.
    QPalette tavolozza = p->palette();
    tavolozza.setColor(QPalette::Disabled, QPalette::Button, sfondo.lighter(115));
    tavolozza.setColor(QPalette::Disabled, QPalette::ButtonText, colori::grigioChiaro);
    p->setPalette(tavolozza);
    return p;
}

QLabel* testoPannello(QWidget* genitore, const QString& nome, const QString& testo, QRectF r, double punti)
{
    QLabel* l = nuovaEtichetta(genitore, nome, testo, r.x(), r.y(), r.width(), r.height());
    l->setFont(carattere(arial, punti, true));
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    impostaTesto(l, colori::bluInchiostro);
    return l;
}

} // namespace

void FrmOperativo::creaIntestazioni()
{
    impostaSfondo(area(), colori::celestino);
    for (int i = 0; i < 3; ++i) {
        label1[static_cast<std::size_t>(i)] = nuovaEtichetta(area(), nomeElemento(QStringLiteral("Label1"), i),
                                                             QString(), 396, 90 + i * 465, 11295, 420);
        label1[static_cast<std::size_t>(i)]->setFont(carattere(arial, 13, true));
        impostaTesto(label1[static_cast<std::size_t>(i)], colori::bluInchiostro);
    }
}

void FrmOperativo::creaRigaNumeri()
{
    Riga& numeri = righe[0];
    numeri.riquadro = nuovoRiquadro(area(), QStringLiteral("fraNumero"), 396, 1530, 11295, 3510);
    numeri.riquadro->setAccessibleName(QStringLiteral("Operazione"));
    impostaSfondo(numeri.riquadro, colori::bianco);
    constexpr double posti[3] = {105, 4095, 8040};
    for (int k = 0; k < 3; ++k)
        lblRifer[static_cast<std::size_t>(k)] = marcatore(numeri.riquadro, nomeElemento(QStringLiteral("lblRifer"), k), posti[k]);
    lblNumero1 = numero(numeri.riquadro, QStringLiteral("LblNumero1"), posti[0], larghezzaNumero, colori::bluInchiostro);
    lblNumero2 = numero(numeri.riquadro, QStringLiteral("LblNumero2"), posti[1], larghezzaNumero, colori::bluInchiostro);
    numeri.incognita = numero(numeri.riquadro, QStringLiteral("lblRisultato1"), posti[2], larghezzaNumero, colori::arancio);
    numeri.incognita->setText(QStringLiteral("?"));
    numeri.incognita->setAccessibleDescription(QStringLiteral("La tua risposta"));
    lblSegno = numero(numeri.riquadro, QStringLiteral("LblSegno"), 3210, 855, colori::grigioScuro);
    lblUguale = numero(numeri.riquadro, QStringLiteral("LblUguale"), 7110, 855, colori::grigioScuro);
    numeri.correzione = nuovaEtichetta(numeri.riquadro, QStringLiteral("lblCorrezione"), QString(), posti[2], altoCorrezione,
                                   larghezzaNumero, altezzaCorrezione);
    numeri.correzione->setFont(carattere(arial, 44, true));
    numeri.correzione->setAlignment(Qt::AlignCenter);
    impostaTesto(numeri.correzione, colori::verdeBosco);
    numeri.linee = nuovaEtichetta(numeri.riquadro, QStringLiteral("lblLinee"), QString(), posti[2] + spostamentoLinee,
                              altoNumero, 1615, altezzaNumero);
    // The crosses' anchors lie over the unknown: they must not hide it from
    // clicks, nor from what a screen reader finds showing.
    numeri.linee->setAttribute(Qt::WA_TransparentForMouseEvents);
    linee[2] = new Linea(QStringLiteral("Line3"), numeri.riquadro);
    linee[3] = new Linea(QStringLiteral("Line4"), numeri.riquadro);
}

void FrmOperativo::creaRigaSegni()
{
    Riga& segno = righe[1];
    segno.riquadro = nuovoRiquadro(area(), QStringLiteral("fraSegno"), 396, 1545, 11295, 3510);
    segno.riquadro->setAccessibleName(QStringLiteral("Operazione"));
    impostaSfondo(segno.riquadro, colori::bianco);
    lblRif2Sinistra = marcatore(segno.riquadro, QStringLiteral("lblRif2(1)"), 3210);
    lblRif2Destra = marcatore(segno.riquadro, QStringLiteral("lblRif2(3)"), 7155);
    lblNumero4 = numero(segno.riquadro, QStringLiteral("lblNumero4"), 210, larghezzaNumero, colori::bluInchiostro);
    lblNumero6 = numero(segno.riquadro, QStringLiteral("lblNumero6"), 4140, larghezzaNumero, colori::bluInchiostro);
    lblNumero8 = numero(segno.riquadro, QStringLiteral("LblNumero8"), 8100, larghezzaNumero, colori::bluInchiostro);
    lblUguale2 = numero(segno.riquadro, QStringLiteral("lblUguale2"), 3210, 855, colori::grigioScuro);
    segno.incognita = numero(segno.riquadro, QStringLiteral("lblSegno2"), 7155, 915, colori::arancio);
    segno.incognita->setText(QStringLiteral("?"));
    segno.incognita->setAccessibleDescription(QStringLiteral("La tua risposta"));
    segno.correzione = nuovaEtichetta(segno.riquadro, QStringLiteral("lblCorrezioneS"), QString(), 7155, altoCorrezione, 915,
                                    altezzaCorrezione);
    segno.correzione->setFont(carattere(arial, 44, true));
    segno.correzione->setAlignment(Qt::AlignCenter);
    impostaTesto(segno.correzione, colori::verdeBosco);
    segno.linee = nuovaEtichetta(segno.riquadro, QStringLiteral("lblLineeS"), QString(), 7155, altoNumero, 915, altezzaNumero);
    segno.linee->setAttribute(Qt::WA_TransparentForMouseEvents);
    linee[0] = new Linea(QStringLiteral("Line1"), segno.riquadro);
    linee[1] = new Linea(QStringLiteral("Line2"), segno.riquadro);
    for (Linea* l : linee)
        l->hide();
}

void FrmOperativo::creaTastierino()
{
    Riga& numeri = righe[0];
    numeri.tastierino = pannello(area(), QStringLiteral("fraTastierino"), 5820, 5280, colori::panna);
    numeri.tastierino->setAccessibleName(QStringLiteral("Tastierino dei numeri"));
    // Digits 1..9 then 0 in two rows of five; the commands in a column on the right.
    for (int d = 0; d <= 9; ++d) {
        const int posto = d == 0 ? 9 : d - 1;
        const QRectF r(90 + (posto % 5) * 816, 150 + (posto / 5) * 1440, 780, 1400);
        option1[static_cast<std::size_t>(d)] =
            tasto(numeri.tastierino, nomeElemento(QStringLiteral("Option1"), d), QString::number(d), r, 36, colori::tastoCifra);
    }
    for (std::size_t i = 0; i < comandiCifre.size(); ++i) {
        const QRectF r(4230, 150 + double(i) * 576, 1395, 540);
        option1[10 + i] = tasto(numeri.tastierino, nomeElemento(QStringLiteral("Option1"), int(10 + i)),
                                QString::fromLatin1(comandiCifre[i].testo), r, 12, *comandiCifre[i].colore);
    }
    numeri.risposte.assign(option1.begin(), option1.begin() + 10);
    numeri.cancella = option1[10];
    numeri.verifica = option1[11];
    numeri.avanti = option1[12];
    numeri.esco = option1[13];
    option1[14]->setEnabled(false);   // "Mostra" is never offered
}

void FrmOperativo::creaTastierinoRidotto()
{
    Riga& segno = righe[1];
    segno.tastierino = pannello(area(), QStringLiteral("fraTastierinoRidotto"), 5805, 5295, colori::panna);
    segno.tastierino->setAccessibleName(QStringLiteral("Tastierino dei segni"));
    for (std::size_t i = 0; i < segni.size(); ++i) {
        const QRectF r(90 + double(i) * 1860, 150, 1800, 1650);
        option5[i] = tasto(segno.tastierino, nomeElemento(QStringLiteral("Option5"), int(i)),
                           QString::fromLatin1(segni[i]), r, 44, colori::tastoCifra);
    }
    for (std::size_t i = 0; i < comandiSegni.size(); ++i) {
        const QRectF r(90 + double(i) * 1860, 1950, 1800, 1050);
        option5[3 + i] = tasto(segno.tastierino, nomeElemento(QStringLiteral("Option5"), int(3 + i)),
                               QString::fromLatin1(comandiSegni[i].testo), r, 15, *comandiSegni[i].colore);
    }
    segno.risposte.assign(option5.begin(), option5.begin() + 3);
    segno.verifica = option5[3];
    segno.avanti = option5[4];
    segno.esco = option5[5];
}

void FrmOperativo::creaPannelliAiuto()
{
    fraAiuto = pannello(area(), QStringLiteral("fraAiuto"), 5820, 5280, colori::panna);
    fraAiuto->setAccessibleName(QStringLiteral("Ti aiuto ?"));
    testoPannello(fraAiuto, QStringLiteral("LblAiuto"), QStringLiteral("Ti aiuto ?"), {150, 240, 5415, 900}, 30);
    option3[0] = tasto(fraAiuto, QStringLiteral("Option3(0)"), QStringLiteral("No"), {450, 1380, 2200, 1400}, 30,
                       colori::tastoEsco);
    option3[1] = tasto(fraAiuto, QStringLiteral("Option3(1)"), QStringLiteral(u"S\u00ec"), {3065, 1380, 2200, 1400},
                       30, colori::tastoVerifica);

    fraIntervento = pannello(area(), QStringLiteral("fraIntervento"), 5820, 5280, colori::panna);
    fraIntervento->setAccessibleName(QStringLiteral("Ora intevengo io"));
    testoPannello(fraIntervento, QStringLiteral("lblIntervento"), QStringLiteral("Ora intevengo io"),
                  {150, 240, 5415, 900}, 26);
    optOK = tasto(fraIntervento, QStringLiteral("optOK"), QStringLiteral("OK"), {1660, 1380, 2400, 1400}, 30,
                  colori::tastoVerifica);
}

void FrmOperativo::creaAvviso()
{
    fraAvviso = pannello(area(), QStringLiteral("fraAvviso"), 5820, 5280, colori::panna);
    fraAvviso->setAccessibleName(QStringLiteral("Esercitazione terminata"));
    testoPannello(fraAvviso, QStringLiteral("Label6"), QStringLiteral("Esercitazione terminata"),
                  {150, 150, 5415, 700}, 20);
    QLabel* avviso = testoPannello(fraAvviso, QStringLiteral("Label3"),
                                   QStringLiteral("Se ricominci, gli esercizi andranno persi"), {150, 870, 5415, 500}, 11);
    impostaTesto(avviso, colori::rossoMattone);
    option4[0] = tasto(fraAvviso, QStringLiteral("Option4(0)"), QStringLiteral("VISUALIZZA"), {250, 1560, 2500, 1300},
                       15, colori::tastoAvanti);
    option4[1] = tasto(fraAvviso, QStringLiteral("Option4(1)"), QStringLiteral("Ricomincia"), {2965, 1560, 2500, 1300},
                       15, colori::tastoCancella);
}

void FrmOperativo::creaStatistiche()
{
    lblEsito = nuovaEtichetta(area(), QStringLiteral("LblEsito"), QString(), 396, 5280, 5200, 660);
    lblEsito->setFont(carattere(arial, 28, true));
    lblEsito->setAlignment(Qt::AlignCenter);

    fraElaborazione = nuovoRiquadro(area(), QStringLiteral("fraElaborazione"), 396, 6000, 5200, 2280);
    fraElaborazione->setAccessibleName(QStringLiteral("Statistiche"));
    impostaSfondo(fraElaborazione, colori::bianco);
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
        impostaTesto(d, colori::bluInchiostro);
        etichette[i] = nuovaEtichetta(fraElaborazione, QString::fromLatin1(valori[i]), QString(), 3500, alto, 1500, 390);
        etichette[i]->setFont(carattere(arial, 13, true));
        etichette[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        impostaTesto(etichette[i], colori::arancio);
    }
    lblRisEsatte = etichette[0];
    lblOperazione = etichette[1];
    lblRisErrate = etichette[2];
    lblTempoOperazione = etichette[3];
    lblTempoTotale = etichette[4];

    label7 = new EtichettaCliccabile(QStringLiteral("Label7"), QStringLiteral("si audio"), area());
    label7->setGeometry(rettangolo(396, 8340, 2000, 330));
    label7->setFont(carattere(arial, 10, true));
    impostaTesto(label7, colori::bluInchiostro);
}

void FrmOperativo::creaMenu()
{
    menuBar()->setFont(carattere(arial, 10, true));
    mnuVisualizza = menuBar()->addAction(QStringLiteral("&Visualizza operazioni eseguite"));
    mnuVisualizza->setObjectName(QStringLiteral("mnuVisualizza"));
    mnuLeggi = menuBar()->addAction(QStringLiteral("&Leggi ad alta voce"));
    mnuLeggi->setObjectName(QStringLiteral("mnuLeggi"));
    mnuLeggi->setCheckable(true);
    // Kept from the design but never offered: the entries have no action.
    QMenu* standard = menuBar()->addMenu(QStringLiteral("Esercizio standard"));
    standard->menuAction()->setObjectName(QStringLiteral("mnuStandard"));
    standard->addAction(QStringLiteral("Crea esercizio"))->setObjectName(QStringLiteral("mnuCrea"));
    standard->addAction(QStringLiteral("Esegui sercizio"))->setObjectName(QStringLiteral("mnuEsegui"));
    standard->menuAction()->setVisible(false);
}

} // namespace ope
