// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/sessione.h"

namespace ope {

class Generatore;

// Each draws the operands of one operation for the chosen level and leaves
// them, with their pads, in the operation on screen.
void estraiAddizione(const DatiScelte& c, DatiOperazione& o, Generatore& g);
void estraiSottrazione(const DatiScelte& c, DatiOperazione& o, Generatore& g);
void estraiMoltiplicazione(const DatiScelte& c, DatiOperazione& o, Generatore& g);
void estraiDivisione(const DatiScelte& c, DatiOperazione& o, Generatore& g);

// Two numbers and their result as a draw leaves them, pads included: the
// same operation shown again.
DatiOperazione operandiDi(int numero1, int numero2, int risultato);

// The one of the four for that operation.
void estraiOperandi(Operazione operazione, const DatiScelte& c, DatiOperazione& o, Generatore& g);

} // namespace ope
