// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/etichettacliccabile.h"

#include <QMouseEvent>

namespace ope {

EtichettaCliccabile::EtichettaCliccabile(const QString& nome, const QString& testo, QWidget* genitore)
    : QLabel(testo, genitore)
{
    setObjectName(nome);
    setCursor(Qt::PointingHandCursor);
}

void EtichettaCliccabile::mousePressEvent(QMouseEvent* e)
{
    premuta = e->button() == Qt::LeftButton;
    e->accept();
}

void EtichettaCliccabile::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = premuta && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    premuta = false;
    e->accept();
    if (click)
        emit cliccata();
}

} // namespace ope
