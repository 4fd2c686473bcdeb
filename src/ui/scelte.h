// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QColor;
class QFont;
class QLabel;
class QWidget;

namespace ope {

class PulsanteOpzione;

// A panel of options used as push buttons, each with a narrow marker beside
// it: the choice is shown by colours alone, red text and a red marker for the
// chosen one, blue text on pale yellow for the others.
class Scelte {
public:
    // Where the options stand inside their frame, in twips: option i at top
    // alti[i % alti.size()], its marker to its right.
    struct Posti {
        double sinistra;
        double larghezza;
        double altezza;
        double sinistraMarcatore;
        double larghezzaMarcatore;
        std::vector<double> alti;
    };

    explicit Scelte(int quante) : opzioni(quante), marcatori(quante) {}

    // Makes the options "<nomeOpzione>(i)" with their captions and markers
    // "<nomeMarcatore>(i)", in the order given: where two share a place, the
    // one made later lies in front. A press on option i calls scelta(i).
    void crea(QWidget* cornice, const QString& nomeOpzione, const QString& nomeMarcatore,
              const std::vector<QString>& didascalie, const Posti& posti, const std::vector<int>& ordine,
              const QFont& font, const QColor& sfondo, const std::function<void(int)>& scelta);
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

// The captions of a table of choices, in table order.
template <class Tabella>
std::vector<QString> didascalieDi(const Tabella& tabella)
{
    std::vector<QString> d;
    for (const auto& riga : tabella)
        d.push_back(riga.didascalia);
    return d;
}

} // namespace ope
