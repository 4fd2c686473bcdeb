// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/pagina.h"

#include <QStringList>

class QPrinter;

namespace ope {

// The real printing: the finished page is shown in a print preview, from
// which the user prints on any installed printer, or saves a PDF when none is
// installed. Answers
// false when the page could not be produced; a preview closed without
// printing is the user's choice, not a failure.
bool stampaConAnteprima(const Pagina& pagina);

// Paints the page on a printer (or a PDF file) at its resolution, with the
// origin at the printable area; false when the device could not be opened
// or reported an error.
bool stampaSu(QPrinter& stampante, const Pagina& pagina);

// The fonts a printed page can use: the installed families, plus "Courier New"
// and "Courier" when the font configuration maps those names to a face with
// the same metrics.
QStringList fontDisponibiliPerStampa();

} // namespace ope
