// SPDX-License-Identifier: GPL-3.0-or-later
#include "serie/abbandono.h"

#include "serie/serie.h"

namespace ope {

QString domandaAbbandono(const Serie& serie, bool vista, Abbandono abbandono)
{
    const int chiuse = serie.operazioniChiuse();
    const bool finita = serie.fase() == Fase::Finita;
    if (chiuse == 0 || (finita && vista))
        return {};
    const bool esci = abbandono == Abbandono::Uscire;
    QString domanda = finita ? QStringLiteral("Hai finito i %1 esercizi!\n").arg(chiuse)
                    : chiuse == 1 ? QStringLiteral("Hai già fatto 1 esercizio.\n")
                                  : QStringLiteral("Hai già fatto %1 esercizi.\n").arg(chiuse);
    domanda += esci ? QStringLiteral("Se esci adesso, li perdi.\n") : QStringLiteral("Se ricominci adesso, li perdi.\n");
    // Where the run can still be looked at, say how: "No" keeps it, VISUALIZZA shows it.
    if (finita)
        domanda += QStringLiteral("Per vederli e stamparli, rispondi No e premi VISUALIZZA.\n");
    domanda += esci ? QStringLiteral("\nVuoi uscire lo stesso?") : QStringLiteral("\nVuoi ricominciare lo stesso?");
    return domanda;
}

} // namespace ope
