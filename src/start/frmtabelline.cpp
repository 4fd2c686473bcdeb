// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/frmtabelline.h"

#include "programma.h"
#include "start/tabelle.h"
#include "ui/colori.h"
#include "ui/controlli.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace ope {

namespace {

QString didascaliaTabellina(int t)
{
    // Italian elides the article before a vowel: "dell'1", "dell'8".
    const bool elisa = t == 1 || t == 8;
    return (elisa ? QStringLiteral("Tabellina dell'%1") : QStringLiteral("Tabellina del %1")).arg(t);
}

} // namespace

FrmTabelline::FrmTabelline(Programma& p)
    : Finestra(QStringLiteral("frmTabelline"), 6480, 5400), programma(p)
{
    setWindowTitle(QStringLiteral("TABELLINE"));
    setFixedSize(dimensioneProgetto());
    QWidget* a = area();
    impostaSfondo(a, colori::gialloPallido);

    QLabel* label1 = nuovaEtichetta(a, QStringLiteral("Label1"),
                                    QStringLiteral("Moltiplicazioni e divisioni con le tabelline scelte:"),
                                    240, 180, 6000, 480);
    label1->setFont(carattere(QStringLiteral("Arial"), 12, true));
    label1->setWordWrap(true);
    impostaTesto(label1, colori::rossoScuro);

    const std::uint16_t scelte = programma.sessione().scelte.tabelline;
    for (int t = 1; t <= tabellinaMassima; ++t) {
        // Two columns of five, 1 to 5 on the left.
        const double left = t <= 5 ? 480 : 3360;
        const double top = 840 + 540 * ((t - 1) % 5);
        auto* c = new QCheckBox(didascaliaTabellina(t), a);
        c->setObjectName(nomeElemento(QStringLiteral("chkTabellina"), t));
        c->setGeometry(rettangolo(left, top, 2760, 420));
        c->setFont(carattere(QStringLiteral("Arial"), 12, true));
        impostaTesto(c, colori::bluNotte);
        c->setChecked(scelte & (1u << t));
        chkTabellina[std::size_t(t)] = c;
    }

    QLabel* label2 = nuovaEtichetta(a, QStringLiteral("Label2"),
                                    QStringLiteral("Nessuna scelta: i numeri del livello."), 240, 3660, 6000, 420);
    label2->setFont(carattere(QStringLiteral("Arial"), 10));
    impostaTesto(label2, colori::rossoScuro);

    cmdOK = nuovoComando(a, QStringLiteral("cmdOK"), QStringLiteral("OK"), 11, 1200, 4560, 1800, 480);
    cmdAnnulla = nuovoComando(a, QStringLiteral("cmdAnnulla"), QStringLiteral("Annulla"), 11, 3480, 4560, 1800, 480);
    connect(cmdOK, &QPushButton::clicked, this, [this] { conferma(); });
    connect(cmdAnnulla, &QPushButton::clicked, this, [this] { close(); });
    fuocoIniziale(chkTabellina[1]);
}

void FrmTabelline::keyPressEvent(QKeyEvent* e)
{
    // Enter confirms from anywhere in the list, Esc leaves it as it was, as in any dialog.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (auto* comando = qobject_cast<QPushButton*>(focusWidget()))
            comando->click();
        else
            conferma();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    Finestra::keyPressEvent(e);
}

void FrmTabelline::conferma()
{
    std::uint16_t scelte = 0;
    for (int t = 1; t <= tabellinaMassima; ++t)
        scelte = conTabellina(scelte, t, chkTabellina[std::size_t(t)]->isChecked());
    programma.sessione().scelte.tabelline = scelte;
    programma.ambiente().ricordaPreferenza(chiaveTabelline, preferenzaDiTabelline(scelte));
    close();
}

} // namespace ope
