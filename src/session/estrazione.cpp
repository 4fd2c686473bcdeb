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

void padDelDisegno(DatiOperazione& s, int risultato)
{
    s.spazioNumero1 = spazioPer(s.numero1);
    s.spazioNumero2 = spazioPer(s.numero2);
    s.spazioRisultato = spazioPer(risultato);
}

} // namespace

void estraiAddizione(const DatiScelte& c, DatiOperazione& s, Generatore& g)
{
    g.semina();
    if (c.livello < 1 || c.livello > 4)
        return;
    const RegolaAddizione& r = regoleAddizione[c.livello - 1];
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

void estraiSottrazione(const DatiScelte& c, DatiOperazione& s, Generatore& g)
{
    g.semina();
    // No level chosen yet: no two different numbers to draw, so nothing is drawn.
    if (c.numeroMax <= c.numeroMin)
        return;
    do {
        s.numero1 = static_cast<std::int16_t>(g.tra(c.numeroMin, c.numeroMax));
        s.numero2 = static_cast<std::int16_t>(g.tra(c.numeroMin, c.numeroMax));
    } while (s.numero1 <= s.numero2);
    padDelDisegno(s, s.numero1 - s.numero2);
}

void estraiMoltiplicazione(const DatiScelte& c, DatiOperazione& s, Generatore& g)
{
    g.semina();
    // Two factors of at least 2 need a level that reaches 4.
    if (c.numeroMax < 4 || c.numeroMax < c.numeroMin)
        return;
    if (c.numeroMin * c.numeroMin <= c.numeroMax) {
        do {
            s.numero1 = static_cast<std::int16_t>(g.tra(c.numeroMin, c.numeroMax));
            s.numero2 = static_cast<std::int16_t>(g.tra(c.numeroMin, c.numeroMax));
        } while (s.numero1 * s.numero2 > c.numeroMax || s.numero1 == 1 || s.numero2 == 1);
    } else {
        // No two factors of the level multiply within it (30..60, 60..99): draw
        // factors of at least 2 whose product lies in the level instead.
        const int massimoFattore = c.numeroMax / 2;
        do {
            s.numero1 = static_cast<std::int16_t>(g.tra(2, massimoFattore));
            s.numero2 = static_cast<std::int16_t>(g.tra(2, massimoFattore));
        } while (s.numero1 * s.numero2 < c.numeroMin || s.numero1 * s.numero2 > c.numeroMax);
    }
    padDelDisegno(s, s.numero1 * s.numero2);
}

void estraiDivisione(const DatiScelte& c, DatiOperazione& s, Generatore& g)
{
    estraiMoltiplicazione(c, s, g);
}

DatiOperazione operandiDi(int numero1, int numero2, int risultato)
{
    DatiOperazione o;
    o.numero1 = static_cast<std::int16_t>(numero1);
    o.numero2 = static_cast<std::int16_t>(numero2);
    padDelDisegno(o, risultato);
    return o;
}

void estraiOperandi(Operazione operazione, const DatiScelte& c, DatiOperazione& o, Generatore& g)
{
    switch (operazione) {
    case Operazione::Addizione:
        estraiAddizione(c, o, g);
        break;
    case Operazione::Sottrazione:
        estraiSottrazione(c, o, g);
        break;
    case Operazione::Moltiplicazione:
        estraiMoltiplicazione(c, o, g);
        break;
    case Operazione::Divisione:
        estraiDivisione(c, o, g);
        break;
    }
}

} // namespace ope
