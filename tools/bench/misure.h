// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace ope::bench {

// One line of the final table: a figure, its baseline from the same run, and the bar it must meet.
struct Figura {
    QString nome;
    double valore;           // in `unita`
    QString unita;
    QString baseline;        // what the baseline is
    double valoreBaseline;   // same unit; 0 when the bar is absolute
    double soglia;           // the bar: a ratio to the baseline, or an absolute value
    bool rapporto;           // true: valore / valoreBaseline <= soglia
};

// Times one call, in microseconds.
double microsecondi(const std::function<void()>& passo);

// Median and worst of a set of samples.
double mediana(std::vector<double> campioni);
double peggiore(const std::vector<double>& campioni);

// Peak resident memory of this process, in KiB.
long piccoMemoriaKiB();

} // namespace ope::bench
