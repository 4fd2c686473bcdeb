// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercise/presentazione.h"

#include <optional>

namespace ope {

struct DatiOperazione;
struct DatiScelte;
struct Serie;
class Generatore;

inline constexpr int operazioniPerSerie = 20;

// The start of a run: counters, totals and log lines 1..20 emptied; the
// choices of the start window stay.
void azzeraSerie(Serie& s);

// The session side of "Avanti": the answer emptied, the counters raised.
void avanzaOperazione(Serie& s, DatiOperazione& o);

// The run is over once its last operation has been presented.
bool serieFinita(const Serie& s);

// Which operation the kind 1..7 asks for this time (kinds 3, 6 and 7 draw
// it); none for any other kind.
std::optional<Operazione> operazioneDelTipo(int tipoOperazione, Generatore& g);

// Draws the operands of that operation into the session.
void estraiOperandi(Operazione operazione, const DatiScelte& c, DatiOperazione& o, Generatore& g);

// Draws the presentation form within the objective's range into tipoEsercizio.
void disegnaForma(const DatiScelte& c, DatiOperazione& o, Generatore& g);

inline bool formaDiSegno(int tipoEsercizio) { return tipoEsercizio >= 7 && tipoEsercizio <= 12; }
inline bool formaDiNumero(int tipoEsercizio) { return tipoEsercizio >= 1 && tipoEsercizio <= 6; }

} // namespace ope
