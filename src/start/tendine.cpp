// SPDX-License-Identifier: GPL-3.0-or-later
#include "start/tendine.h"

namespace ope {

int larghezzaDopoPasso(int larghezza)
{
    const int nuova = larghezza - passoTendine;
    return nuova < 0 ? larghezza : nuova;
}

bool tendineAperte(int larghezza)
{
    return larghezza <= tendinaAperta;
}

std::vector<int> corsaTendine(int larghezzaIniziale)
{
    std::vector<int> corsa;
    int larghezza = larghezzaIniziale;
    do {
        larghezza = larghezzaDopoPasso(larghezza);
        corsa.push_back(larghezza);
    } while (!tendineAperte(larghezza));
    return corsa;
}

} // namespace ope
