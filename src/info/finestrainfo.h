// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/finestra.h"

#include <QColor>

class QPushButton;

namespace ope {

// A small window of fixed content and a "C h i u d i" button that unloads it.
// It opens at its design size and does not scale.
class FinestraInfo : public Finestra {
    Q_OBJECT
public:
    FinestraInfo(const QString& nome, const QString& titolo, double larghezzaTwips, double altezzaTwips,
                 const QColor& sfondo);

protected:
    // Places Command1, the button that unloads the window.
    QPushButton* creaChiudi(double left, double top, double width, double height, const QColor& sfondo);
};

} // namespace ope
