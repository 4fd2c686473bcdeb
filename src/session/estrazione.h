// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ope {

struct Sessione;
class Generatore;

// Each draws the operands of one operation for the chosen level and leaves
// them, with their pads, in the session.
void estraiAddizione(Sessione& s, Generatore& g);
void estraiSottrazione(Sessione& s, Generatore& g);
void estraiMoltiplicazione(Sessione& s, Generatore& g);
void estraiDivisione(Sessione& s, Generatore& g);

} // namespace ope
