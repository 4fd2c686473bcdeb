// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

namespace ope {

// The program's one uniform generator. Reseeding mixes the clock into the
// current state instead of restarting from it, so many reseeds within one
// clock tick still give independent draws.
class Generatore {
public:
    explicit Generatore(std::function<double()> orologio);

    void semina();                 // mixes the clock reading into the state
    void semina(double secondi);   // the same with a given reading
    double rnd();                  // uniform in [0, 1)
    int intero(int n);             // Int(Rnd * n): 0..n-1
    int tra(int minimo, int massimo);

private:
    std::function<double()> orologio;
    std::uint64_t stato;
};

} // namespace ope
