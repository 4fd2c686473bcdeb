// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/serie.h"

#include "session/estrazione.h"
#include "session/generatore.h"
#include "session/sessione.h"

namespace ope {

void azzeraSerie(Serie& s)
{
    for (std::size_t i = 1; i <= operazioniPerSerie; ++i)
        s.operazioniEseguite[i].clear();
    s.esatteAttestato = 0;
    s.numeroEsercizio = 0;
    s.contaOperazioni = 0;
    s.numeroOperazione = 0;
    s.risposteEsatte = 0;
    s.risposteErrate = 0;
    s.tempoTotale = 0;
    s.secondiEsercizio[1] = 0;
    s.secondiEsercizio[2] = 0;
    s.tempoEsercizio[1].clear();
    s.tempoEsercizio[2].clear();
    s.numeroEsercizio = static_cast<std::int16_t>(s.numeroEsercizio + 1);
}

void avanzaOperazione(Serie& s, DatiOperazione& o)
{
    s.secondiOperazione = 0;
    o.rispostaAlunno.clear();
    o.rispostaEsatta.clear();
    s.numeroOperazione = static_cast<std::int16_t>(s.numeroOperazione + 1);
    s.contaOperazioni = static_cast<std::int16_t>(s.contaOperazioni + 1);
    s.tentativi = 0;
}

bool serieFinita(const Serie& s)
{
    return s.contaOperazioni >= operazioniPerSerie;
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

void disegnaForma(const DatiScelte& c, DatiOperazione& o, Generatore& g)
{
    g.semina();
    o.tipoEsercizio = static_cast<std::int16_t>(g.tra(c.tipoEsercizioMin, c.tipoEsercizioMax));
}

} // namespace ope
