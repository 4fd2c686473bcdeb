// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "info/finestrainfo.h"

namespace ope {

class Programma;

// Examples of the operations of type 1 and type 2, row by row.
class FrmEsempi : public FinestraInfo {
    Q_OBJECT
public:
    explicit FrmEsempi(Programma& programma);
};

} // namespace ope
