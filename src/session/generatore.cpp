// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/generatore.h"

#include <bit>
#include <cmath>

namespace ope {

namespace {

// SplitMix64's finaliser: a bijective mix, so distinct states stay distinct.
std::uint64_t mescola(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

constexpr std::uint64_t passo = 0x9e3779b97f4a7c15ULL;

} // namespace

Generatore::Generatore(std::function<double()> orologioDaUsare)
    : orologio(std::move(orologioDaUsare)), stato(passo)
{
    semina();
}

void Generatore::semina()
{
    semina(orologio ? orologio() : 0.0);
}

void Generatore::semina(double secondi)
{
    stato = mescola(stato ^ mescola(std::bit_cast<std::uint64_t>(secondi))) + passo;
}

double Generatore::rnd()
{
    stato += passo;
    return static_cast<double>(mescola(stato) >> 11) * 0x1.0p-53;
}

int Generatore::intero(int n)
{
    return static_cast<int>(std::floor(rnd() * n));
}

int Generatore::tra(int minimo, int massimo)
{
    return intero(massimo - minimo + 1) + minimo;
}

} // namespace ope
