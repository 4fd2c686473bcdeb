// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace ope {

struct DatiScelte;

// The six objectives, as the start window and the worksheet window offer them.
struct Obiettivo {
    QString didascalia;
    QString prefisso;       // before the title in the start window's heading
    QString titolo;
    QString titoloScheda;   // the worksheet's title
    std::int16_t formaMin;
    std::int16_t formaMax;
};
const std::array<Obiettivo, 6>& obiettivi();

// The four levels.
struct Livello {
    QString didascalia;
    QString didascaliaScheda;   // the worksheet window's shorter caption
    std::int16_t livello;
    std::int16_t numeroMin;
    std::int16_t numeroMax;
    QString prefisso;
};
const std::array<Livello, 4>& livelli();

// "NUMERO MASSIMO da  30 a 60"
QString descrizioneDelLivello(int numeroMin, int numeroMax);

// What choosing objective i or level i in the start window writes.
void scegliObiettivo(DatiScelte& s, int indice);
void scegliLivello(DatiScelte& s, int indice);

} // namespace ope
