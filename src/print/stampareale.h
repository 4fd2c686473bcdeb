// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/invio.h"
#include "print/pagina.h"

#include <QStringList>

class QPageLayout;
class QPrinter;

namespace ope {

// The real printing: the finished page is shown in a print preview, from
// which the user prints on any installed printer, or saves a PDF when none is
// installed or the print service does not answer. A preview closed without
// printing is the user's choice, not a failure.
Invio stampaConAnteprima(const Pagina& pagina);

// Sends the page where the printer is set: to its PDF file, or to the print
// service after asking whether the printer takes jobs, and then whether the
// service took it. The job carries the page's title.
Invio invia(QPrinter& stampante, const Pagina& pagina);

// The same, on an A4 sheet, to a printer by its name: the printing a user
// chooses in the preview, without the preview.
Invio inviaAllaStampante(const Pagina& pagina, const QString& nomeStampante);

// Writes the page as a PDF file, replacing it only once the whole file is
// written: a full disk or a folder that cannot be written leaves no file
// behind and says which it was.
Invio salvaInPdf(const Pagina& pagina, const QString& file, const QPageLayout& foglio, int dpi);

// Paints the page on a printer (or a PDF file) at its resolution, with the
// origin at the printable area; false when the device could not be opened
// or reported an error.
bool stampaSu(QPrinter& stampante, const Pagina& pagina);

// The fonts a printed page can use: the installed families, plus "Courier New"
// and "Courier" when the font configuration maps those names to a face with
// the same metrics.
QStringList fontDisponibiliPerStampa();

} // namespace ope
