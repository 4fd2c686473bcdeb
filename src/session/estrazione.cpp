// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/estrazione.h"

#include "session/generatore.h"
#include "session/sessione.h"

namespace ope {

namespace {

struct RegolaAddizione {
    int quanti;      // each addend is Int(Rnd * quanti) + base
    int base;
    int sommaMin;
    int sommaMax;
    bool risemina;   // reseed before every attempt
};

constexpr RegolaAddizione regoleAddizione[] = {
    {20, 1, 0, 30, false},
    {30, 20, 30, 60, true},
    {60, 20, 60, 98, false},
    {90, 20, 0, 98, false},
};

void padDelDisegno(Sessione& s, int risultato)
{
    s.spazioNumero1 = spazioPer(s.numero1);
    s.spazioNumero2 = spazioPer(s.numero2);
    s.spazioRisultato = spazioPer(risultato);
}

} // namespace

void estraiAddizione(Sessione& s, Generatore& g)
{
    g.semina();
    if (s.livello < 1 || s.livello > 4)
        return;
    const RegolaAddizione& r = regoleAddizione[s.livello - 1];
    int somma = 0;
    do {
        if (r.risemina)
            g.semina();
        s.numero1 = static_cast<std::int16_t>(g.intero(r.quanti) + r.base);
        s.numero2 = static_cast<std::int16_t>(g.intero(r.quanti) + r.base);
        somma = s.numero1 + s.numero2;
        s.numero3 = static_cast<std::int16_t>(somma);
    } while (somma < r.sommaMin || somma > r.sommaMax);
    s.testoNumero1 = QString::number(s.numero1);
    s.testoNumero2 = QString::number(s.numero2);
    s.testoNumero3 = QString::number(s.numero3);
}

void estraiSottrazione(Sessione& s, Generatore& g)
{
    g.semina();
    // No level chosen yet: no two different numbers to draw, so nothing is drawn.
    if (s.numeroMax <= s.numeroMin)
        return;
    do {
        s.numero1 = static_cast<std::int16_t>(g.tra(s.numeroMin, s.numeroMax));
        s.numero2 = static_cast<std::int16_t>(g.tra(s.numeroMin, s.numeroMax));
    } while (s.numero1 <= s.numero2);
    padDelDisegno(s, s.numero1 - s.numero2);
}

void estraiMoltiplicazione(Sessione& s, Generatore& g)
{
    g.semina();
    // Two factors of at least 2 need a level that reaches 4.
    if (s.numeroMax < 4 || s.numeroMax < s.numeroMin)
        return;
    if (s.numeroMin * s.numeroMin <= s.numeroMax) {
        do {
            s.numero1 = static_cast<std::int16_t>(g.tra(s.numeroMin, s.numeroMax));
            s.numero2 = static_cast<std::int16_t>(g.tra(s.numeroMin, s.numeroMax));
        } while (s.numero1 * s.numero2 > s.numeroMax || s.numero1 == 1 || s.numero2 == 1);
    } else {
        // No two factors of the level multiply within it (30..60, 60..99): draw
        // factors of at least 2 whose product lies in the level instead.
        const int massimoFattore = s.numeroMax / 2;
        do {
            s.numero1 = static_cast<std::int16_t>(g.tra(2, massimoFattore));
            s.numero2 = static_cast<std::int16_t>(g.tra(2, massimoFattore));
        } while (s.numero1 * s.numero2 < s.numeroMin || s.numero1 * s.numero2 > s.numeroMax);
    }
    padDelDisegno(s, s.numero1 * s.numero2);
}

void estraiDivisione(Sessione& s, Generatore& g)
{
    estraiMoltiplicazione(s, g);
}

} // namespace ope
