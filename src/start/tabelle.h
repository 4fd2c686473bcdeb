// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace ope {

struct Sessione;

// The six objectives as the start window offers them.
struct Obiettivo {
    QString didascalia;
    QString prefisso;
    QString titolo;
    std::int16_t formaMin;
    std::int16_t formaMax;
};
const std::array<Obiettivo, 6>& obiettivi();

// The four levels.
struct Livello {
    QString didascalia;
    std::int16_t livello;
    std::int16_t numeroMin;
    std::int16_t numeroMax;
    QString prefisso;
};
const std::array<Livello, 4>& livelli();

// "NUMERO MASSIMO da  30 a 60"
QString descrizioneDelLivello(int numeroMin, int numeroMax);

// What choosing objective i or level i writes into the session.
void scegliObiettivo(Sessione& s, int indice);
void scegliLivello(Sessione& s, int indice);

} // namespace ope
