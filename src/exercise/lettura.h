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
// the row shows it, numbers in words: "ventuno meno sette, uguale quanto?";
// the sign row as it is read aloud.
QString fraseOperazione(const Presentazione& p);

// The same operation completed with its right answer, as help shows it:
// "sedici meno nove fa sette.", "sedici meno sette è minore di dieci.".
QString rispostaDaLeggere(const Presentazione& p);

// The statistics panel as a screen reader says it, each count after its
// caption and the times with their unit; a value not shown yet is left out:
// "Operazioni eseguite 3. Tempo parziale 1 secondo."
QString riepilogoDaLeggere(const QString& esatte, const QString& eseguite, const QString& errate,
                           const QString& tempoParziale, const QString& tempoTotale);

} // namespace ope
