// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/clicsfondo.h"

#include <QMouseEvent>
#include <QWidget>

namespace ope {

ClicSulloSfondo::ClicSulloSfondo(QWidget* area) : QObject(area), sfondo(area)
{
    area->installEventFilter(this);
}

bool ClicSulloSfondo::eventFilter(QObject* oggetto, QEvent* evento)
{
    const bool pressione = evento->type() == QEvent::MouseButtonPress;
    if (oggetto != sfondo || (!pressione && evento->type() != QEvent::MouseButtonRelease))
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(evento);
    const bool libero = sfondo->childAt(mouse->position().toPoint()) == nullptr;
    if (pressione) {
        premuto = libero;
    } else if (premuto && libero) {
        premuto = false;
        emit cliccato();
    }
    return false;
}

} // namespace ope
