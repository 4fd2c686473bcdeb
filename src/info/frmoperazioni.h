// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "info/finestrainfo.h"

namespace ope {

class Programma;

// The instructions, one line after another, each ended by a carriage return
// alone; the text ends with one blank.
QString testoIstruzioni();

// The instructions window; its text is built afresh at every load.
class FrmOperazioni : public FinestraInfo {
    Q_OBJECT
public:
    explicit FrmOperazioni(Programma& programma);
};

} // namespace ope
