// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace ope {

// The start window's opening curtains, in twips: each tick takes 75 twips off
// both, and they count as open at 74 twips or less.
inline constexpr int passoTendine = 75;
inline constexpr int tendinaAperta = 74;

// A curtain's width after one tick. A negative width cannot be set: the
// curtain then keeps the width it had.
int larghezzaDopoPasso(int larghezza);

bool tendineAperte(int larghezza);

// The width after each tick, up to and including the one at which the timer stops.
std::vector<int> corsaTendine(int larghezzaIniziale);

} // namespace ope
