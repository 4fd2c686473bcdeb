// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/sessione.h"

#include <QString>

namespace ope {

// Where the unknown stands in the number row: slot 0, 1 or 2 (lblRifer(0..2)).
enum class Disposizione { Prima, Centrale, Ultima };

// Where the unknown sign lblSegno2 stands in the sign row: at lblRif2(1) (left)
// or lblRif2(3) (right); the operation symbol lblUguale2 takes the other place.
enum class PosizioneSegno { Sinistra, Destra };

// What one presentation form shows and logs; the exercise window copies it
// onto its named controls.
struct Presentazione {
    bool rigaSegni = false;   // forms 7..12: the sign row and the sign keypad

    // Number row (forms 1..6)
    QString lblNumero1;       // caption of LblNumero1
    QString lblNumero2;       // caption of LblNumero2
    QString lblSegno;         // symbol between slots 0 and 1
    QString lblUguale;        // symbol between slots 1 and 2
    Disposizione disposizione = Disposizione::Ultima;

    // Sign row (forms 7..12)
    QString lblNumero4;
    QString lblNumero6;
    QString lblNumero8;
    QString lblUguale2;       // the operation symbol
    PosizioneSegno incognita = PosizioneSegno::Destra;

    QString rispostaEsatta;   // " 7" for a number (except where a form says otherwise), "=" "<" ">" for a sign
    QString testoLog;         // first text of the log line, a dot for the unknown
};

// Form 1..12 of the operation whose operands were just drawn into the
// session. Changes the session only where a form itself does (the addition
// sum in forms 8, 9, 11, 12 and the pads the forms recompute); the caller
// stores tipoEsercizio, rispostaEsatta and the log line.
Presentazione presenta(Operazione operazione, int forma, DatiOperazione& s);

// Right-aligns the numbers of a log line: the pads spazioNumero1..3,
// spazioRispostaEsatta and spazioRisposta from the lengths of their trimmed texts.
void calcolaSpazi(DatiOperazione& s);

} // namespace ope
