// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/frmoperazioni.h"

#include "ui/colori.h"
#include "ui/controlli.h"
#include "ui/twips.h"

#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace ope {

namespace {

const char* const righeIstruzioni[] = {
    ">Per cambiare operazione cliccca sul nome ",
    "   nell'etichetta azzurra.",
    "",
    ">Per cambiare la modalità di presentazione clicca",
    "   sul numero 1 o 2  nell'etichetta azzurra.",
    "",
    ">Nelle operazioni di -TIPO 1- ",
    "   il risultato è sempre presentato a destra ",
    "   il risultato da calcolare è uno qualsiasi dei tre termini",
    "",
    ">Nelle operazioni di -TIPO 2- ",
    "   il risultato è presentato sia a destra che a sinistra ",
    "   il risultato da calcolare è uno dei tre termini o uno dei due segni.",
    "  ",
};

// A label that keeps its text exactly as given and shows each carriage
// return as a line break, which a plain label would draw as a blank.
class EtichettaRighe : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QString righe = text();
        righe.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        style()->drawItemText(&p, contentsRect(), int(alignment()) | Qt::TextWordWrap, palette(), isEnabled(),
                              righe, foregroundRole());
    }
};

} // namespace

QString testoIstruzioni()
{
    QString testo;
    for (const char* riga : righeIstruzioni)
        testo += QString::fromUtf8(riga) + QLatin1Char('\r');
    return testo + QLatin1Char(' ');
}

FrmOperazioni::FrmOperazioni(Programma&)
    : FinestraInfo(QStringLiteral("frmOperazioni"), QStringLiteral("OPERAZIONI"), 8040, 5745, colori::rosaChiaro)
{
    auto* label1 = new EtichettaRighe(area());
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setGeometry(rettangolo(240, 180, 7560, 4560));
    label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1->setFont(carattere(QStringLiteral("Arial"), 12, true));
    label1->setText(testoIstruzioni());

    creaChiudi(2520, 4860, 3000, 660, colori::fucsia);
}

} // namespace ope
