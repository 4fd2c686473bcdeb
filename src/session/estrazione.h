// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ope {

struct DatiOperazione;
struct DatiScelte;
class Generatore;

// Each draws the operands of one operation for the chosen level and leaves
// them, with their pads, in the operation on screen.
void estraiAddizione(const DatiScelte& c, DatiOperazione& o, Generatore& g);
void estraiSottrazione(const DatiScelte& c, DatiOperazione& o, Generatore& g);
void estraiMoltiplicazione(const DatiScelte& c, DatiOperazione& o, Generatore& g);
void estraiDivisione(const DatiScelte& c, DatiOperazione& o, Generatore& g);

} // namespace ope
