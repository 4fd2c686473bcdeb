// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/registro.h"

class QWidget;

namespace ope {

// The face of the chart module (libope-grafico): Qt Charts brings OpenGL and
// some megabytes with it, so only the teacher's window loads it, when it
// first shows a pupil's history.
class ModuloGrafico {
public:
    virtual ~ModuloGrafico() = default;
    // A chart of the share right and of the median seconds per operation, run by run.
    virtual QWidget* creaGrafico(QWidget* genitore) = 0;
    virtual void mostra(QWidget* grafico, const QList<PuntoAndamento>& punti) = 0;
};

using CreaModuloGrafico = ModuloGrafico* (*)();
inline constexpr char nomeCreaModuloGrafico[] = "opeCreaModuloGrafico";

} // namespace ope
