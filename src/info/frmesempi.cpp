// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/frmesempi.h"

#include "ui/colori.h"
#include "ui/controlli.h"

#include <QLabel>

namespace ope {

namespace {


enum class Genere { intestazione, etichettaRiga, esempio };

struct Voce {
    int indice;
    Genere genere;
    const char* testo;
    double left;
    double top;
};

constexpr double colonna[3] = {2160, 4800, 7440};
constexpr double riga1[3] = {780, 1500, 2220};
constexpr double riga2[4] = {3660, 4380, 5100, 5820};
constexpr double sinistraEtichette = 480;

// The labels of the window, as the examples are laid out: two headings, each
// over rows that start with their tag.
const Voce voci[] = {
    {0, Genere::intestazione, "OPERAZIONI   DI   TIPO   1: segno di  = sempre a destra", 240, 180},
    {15, Genere::etichettaRiga, "osa 1", sinistraEtichette, riga1[0]},
    {16, Genere::etichettaRiga, "osa 2", sinistraEtichette, riga1[1]},
    {17, Genere::etichettaRiga, "osa 3", sinistraEtichette, riga1[2]},
    {1, Genere::esempio, "3 + 6 = ?", colonna[0], riga1[0]},
    {2, Genere::esempio, "3 + ? = 9", colonna[0], riga1[1]},
    {3, Genere::esempio, "? + 6 = 9", colonna[0], riga1[2]},

    {4, Genere::intestazione, "OPERAZIONI    DI   TIPO   2: segno di = a destra o a sinistra", 240, 3060},
    {18, Genere::etichettaRiga, "osa 1", sinistraEtichette, riga2[0]},
    {19, Genere::etichettaRiga, "osa 2", sinistraEtichette, riga2[1]},
    {20, Genere::etichettaRiga, "osa 3", sinistraEtichette, riga2[2]},
    {11, Genere::esempio, "3 + 6 = ?", colonna[0], riga2[0]},
    {10, Genere::esempio, "3 + ? = 9", colonna[1], riga2[0]},
    {9, Genere::esempio, "? + 6 = 9", colonna[2], riga2[0]},
    {14, Genere::esempio, "? = 3 + 6", colonna[0], riga2[1]},
    {13, Genere::esempio, "9 = ? + 6", colonna[1], riga2[1]},
    {12, Genere::esempio, "9 = 3 + ?", colonna[2], riga2[1]},
    {6, Genere::esempio, "3 + 6 ? 9", colonna[0], riga2[2]},
    {5, Genere::esempio, "3 + 6 ? 11", colonna[1], riga2[2]},
    {8, Genere::esempio, "9 ?  3 + 6", colonna[0], riga2[3]},
    {7, Genere::esempio, "11 ? 3 + 6", colonna[1], riga2[3]},
};

} // namespace

FrmEsempi::FrmEsempi(Programma&)
    : FinestraInfo(QStringLiteral("frmEsempi"), QStringLiteral("Esempi"), 10530, 8160, colori::rosaSalmone)
{
    for (const Voce& v : voci) {
        const bool intestazione = v.genere == Genere::intestazione;
        const double larghezza = intestazione ? 10050 : v.genere == Genere::etichettaRiga ? 1440 : 2520;
        QLabel* l = nuovaEtichetta(area(), nomeElemento(QStringLiteral("Label1"), v.indice),
                                   QString::fromLatin1(v.testo), v.left, v.top, larghezza, intestazione ? 420 : 600);
        l->setFont(carattere(QStringLiteral("Arial"), intestazione ? 12 : 19.5, true));
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        impostaTesto(l, v.genere == Genere::esempio ? colori::bluNotte : colori::rossoVivo);
    }

    creaChiudi(3765, 6900, 3000, 720, colori::rosaCorallo);
}

} // namespace ope
