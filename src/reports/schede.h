// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/sessione.h"

#include <QString>
#include <cstdint>

namespace ope {

struct Ambiente;
struct DatiScelte;
struct Scheda;
class Generatore;
class Stampante;

// A worksheet: 60 lines of the kind chosen, each in a pupils' text (a "." where the
// answer goes) and a teachers' text (the same followed by the answer).
inline constexpr int righePerScheda = 60;

// Between a pupils' text and its answer in the teachers' text.
inline const QString separatoreScheda = QStringLiteral("       ");

// Builds line i (1..60) of both texts, of an operation the sheet's kind asks
// for; returns the line form drawn.
std::int16_t generaRigaScheda(Scheda& s, Generatore& g, int i);

// The same for the given operation: reseeds, draws the form within the
// objective's range, draws the numbers, and writes line i.
std::int16_t generaRiga(Scheda& s, Generatore& g, int i, Operazione operazione);

// Draws a, b and c of an addition or subtraction for the worksheet's level
// into numero1, numero2 and scartoScheda; any other level leaves them as they were.
void estraiOperandiScheda(Scheda& scheda, Generatore& g);

// The blanks before a, b and n that make each as wide as the sheet's columns
// (one blank below 10 on a sheet of two-digit columns).
void calcolaSpaziScheda(Scheda& scheda);

// Writes line i in the given form (1..12) from numero1, numero2 and
// scartoScheda: sets n, moves the number a sign form moves, sets the pads and
// both texts. Any other form writes nothing.
void componiRigaScheda(Scheda& scheda, int forma, int i, Operazione operazione = Operazione::Sottrazione);

// What choosing objective i or level i of the worksheet window writes.
void scegliObiettivoScheda(DatiScelte& s, int indice);
void scegliLivelloScheda(Scheda& s, int indice);

// Lays the sheet of the print kind (1 the pupils', else the teachers') out on
// one page: header, body at that kind's size, footer.
void impaginaScheda(Stampante& stampante, const Scheda& s);

// The whole print: the font rule, the page, and a message for each refusal
// or failure. True when the page went to the printer.
bool stampaScheda(const Scheda& s, const Ambiente& ambiente);

} // namespace ope
