// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "serie/serie.h"

#include <QStringList>
#include <vector>

namespace ope::prova {

// One subtraction of a run as a pupil did it: numero1 - numero2 in a form,
// the wrong answers keyed first (each followed by "No" to help), then the
// right one after `secondi`, or help taken.
struct Passo {
    int numero1 = 16;
    int numero2 = 9;
    int forma = 1;
    QStringList sbagliate;
    bool aiuto = false;
    int secondi = 5;
};

// `operazioni` subtractions (16 - 9, 17 - 9, ...), the first `esatte`
// answered right and the others closed by help.
std::vector<Passo> passiCon(int esatte, int operazioni);

// Plays the steps on a run whose clock reads `ora`, as the keys would.
void esegui(Serie& serie, double& ora, const std::vector<Passo>& passi);

// Keys an answer: digits one by one, or a sign.
void digita(Serie& serie, const QString& risposta);

} // namespace ope::prova
