// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/estrazione.h"

#include "session/generatore.h"
#include "session/sessione.h"

#include <optional>
#include <utility>

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

// A fact of one of the chosen tables: the table, and what it is multiplied by (1..10).
struct Fatto {
    int tabellina;
    int per;
};

std::optional<Fatto> fattoDelleTabelline(const DatiScelte& c, Generatore& g)
{
    const std::vector<int> scelte = tabellineScelte(c.tabelline);
    if (scelte.empty())
        return std::nullopt;
    const int tabellina = scelte[std::size_t(g.intero(int(scelte.size())))];
    return Fatto{tabellina, g.tra(1, tabellinaMassima)};
}

} // namespace

std::vector<int> tabellineScelte(std::uint16_t tabelline)
{
    std::vector<int> scelte;
    for (int t = 1; t <= tabellinaMassima; ++t) {
        if (tabelline & (1u << t))
            scelte.push_back(t);
    }
    return scelte;
}

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
    if (const auto fatto = fattoDelleTabelline(c, g)) {
        // "7 x 6": the table comes first, as a pupil recites it.
        s.numero1 = static_cast<std::int16_t>(fatto->tabellina);
        s.numero2 = static_cast<std::int16_t>(fatto->per);
        padDelDisegno(s, s.numero1 * s.numero2);
        return;
    }
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
    // The dividend's divisor is the table ("42 : 7"), the quotient what it was multiplied by.
    if (!tabellineScelte(c.tabelline).empty()) {
        std::swap(s.numero1, s.numero2);
        padDelDisegno(s, s.numero1 * s.numero2);
    }
}

DatiOperazione operandiDi(int numero1, int numero2, int risultato)
{
    DatiOperazione o;
    o.numero1 = static_cast<std::int16_t>(numero1);
    o.numero2 = static_cast<std::int16_t>(numero2);
    padDelDisegno(o, risultato);
    return o;
}

std::optional<Operazione> operazioneDelTipo(int tipoOperazione, Generatore& g)
{
    switch (tipoOperazione) {
    case 1:
        return Operazione::Addizione;
    case 2:
        return Operazione::Sottrazione;
    case 3:
        return g.intero(2) == 0 ? Operazione::Addizione : Operazione::Sottrazione;
    case 4:
        return Operazione::Moltiplicazione;
    case 5:
        return Operazione::Divisione;
    case 6:
        return g.intero(2) == 0 ? Operazione::Moltiplicazione : Operazione::Divisione;
    case 7: {
        constexpr Operazione tutte[] = {Operazione::Addizione, Operazione::Sottrazione,
                                        Operazione::Moltiplicazione, Operazione::Divisione};
        return tutte[g.intero(4)];
    }
    default:
        return std::nullopt;
    }
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
