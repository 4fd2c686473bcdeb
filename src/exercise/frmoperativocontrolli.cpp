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
    fraNumero = nuovoRiquadro(area(), QStringLiteral("fraNumero"), 396, 1530, 11295, 3510);
    fraNumero->setAccessibleName(QStringLiteral("Operazione"));
    impostaSfondo(fraNumero, colori::bianco);
    constexpr double posti[3] = {105, 4095, 8040};
    for (int k = 0; k < 3; ++k)
        lblRifer[static_cast<std::size_t>(k)] = marcatore(fraNumero, nomeElemento(QStringLiteral("lblRifer"), k), posti[k]);
    lblNumero1 = numero(fraNumero, QStringLiteral("LblNumero1"), posti[0], larghezzaNumero, colori::bluInchiostro);
    lblNumero2 = numero(fraNumero, QStringLiteral("LblNumero2"), posti[1], larghezzaNumero, colori::bluInchiostro);
    lblRisultato1 = numero(fraNumero, QStringLiteral("lblRisultato1"), posti[2], larghezzaNumero, colori::arancio);
    lblRisultato1->setText(QStringLiteral("?"));
    lblRisultato1->setAccessibleDescription(QStringLiteral("La tua risposta"));
    lblSegno = numero(fraNumero, QStringLiteral("LblSegno"), 3210, 855, colori::grigioScuro);
    lblUguale = numero(fraNumero, QStringLiteral("LblUguale"), 7110, 855, colori::grigioScuro);
    lblCorrezione = nuovaEtichetta(fraNumero, QStringLiteral("lblCorrezione"), QString(), posti[2], altoCorrezione,
                                   larghezzaNumero, altezzaCorrezione);
    lblCorrezione->setFont(carattere(arial, 44, true));
    lblCorrezione->setAlignment(Qt::AlignCenter);
    impostaTesto(lblCorrezione, colori::verdeBosco);
    lblLinee = nuovaEtichetta(fraNumero, QStringLiteral("lblLinee"), QString(), posti[2] + spostamentoLinee,
                              altoNumero, 1615, altezzaNumero);
    // The crosses' anchors lie over the unknown: they must not hide it from
    // clicks, nor from what a screen reader finds showing.
    lblLinee->setAttribute(Qt::WA_TransparentForMouseEvents);
    linee[2] = new Linea(QStringLiteral("Line3"), fraNumero);
    linee[3] = new Linea(QStringLiteral("Line4"), fraNumero);
}

void FrmOperativo::creaRigaSegni()
{
    fraSegno = nuovoRiquadro(area(), QStringLiteral("fraSegno"), 396, 1545, 11295, 3510);
    fraSegno->setAccessibleName(QStringLiteral("Operazione"));
    impostaSfondo(fraSegno, colori::bianco);
    lblRif2Sinistra = marcatore(fraSegno, QStringLiteral("lblRif2(1)"), 3210);
    lblRif2Destra = marcatore(fraSegno, QStringLiteral("lblRif2(3)"), 7155);
    lblNumero4 = numero(fraSegno, QStringLiteral("lblNumero4"), 210, larghezzaNumero, colori::bluInchiostro);
    lblNumero6 = numero(fraSegno, QStringLiteral("lblNumero6"), 4140, larghezzaNumero, colori::bluInchiostro);
    lblNumero8 = numero(fraSegno, QStringLiteral("LblNumero8"), 8100, larghezzaNumero, colori::bluInchiostro);
    lblUguale2 = numero(fraSegno, QStringLiteral("lblUguale2"), 3210, 855, colori::grigioScuro);
    lblSegno2 = numero(fraSegno, QStringLiteral("lblSegno2"), 7155, 915, colori::arancio);
    lblSegno2->setText(QStringLiteral("?"));
    lblSegno2->setAccessibleDescription(QStringLiteral("La tua risposta"));
    lblCorrezioneS = nuovaEtichetta(fraSegno, QStringLiteral("lblCorrezioneS"), QString(), 7155, altoCorrezione, 915,
                                    altezzaCorrezione);
    lblCorrezioneS->setFont(carattere(arial, 44, true));
    lblCorrezioneS->setAlignment(Qt::AlignCenter);
    impostaTesto(lblCorrezioneS, colori::verdeBosco);
    lblLineeS = nuovaEtichetta(fraSegno, QStringLiteral("lblLineeS"), QString(), 7155, altoNumero, 915, altezzaNumero);
    lblLineeS->setAttribute(Qt::WA_TransparentForMouseEvents);
    linee[0] = new Linea(QStringLiteral("Line1"), fraSegno);
    linee[1] = new Linea(QStringLiteral("Line2"), fraSegno);
    for (Linea* l : linee)
        l->hide();
}

void FrmOperativo::creaTastierino()
{
    fraTastierino = pannello(area(), QStringLiteral("fraTastierino"), 5820, 5280, colori::panna);
    fraTastierino->setAccessibleName(QStringLiteral("Tastierino dei numeri"));
    // Digits 1..9 then 0 in two rows of five; the commands in a column on the right.
    for (int d = 0; d <= 9; ++d) {
        const int posto = d == 0 ? 9 : d - 1;
        const QRectF r(90 + (posto % 5) * 816, 150 + (posto / 5) * 1440, 780, 1400);
        option1[static_cast<std::size_t>(d)] =
            tasto(fraTastierino, nomeElemento(QStringLiteral("Option1"), d), QString::number(d), r, 36, colori::tastoCifra);
    }
    for (std::size_t i = 0; i < comandiCifre.size(); ++i) {
        const QRectF r(4230, 150 + double(i) * 576, 1395, 540);
        option1[10 + i] = tasto(fraTastierino, nomeElemento(QStringLiteral("Option1"), int(10 + i)),
                                QString::fromLatin1(comandiCifre[i].testo), r, 12, *comandiCifre[i].colore);
    }
}

void FrmOperativo::creaTastierinoRidotto()
{
    fraTastierinoRidotto = pannello(area(), QStringLiteral("fraTastierinoRidotto"), 5805, 5295, colori::panna);
    fraTastierinoRidotto->setAccessibleName(QStringLiteral("Tastierino dei segni"));
    for (std::size_t i = 0; i < segni.size(); ++i) {
        const QRectF r(90 + double(i) * 1860, 150, 1800, 1650);
        option5[i] = tasto(fraTastierinoRidotto, nomeElemento(QStringLiteral("Option5"), int(i)),
                           QString::fromLatin1(segni[i]), r, 44, colori::tastoCifra);
    }
    for (std::size_t i = 0; i < comandiSegni.size(); ++i) {
        const QRectF r(90 + double(i) * 1860, 1950, 1800, 1050);
        option5[3 + i] = tasto(fraTastierinoRidotto, nomeElemento(QStringLiteral("Option5"), int(3 + i)),
                               QString::fromLatin1(comandiSegni[i].testo), r, 15, *comandiSegni[i].colore);
    }
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
