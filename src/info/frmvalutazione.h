// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "info/finestrainfo.h"

namespace ope {

class Programma;

// The grading scale: marks out of ten, and when the certificate can be printed.
// A click anywhere on its background closes it.
class FrmValutazione : public FinestraInfo {
    Q_OBJECT
public:
    explicit FrmValutazione(Programma& programma);
};

} // namespace ope
