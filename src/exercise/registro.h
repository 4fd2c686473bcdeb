// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ope {

struct DatiOperazione;
struct Serie;

// Every log line is closed at this width: the dot leader fills it.
inline constexpr int larghezzaChiusura = 42;

// The log line of the operation on screen.
QString& rigaCorrente(Serie& s);

// The timing step when an operation is closed at clock reading `ora`
// (seconds since midnight): times, totals, their texts and the dot leader.
void chiudiTempo(Serie& s, double ora);

// What the statistics panel shows: the labels stop at 99 and 999, the log
// and the printout keep the full numbers.
QString didascaliaTempoOperazione(const Serie& s);
QString didascaliaTempoTotale(const Serie& s);

// The three ways a check or the help extends the log line.
void registraErrore(Serie& s, const DatiOperazione& o, const QString& marcaEsito);
void registraEsatta(Serie& s, const DatiOperazione& o, const QString& marcaEsito);
void registraAiuto(Serie& s, const DatiOperazione& o);

// The pupil's answer as the digit keys and "Cancella" change it.
QString aggiungiCifra(const QString& risposta, int cifra, int maxCifre);
QString togliCifra(const QString& risposta);

// Trimmed texts, exact match: "07" is not " 7".
bool rispostaGiusta(const DatiOperazione& o);

} // namespace ope
