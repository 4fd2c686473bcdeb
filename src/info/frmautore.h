// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "info/finestrainfo.h"

namespace ope {

class Programma;

// Who made the program, where to find them, and a sibling drill.
class FrmAutore : public FinestraInfo {
    Q_OBJECT
public:
    explicit FrmAutore(Programma& programma);
};

} // namespace ope
