// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

class QLabel;

namespace ope {

class PulsanteOpzione;

// A panel of options used as push buttons, each with a narrow marker beside
// it: the choice is shown by colours alone, red text and a red marker for the
// chosen one, blue text on pale yellow for the others.
class Scelte {
public:
    explicit Scelte(int quante) : opzioni(quante), marcatori(quante) {}
    void metti(int i, PulsanteOpzione* opzione, QLabel* marcatore);
    void azzera();
    void segna(int i);   // its marker comes to the front too
    // Options [primo, primo + quanti) come in front of those that share their places.
    void portaDavanti(int primo, int quanti);

    PulsanteOpzione* opzione(int i) const { return opzioni.at(i); }
    QLabel* marcatore(int i) const { return marcatori.at(i); }
    int quante() const { return static_cast<int>(opzioni.size()); }

private:
    std::vector<PulsanteOpzione*> opzioni;
    std::vector<QLabel*> marcatori;
};

} // namespace ope
