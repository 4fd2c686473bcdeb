// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/invio.h"

#include "ui/messaggi.h"

namespace ope {

QString messaggioInvio(const Invio& invio)
{
    using E = Invio::Esito;
    switch (invio.esito) {
    case E::inviata:
        return {};
    case E::nonAccetta:
        return messaggi::stampanteNonAccetta.arg(invio.dove);
    case E::inPausa:
        return messaggi::stampanteInPausa.arg(invio.dove);
    case E::rifiutata:
        return messaggi::stampaRifiutata.arg(invio.dove);
    case E::nonTrovata:
        return messaggi::stampanteNonTrovata.arg(invio.dove);
    case E::servizioAssente:
        return messaggi::servizioStampaAssente;
    case E::nonScrivibile:
        return messaggi::fileNonScrivibile.arg(invio.dove);
    case E::discoPieno:
        return messaggi::discoPieno.arg(invio.dove);
    case E::guasto:
        return messaggi::stampaNonRiuscita;
    }
    return messaggi::stampaNonRiuscita;
}

} // namespace ope
