// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercise/linea.h"

#include "ui/proporzioni.h"

#include <QPainter>

namespace ope {

Linea::Linea(const QString& nome, QWidget* genitore) : QWidget(genitore)
{
    setObjectName(nome);
    setProperty(nonScalare, true);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Linea::traccia(QPoint inizioLinea, QPoint fineLinea)
{
    da = inizioLinea;
    a = fineLinea;
    setGeometry(QRect(da, a).normalized().adjusted(0, 0, 1, 1));
}

void Linea::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::WindowText), 2));
    p.drawLine(da - pos(), a - pos());
}

} // namespace ope
