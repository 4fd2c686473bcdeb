// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "serie/presentazione.h"

#include <QString>

namespace ope {

// A whole number in Italian words, as it is read aloud: 77 "settantasette",
// 100 "cento", 23 "ventitré", 21000 "ventunmila".
QString numeroInLettere(long long valore);

// The operation on screen in the words a teacher would say aloud, numbers in
// words and the unknown read as "quanto" (a screen reader gets the row as it
// stands, from fraseOperazione): "sedici meno nove, uguale?", "dodici più quanto fa venti?",
// "nove, uguale, minore o maggiore di sedici meno sette?".
QString domandaDaLeggere(Operazione operazione, const Presentazione& p);

// The operation as one sentence for a screen reader, read left to right as
// the row shows it, numbers in digits: "21 meno 7 uguale quanto?", and for
// the sign row "9 ? 4 meno 1: uguale, minore o maggiore?".
QString fraseOperazione(const Presentazione& p);

// The same operation completed with its right answer, as help shows it:
// "sedici meno nove fa sette.", "sedici meno sette è minore di dieci.".
QString rispostaDaLeggere(const Presentazione& p);

} // namespace ope
