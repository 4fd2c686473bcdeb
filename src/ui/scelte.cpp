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
    std::vector<int> davanti(posti.alti.size(), -1);   // per place, the option made last
    for (int i : ordine) {
        const std::size_t posto = static_cast<std::size_t>(i) % posti.alti.size();
        const double alto = posti.alti.at(posto);
        const QString& didascalia = didascalie.at(static_cast<std::size_t>(i));
        auto* opzione = nuovoPulsante(cornice, nomeElemento(nomeOpzione, i), didascalia,
                                      posti.sinistra, alto, posti.larghezza, posti.altezza);
        opzione->setFont(font);
        opzione->rendiSceglibile();
        impostaSfondo(opzione, sfondo);
        QObject::connect(opzione, &PulsanteOpzione::premuto, opzione, [scelta, i] { scelta(i); });
        QLabel* marcatore = nuovaEtichetta(cornice, nomeElemento(nomeMarcatore, i), QString(), posti.sinistraMarcatore,
                                           alto, posti.larghezzaMarcatore, posti.altezza);
        // A screen reader tells the markers apart by their options.
        marcatore->setAccessibleName(didascalia);
        metti(i, opzione, marcatore);
        davanti[posto] = i;
    }
    for (std::size_t i = 0; i < opzioni.size(); ++i)
        nascondiAllaTastiera(static_cast<int>(i), davanti[i % davanti.size()] != static_cast<int>(i));
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
        opzioni[i]->segnaScelta(false);
    }
}

void Scelte::segna(int i)
{
    azzera();
    marcatori.at(i)->raise();
    impostaSfondo(marcatori.at(i), colori::rossoVivo);
    impostaTesto(opzioni.at(i), colori::rossoVivo);
    opzioni.at(i)->segnaScelta(true);
}

void Scelte::portaDavanti(int primo, int quanti)
{
    for (int i = 0; i < quante(); ++i) {
        const bool davanti = i >= primo && i < primo + quanti;
        if (davanti) {
            opzioni.at(i)->raise();
            marcatori.at(i)->raise();   // the markers shown belong to the options shown
        }
        nascondiAllaTastiera(i, !davanti);
    }
}

void Scelte::nascondiAllaTastiera(int i, bool dietro)
{
    // Options lying behind others are out of the Tab order as out of sight.
    opzioni.at(i)->setFocusPolicy(dietro ? Qt::NoFocus : Qt::StrongFocus);
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

void ordineDiTabulazione(const Scelte& obiettivi, const Scelte& livelli, std::initializer_list<QWidget*> poi)
{
    std::vector<QWidget*> ordine;
    for (const Scelte* scelte : {&obiettivi, &livelli})
        for (int i = 0; i < scelte->quante(); ++i)
            ordine.push_back(scelte->opzione(i));
    ordine.insert(ordine.end(), poi);
    for (std::size_t i = 1; i < ordine.size(); ++i)
        QWidget::setTabOrder(ordine[i - 1], ordine[i]);
}

} // namespace ope
