// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/frmautore.h"

#include "info/versione.h"
#include "ui/colori.h"
#include "ui/controlli.h"

#include <QLabel>

namespace ope {

namespace {

const QColor blunotte(0, 0, 128);

QLabel* etichetta(QWidget* a, const QString& nome, const QString& testo, double top, double punti, bool grassetto,
                  const QColor& colore)
{
    QLabel* l = nuovaEtichetta(a, nome, testo, 480, top, 6420, 480);
    l->setFont(carattere(QStringLiteral("Arial"), punti, grassetto));
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    impostaTesto(l, colore);
    return l;
}

} // namespace

FrmAutore::FrmAutore(Programma&)
    : FinestraInfo(QStringLiteral("frmAutore"), QStringLiteral("AUTORE"), 7380, 5745, colori::rosaChiaro)
{
    QWidget* a = area();
    QLabel* etichettaVersione = nuovaEtichetta(a, QStringLiteral("Label7"), QStringLiteral("Ver.") + QLatin1String(versione),
                                               5460, 120, 1800, 300);
    etichettaVersione->setFont(carattere(QStringLiteral("Arial"), 9));
    etichettaVersione->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    etichetta(a, QStringLiteral("Label1"), QStringLiteral("Sito dell'autore:"), 420, 11, false, Qt::black);
    etichetta(a, QStringLiteral("Label2"), QStringLiteral("https://ope.scuola.example/"), 840, 12, true, colori::bluNotte);
    etichetta(a, QStringLiteral("Label3"), QStringLiteral("Email:"), 1500, 11, false, Qt::black);
    etichetta(a, QStringLiteral("Label4"), QStringLiteral("ope@scuola.example"), 1920, 12, true, colori::bluNotte);

    // A sibling drill of the same series: its name, what it does, an example.
    etichetta(a, QStringLiteral("Label5(0)"), QStringLiteral("Addizioni"), 2760, 14, true, blunotte);
    etichetta(a, QStringLiteral("Label5(1)"), QStringLiteral("Il programma per le addizioni in riga"), 3240, 12, false,
              blunotte);
    etichetta(a, QStringLiteral("Label5(2)"), QStringLiteral("Esempio: 12 + 7 = ?"), 3720, 14, true, blunotte);

    creaChiudi(2190, 4680, 3000, 720, colori::fucsia);
}

} // namespace ope
