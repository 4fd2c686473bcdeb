// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/finestra.h"

#include <QImage>
#include <array>
#include <cstdint>
#include <memory>

class QFrame;

namespace ope {

class Programma;
class PulsanteOpzione;
class Serie;

// The certificate of merit: the grade of the run, drawn once at load into a
// picture whose image is what gets printed.
class FrmAttestato : public Finestra {
    Q_OBJECT
public:
    FrmAttestato(Programma& programma, std::shared_ptr<const Serie> serie);

    const std::shared_ptr<const Serie>& serie() const { return corrente; }
    std::int16_t voto() const { return valutazione; }
    const QImage& immagine() const { return attestato; }

private:
    void creaControlli();
    void disegnaAttestato();
    void mostraImmagine();
    void stampaAttestato();

    Programma& programma;
    std::shared_ptr<const Serie> corrente;
    std::int16_t valutazione = 0;
    QImage attestato;

    QFrame* picture1;
    QFrame* frame4;
    std::array<PulsanteOpzione*, 3> option5{};
};

} // namespace ope
