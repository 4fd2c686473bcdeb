// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/scelte.h"

#include "ui/colori.h"
#include "ui/controlli.h"
#include "ui/pulsanteopzione.h"

#include <QGroupBox>
#include <QLabel>

namespace ope {

void Scelte::crea(QWidget* cornice, const QString& nomeOpzione, const QString& nomeMarcatore,
                  const std::vector<QString>& didascalie, const Posti& posti, const std::vector<int>& ordine,
                  const QFont& font, const QColor& sfondo, const std::function<void(int)>& scelta)
{
    for (int i : ordine) {
        const double alto = posti.alti.at(static_cast<std::size_t>(i) % posti.alti.size());
        auto* opzione = nuovoPulsante(cornice, nomeElemento(nomeOpzione, i), didascalie.at(static_cast<std::size_t>(i)),
                                      posti.sinistra, alto, posti.larghezza, posti.altezza);
        opzione->setFont(font);
        impostaSfondo(opzione, sfondo);
        QObject::connect(opzione, &PulsanteOpzione::premuto, opzione, [scelta, i] { scelta(i); });
        metti(i, opzione, nuovaEtichetta(cornice, nomeElemento(nomeMarcatore, i), QString(), posti.sinistraMarcatore,
                                         alto, posti.larghezzaMarcatore, posti.altezza));
    }
    azzera();
}

void Scelte::metti(int i, PulsanteOpzione* opzione, QLabel* marcatore)
{
    opzioni.at(i) = opzione;
    marcatori.at(i) = marcatore;
}

void Scelte::azzera()
{
    for (std::size_t i = 0; i < opzioni.size(); ++i) {
        impostaTesto(opzioni[i], colori::bluNotte);
        impostaSfondo(marcatori[i], colori::gialloPallido);
    }
}

void Scelte::segna(int i)
{
    azzera();
    marcatori.at(i)->raise();
    impostaSfondo(marcatori.at(i), colori::rossoVivo);
    impostaTesto(opzioni.at(i), colori::rossoVivo);
}

void Scelte::portaDavanti(int primo, int quanti)
{
    for (int i = primo; i < primo + quanti; ++i)
        opzioni.at(i)->raise();
}

int cambiaGruppoObiettivi(int gruppo, Scelte& obiettivi, Scelte& livelli, QGroupBox* cornice,
                          std::initializer_list<QWidget*> inAttesa)
{
    obiettivi.azzera();
    livelli.azzera();
    for (QWidget* w : inAttesa)
        w->setEnabled(false);
    const int nuovo = gruppo + 1 > 2 ? 1 : gruppo + 1;
    cornice->setTitle(QStringLiteral("OBIETTIVI %1").arg(nuovo));
    const int perGruppo = obiettivi.quante() / 2;
    obiettivi.portaDavanti(nuovo == 1 ? 0 : perGruppo, perGruppo);
    return nuovo;
}

} // namespace ope
