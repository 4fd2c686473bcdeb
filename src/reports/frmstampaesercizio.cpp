// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/frmstampaesercizio.h"

#include "print/stampante.h"
#include "programma.h"
#include "reports/nome.h"
#include "reports/stampaesercizi.h"
#include "serie/serie.h"
#include "ui/colori.h"
#include "ui/controlli.h"
#include "ui/proporzioni.h"
#include "ui/pulsanteopzione.h"
#include "ui/twips.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace ope {

namespace {


constexpr int righePerColonna = 10;

QFont courier(double punti, bool grassetto = false)
{
    QFont f = carattere(QStringLiteral("Courier"), punti, grassetto);
    f.setStyleHint(QFont::TypeWriter);
    return f;
}

} // namespace

FrmStampaEsercizio::FrmStampaEsercizio(Programma& p, std::shared_ptr<const Serie> serie)
    : Finestra(QStringLiteral("FrmStampaEsercizio"), 11910, 7800), programma(p), corrente(std::move(serie))
{
    setWindowTitle(QStringLiteral("STAMPA DEGLI ESERCIZI ESEGUITI"));
    creaControlli();
    registraProporzioni();
    riempiGriglia();
    for (PulsanteOpzione* o : option1)
        o->setEnabled(true);
    fuocoIniziale(option1[0]);
}

void FrmStampaEsercizio::creaControlli()
{
    QWidget* a = area();
    a->setFont(courier(9.75));
    impostaSfondo(a, colori::avorio);

    label5 = nuovaEtichetta(a, QStringLiteral("Label5"), QStringLiteral("E S E R C I Z I   E S E G U I T I "),
                            45, 45, 11820, 390);
    label5->setFont(courier(12, true));
    label5->setAlignment(Qt::AlignCenter);
    impostaTesto(label5, colori::bluNotte);

    // Three columns of ten; the third is narrow, as a run fills only the first two.
    for (int i = 1; i <= 30; ++i) {
        const int colonna = (i - 1) / righePerColonna;
        const int riga = (i - 1) % righePerColonna;
        const double left[3] = {45, 5505, 10350};
        const double larga[3] = {5145, 5145, 1440};
        const double passo = colonna < 2 ? 615 : 660;
        lblOp[std::size_t(i)] = nuovaEtichetta(a, nomeElemento(QStringLiteral("LblOp"), i), QString(),
                                               left[colonna], 450 + riga * passo, larga[colonna], 600);
    }

    frame1 = nuovoRiquadro(a, QStringLiteral("Frame1"), 45, 6960, 11820, 810);
    impostaSfondo(frame1, colori::avorio);
    const QString didascalie[4] = {QStringLiteral("E S C I"), QStringLiteral("SCRIVI IL NOME"),
                                   QStringLiteral("STAMPA"), QStringLiteral("ATTESTATO")};
    const double left[4] = {144, 3048, 5928, 8832};
    for (int i = 0; i < 4; ++i) {
        PulsanteOpzione* o = nuovoPulsante(frame1, nomeElemento(QStringLiteral("Option1"), i), didascalie[i],
                                           left[i], 45, 2796, 720);
        o->setFont(courier(9.75, true));
        impostaSfondo(o, colori::pesca);
        connect(o, &PulsanteOpzione::premuto, this, [this, i] { azione(i); });
        o->accendiColFuoco();
        option1[std::size_t(i)] = o;
        if (i == 0)
            o->setAccessibleName(QStringLiteral("Esci"));   // read as a word, not spelled out
    }

    creaPannelloNome();
}

void FrmStampaEsercizio::creaPannelloNome()
{
    fraNome = nuovoRiquadro(area(), QStringLiteral("fraNome"), 2595, 1650, 6720, 4500);
    impostaSfondo(fraNome, colori::rosaChiaro);
    auto* label6 = nuovaEtichetta(fraNome, QStringLiteral("Label6"), QStringLiteral("   IMMETTI   IL  TUO  NOME"),
                                  240, 300, 6240, 540);
    label6->setFont(carattere(QStringLiteral("Arial"), 14, true));
    impostaTesto(label6, colori::bluNotte);
    auto* label9 = nuovaEtichetta(fraNome, QStringLiteral("Label9"), QStringLiteral("Presta attenzione all'ortografia"),
                                  240, 900, 6240, 420);
    label9->setFont(carattere(QStringLiteral("Arial"), 11, false));
    label9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    txtNome = new QLineEdit(fraNome);
    txtNome->setObjectName(QStringLiteral("txtNome"));
    txtNome->setGeometry(rettangolo(480, 1440, 5760, 780));
    txtNome->setFont(carattere(QStringLiteral("Arial"), 21.75, true));
    txtNome->setValidator(new ValidatoreNome(txtNome));
    txtNome->setAccessibleName(QStringLiteral("Nome"));
    txtNome->setText(nomePulito(programma.sessione().chiPratica.nome));

    auto* label4 = nuovaEtichetta(fraNome, QStringLiteral("Label4"),
                                  QStringLiteral("Il nome viene troncato automaticamente alla 15a lettera"),
                                  240, 2400, 6240, 600);
    label4->setFont(carattere(QStringLiteral("Arial"), 9, false));
    label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label4->setWordWrap(true);

    cmdAvanti = new QPushButton(QStringLiteral("AVANTI"), fraNome);
    cmdAvanti->setObjectName(QStringLiteral("cmdAvanti"));
    cmdAvanti->setGeometry(rettangolo(2160, 3300, 2400, 720));
    cmdAvanti->setFont(carattere(QStringLiteral("Arial"), 12, true));
    connect(cmdAvanti, &QPushButton::clicked, this, [this] { avanti(); });
    connect(txtNome, &QLineEdit::returnPressed, cmdAvanti, &QPushButton::click);

    fraNome->setVisible(false);
}

void FrmStampaEsercizio::riempiGriglia()
{
    // Only thirty places exist; further lines are simply not shown.
    const int ultima = std::min<int>(corrente->numeroOperazione(), 30);
    for (int i = 1; i <= ultima; ++i)
        lblOp[std::size_t(i)]->setText(corrente->riga(i));
    adattaRighe();
}

void FrmStampaEsercizio::ridimensionata()
{
    adattaRighe();
}

void FrmStampaEsercizio::adattaRighe()
{
    if (!lblOp[1])
        return;   // resized before its load made the grid
    // A line of the log read across two lines parts the answer from its
    // operation: the grid takes the scaled design font, smaller where the
    // longest line needs it, one font for all so the columns stay aligned.
    QFont font = fontInScala(courier(9.75), proporzioni().fattoreCaratteri(area()->size()));
    for (std::size_t i = 1; i < lblOp.size(); ++i) {
        if (!lblOp[i]->text().isEmpty())
            font = fontPerUnaRiga(font, lblOp[i]->text(), lblOp[i]->contentsRect().width());
    }
    for (std::size_t i = 1; i < lblOp.size(); ++i)
        lblOp[i]->setFont(font);
}

void FrmStampaEsercizio::scarica()
{
    programma.tornaDallaStampa();
}

void FrmStampaEsercizio::azione(int indice)
{
    switch (indice) {
    case 0:
        esci();
        break;
    case 1:
        scriviIlNome();
        break;
    case 2:
        stampa();
        break;
    case 3:
        programma.apriAttestato(corrente);
        break;
    default:
        break;
    }
}

void FrmStampaEsercizio::esci()
{
    close();
}

void FrmStampaEsercizio::scriviIlNome()
{
    // Centred on the screen, but kept inside the client area so a large screen
    // cannot hide it, and above the buttons so that "STAMPA" and "ATTESTATO"
    // stay in sight and at hand.
    const QSize schermo = screen() ? screen()->size() : area()->size();
    const int left = (schermo.width() - fraNome->width()) / 2;
    const int top = (schermo.height() - fraNome->height()) / 2;
    fraNome->move(std::clamp(left, 0, std::max(0, area()->width() - fraNome->width())),
                  std::clamp(top, 0, std::max(0, frame1->y() - fraNome->height())));
    fraNome->setVisible(true);
    fraNome->raise();
    txtNome->setFocus();
}

void FrmStampaEsercizio::stampa()
{
    const Ambiente& amb = programma.ambiente();
    Stampante stampante(amb.stampa);
    const QString& nome = programma.sessione().alunno.nomeAlunno;
    stampante.documento = nomeLavoro(corrente->scelte().nomeProgramma, QStringLiteral("Operazioni eseguite"), nome);
    const EsitoStampa esito = stampaEsercizi(stampante, eserciziDi(*corrente, nome), amb.fontStampante(), amb.dataBreve());
    if (esito == EsitoStampa::stampata)
        option1[0]->setEnabled(true);
    else
        amb.avviso(esito == EsitoStampa::guasto ? messaggioInvio(stampante.ultimoInvio()) : messaggioEsito(esito));
}

void FrmStampaEsercizio::avanti()
{
    fraNome->setVisible(false);
    option1[2]->setFocus();
    programma.sessione().alunno.nomeAlunno = nomePulito(txtNome->text());
}

} // namespace ope
