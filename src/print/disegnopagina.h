// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/pagina.h"

#include <QImage>

class QPainter;

namespace ope {

// Paints a page onto a device whose logical resolution is `dpi`, with the
// printable origin at the painter's origin: every printing path and every
// picture of a page go through here, so they show the same thing.
void disegnaPagina(QPainter& pittore, const Pagina& pagina, double dpi);

// An A4 sheet (portrait, white) of the page, for looking at it.
QImage immaginePagina(const Pagina& pagina, double dpi = 100);

} // namespace ope
