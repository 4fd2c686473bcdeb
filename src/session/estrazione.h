// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/sessione.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace ope {

class Generatore;

// The multiplication tables a teacher may choose, 1..10, and those chosen
// in DatiScelte::tabelline, in order.
inline constexpr int tabellinaMassima = 10;
std::vector<int> tabellineScelte(std::uint16_t tabelline);

// Each draws the operands of one operation for the chosen level and leaves
// them, with their pads, in the operation on screen.
void estraiAddizione(const DatiScelte& c, DatiOperazione& o, Generatore& g);
void estraiSottrazione(const DatiScelte& c, DatiOperazione& o, Generatore& g);
void estraiMoltiplicazione(const DatiScelte& c, DatiOperazione& o, Generatore& g);
// With tables chosen, a multiplication is a fact of one of them ("7 x 6") and
// a division divides by one ("42 : 7"), whatever the level.
void estraiDivisione(const DatiScelte& c, DatiOperazione& o, Generatore& g);

// Two numbers and their result as a draw leaves them, pads included: the
// same operation shown again.
DatiOperazione operandiDi(int numero1, int numero2, int risultato);

// Which operation the kind 1..7 asks for this time (kinds 3, 6 and 7 draw it);
// none for any other kind.
std::optional<Operazione> operazioneDelTipo(int tipoOperazione, Generatore& g);

// The one of the four for that operation.
void estraiOperandi(Operazione operazione, const DatiScelte& c, DatiOperazione& o, Generatore& g);

} // namespace ope
