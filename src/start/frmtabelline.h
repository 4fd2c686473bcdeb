// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/finestra.h"

#include <array>

class QCheckBox;
class QPushButton;

namespace ope {

class Programma;

// The teacher's choice of multiplication tables: a list of the tables of 1
// to 10 to tick. "OK" keeps the choice for this run of the program and the
// next ones; "Annulla" or closing the window leaves it as it was.
class FrmTabelline : public Finestra {
    Q_OBJECT
public:
    explicit FrmTabelline(Programma& programma);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void conferma();

    Programma& programma;
    std::array<QCheckBox*, 11> chkTabellina{};   // 1..10; element 0 unused
    QPushButton* cmdOK;
    QPushButton* cmdAnnulla;
};

} // namespace ope
