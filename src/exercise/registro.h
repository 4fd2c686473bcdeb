// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ope {

struct Sessione;

// Every log line is closed at this width: the dot leader fills it.
inline constexpr int larghezzaChiusura = 42;

// The log line of the operation on screen.
QString& rigaCorrente(Sessione& s);

// The timing step when an operation is closed at clock reading `ora`
// (seconds since midnight): times, totals, their texts and the dot leader.
void chiudiTempo(Sessione& s, double ora);

// What the statistics panel shows: the labels stop at 99 and 999, the log
// and the printout keep the full numbers.
QString didascaliaTempoOperazione(const Sessione& s);
QString didascaliaTempoTotale(const Sessione& s);

// The three ways a check or the help extends the log line.
void registraErrore(Sessione& s, const QString& marcaEsito);
void registraEsatta(Sessione& s, const QString& marcaEsito);
void registraAiuto(Sessione& s);

// The pupil's answer as the digit keys and "Cancella" change it.
QString aggiungiCifra(const QString& risposta, int cifra, int maxCifre);
QString togliCifra(const QString& risposta);

// Trimmed texts, exact match: "07" is not " 7".
bool rispostaGiusta(const Sessione& s);

} // namespace ope
