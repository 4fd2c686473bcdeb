// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/annunciserie.h"

#include "exercise/lettura.h"
#include "ui/annuncio.h"

namespace ope {

void AnnunciSerie::presentata(const Serie& s)
{
    annuncio.annuncia(fraseOperazione(*s.presentazione()));
}

void AnnunciSerie::verificata(const Serie&, bool esatta)
{
    annuncio.annuncia(testoVerdetto(esatta ? Verdetto::Esatto : Verdetto::Errato));
    if (!esatta)
        annuncio.annuncia(QStringLiteral("Ti aiuto ?"));
}

void AnnunciSerie::aiutoRifiutato(const Serie& s)
{
    // The pupil tries again on the operation as it was asked, or the program steps in.
    annuncio.annuncia(s.fase() == Fase::Intervento ? QStringLiteral("Ora intevengo io")
                                                   : fraseOperazione(*s.presentazione()));
}

void AnnunciSerie::rispostaMostrata(const Serie& s)
{
    annuncio.annuncia(rispostaDaLeggere(*s.presentazione()));
}

void AnnunciSerie::finita(const Serie&)
{
    annuncio.annuncia(QStringLiteral("Esercitazione terminata. Se ricominci, gli esercizi andranno persi."));
}

} // namespace ope
