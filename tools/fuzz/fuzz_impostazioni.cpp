// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the settings parser arbitrary bytes: it must neither crash nor hang,
// and whatever it returns is a usable setting or the documented fallback.
#include "start/impostazioni.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t quanti)
{
    const QByteArray testo(reinterpret_cast<const char*>(dati), static_cast<qsizetype>(quanti));
    const ope::Impostazioni letto = ope::leggiImpostazioni(testo, 2);
    const bool tipoUsabile = letto.tipoOperazione >= 1 && letto.tipoOperazione <= 7;
    const bool gruppiUsabili = letto.gruppoObiettivi >= 1 && letto.gruppoObiettivi <= 2
                               && letto.gruppoLivelli >= 1 && letto.gruppoLivelli <= 2;
    if (!tipoUsabile || !gruppiUsabili)
        std::abort();
    // Writing what was read and reading it back gives the same values.
    const ope::Impostazioni riletto = ope::leggiImpostazioni(ope::testoImpostazioni(letto), 5);
    if (riletto.tipoOperazione != letto.tipoOperazione || riletto.gruppoObiettivi != letto.gruppoObiettivi
        || riletto.gruppoLivelli != letto.gruppoLivelli)
        std::abort();
    return 0;
}
