// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The colours the windows share: the choice panels, the option buttons and
// their focus, the frames' captions.
namespace ope::colori {

inline const QColor blu(0, 0, 192);
inline const QColor rosso(255, 0, 0);
inline const QColor rossoScuro(192, 0, 0);
inline const QColor gialloPallido(255, 255, 192);
inline const QColor sfondoPulsante(255, 224, 192);
inline const QColor pulsanteAcceso(255, 192, 128);   // an option button with the focus

} // namespace ope::colori
