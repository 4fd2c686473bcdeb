// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <vector>

class QColor;
class QFont;
class QGroupBox;
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
    // Options [primo, primo + quanti) come in front of those that share their
    // places, which the keyboard no longer reaches.
    void portaDavanti(int primo, int quanti);

    PulsanteOpzione* opzione(int i) const { return opzioni.at(i); }
    QLabel* marcatore(int i) const { return marcatori.at(i); }
    int quante() const { return static_cast<int>(opzioni.size()); }

private:
    void nascondiAllaTastiera(int i, bool dietro);

    std::vector<PulsanteOpzione*> opzioni;
    std::vector<QLabel*> marcatori;
};

// The switch between the two groups of objectives that share their places:
// no objective or level stays chosen, the levels and the panel after them
// wait for a new objective, and the objectives' frame names the group now in
// front. Answers the new group, 1 or 2.
int cambiaGruppoObiettivi(int gruppo, Scelte& obiettivi, Scelte& livelli, QGroupBox* cornice,
                          std::initializer_list<QWidget*> inAttesa);

// The Tab order of a choice window: the objectives, the levels, then the
// other controls as given. Options lying behind others are skipped by Tab.
void ordineDiTabulazione(const Scelte& obiettivi, const Scelte& livelli, std::initializer_list<QWidget*> poi);

// The captions of a table of choices, in table order.
template <class Tabella, class Riga = typename Tabella::value_type>
std::vector<QString> didascalieDi(const Tabella& tabella, QString Riga::*campo = &Riga::didascalia)
{
    std::vector<QString> d;
    for (const Riga& riga : tabella)
        d.push_back(riga.*campo);
    return d;
}

} // namespace ope
