// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/tabelle.h"

#include "session/sessione.h"

namespace ope {

const std::array<Obiettivo, 6>& obiettivi()
{
    static const std::array<Obiettivo, 6> tabella{{
        {QStringLiteral("1. Calcolo del risultato"), QStringLiteral("Obiettivo n.1:     "),
         QStringLiteral("CALCOLO DEL RISULTATO"), QStringLiteral("SOTTRAZIONI.1   -   CALCOLO DEL RISULTATO"), 1, 1},
        {QStringLiteral("2. Calcolo di un termine"), QStringLiteral("Obiettivo n.2:     "),
         QStringLiteral("CALCOLO DEL TERMINE"), QStringLiteral("SOTTRAZIONI.1   -   CALCOLO DI UN TERMINE"), 2, 3},
        {QStringLiteral("3. Calcolo del risultato o di un termine"), QStringLiteral("Obiettivo n.3:     "),
         QStringLiteral("CALCOLO CASUALE DEL RISULTATO O DEL TERMINE"),
         QStringLiteral("SOTTRAZIONI.1   -   CALCOLO CASUALE DEL RISULTATO O DI UN TERMINE"), 1, 3},
        {QStringLiteral("4. Calcolo di un termine"), QStringLiteral("Obiettivo n.4:     "),
         QStringLiteral("CALCOLO DEL NUMERO"), QStringLiteral("SOTTRAZIONI.2   -   CALCOLO DEL NUMERO"), 1, 6},
        {QStringLiteral("5. Calcolo del segno:  =  <  >"), QStringLiteral("Obiettivo n.5:     "),
         QStringLiteral("CALCOLO DEL SEGNO"), QStringLiteral("SOTTRAZIONI.2   -   CALCOLO DEL SEGNO"), 7, 12},
        {QStringLiteral("6. Calcolo di un termine o del segno"), QStringLiteral("Obiettivo n.6:     "),
         QStringLiteral("CALCOLO CASUALE DEL NUMERO O DEL SEGNO"),
         QStringLiteral("SOTTRAZIONI.2   -   CALCOLO CASUALE DEL NUMERO O DEL SEGNO"), 1, 12},
    }};
    return tabella;
}

const std::array<Livello, 4>& livelli()
{
    static const std::array<Livello, 4> tabella{{
        {QStringLiteral("1. Numeri da  1   a 30"), QStringLiteral("da 1   a 30"), 1, 1, 30,
         QStringLiteral("Livello n.1:         ")},
        {QStringLiteral("2. Numeri da 30  a  60"), QStringLiteral("da 30  a  60"), 2, 30, 60,
         QStringLiteral("Livello n.2:         ")},
        {QStringLiteral("3. Numeri da 60  a 99"), QStringLiteral("da 60  a 99"), 3, 60, 99,
         QStringLiteral("Livello n.3:         ")},
        {QStringLiteral("4. Numeri da    1 a 99"), QStringLiteral("da 1 a 99"), 4, 1, 99,
         QStringLiteral("Livello n.4:         ")},
    }};
    return tabella;
}

QString descrizioneDelLivello(int numeroMin, int numeroMax)
{
    return QStringLiteral("NUMERO MASSIMO da  %1 a %2").arg(numeroMin).arg(numeroMax);
}

void scegliObiettivo(DatiScelte& s, int indice)
{
    const Obiettivo& o = obiettivi().at(indice);
    s.titoloObiettivo = o.titolo;
    s.tipoEsercizioMin = o.formaMin;
    s.tipoEsercizioMax = o.formaMax;
}

void scegliLivello(DatiScelte& s, int indice)
{
    const Livello& l = livelli().at(indice);
    s.numeroMin = l.numeroMin;
    s.numeroMax = l.numeroMax;
    s.livello = l.livello;
    s.descrizioneLivello = descrizioneDelLivello(l.numeroMin, l.numeroMax);
    s.maxCifre = 3;
}

} // namespace ope
