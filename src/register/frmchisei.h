// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/finestra.h"

#include <QList>

namespace ope {

class Programma;
class PulsanteOpzione;

// "Chi sei?": the pupils of the register's classes as large buttons, one
// group per class; pressing one's own name starts practising under it.
class FrmChiSei : public Finestra {
    Q_OBJECT
public:
    explicit FrmChiSei(Programma& programma);

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void creaControlli();
    void spostaFuoco(PulsanteOpzione* da, int passo);

    Programma& programma;
    QList<PulsanteOpzione*> nomi;   // in reading order, class after class
};

} // namespace ope
