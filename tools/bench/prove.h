// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "misure.h"

#include <map>
#include <string>

namespace ope::bench {

// Registers the in-process measurements with Google Benchmark.
void registraProve();

// Turns what was measured (microseconds per iteration, by name) into table lines,
// and adds the figures measured outside Google Benchmark (a pupil's actions).
void aggiungiFigure(const std::map<std::string, double>& tempi, std::vector<Figura>& figure);

// The class register over a school's year generated into a scratch file.
void aggiungiFigureRegistro(std::vector<Figura>& figure);

// The child processes: start-up and peak memory are whole-process figures.
int eseguiFiglio(int argc, char* argv[], const QString& modo);

} // namespace ope::bench
