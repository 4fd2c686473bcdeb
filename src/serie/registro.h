// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

namespace ope {

struct DatiOperazione;

// Every log line is closed at this width: the dot leader fills it.
inline constexpr int larghezzaChiusura = 42;

// The whole seconds between two clock readings (seconds since midnight). The
// clock starts again at midnight: a reading more than half a day behind the
// start is the next day. One less than half a day behind is the clock itself
// set back (time synchronisation, daylight saving, a hand change): no time
// that can be counted has passed.
double secondiTrascorsi(double inizio, double ora);

// The 16-bit counts stop at their limit instead of turning negative.
std::int16_t a16(double valore);

// What the statistics panel shows: the labels stop at 99 and 999, the log
// and the printout keep the full numbers.
QString didascaliaTempoOperazione(int secondi);
QString didascaliaTempoTotale(double secondi);

// What a check or the help adds to the log line `riga` of operation `o`,
// closed after `secondi`.
QString codaErrore(const DatiOperazione& o);
QString codaEsatta(const QString& riga, const DatiOperazione& o, int secondi);
QString codaAiuto(const QString& riga, const DatiOperazione& o, int secondi);

// The pupil's answer as the digit keys and "Cancella" change it.
QString aggiungiCifra(const QString& risposta, int cifra, int maxCifre);
QString togliCifra(const QString& risposta);

// Trimmed texts, exact match: "07" is not " 7".
bool rispostaGiusta(const DatiOperazione& o);

} // namespace ope
