// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/stile.h"

#include "ui/accessibilita.h"

#include "ui/colori.h"

#include <QGroupBox>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <algorithm>

namespace ope {

namespace {

// Two chevrons pointing right, in the size Fusion's own picture has.
QIcon disegnaFrecciaAltro()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter pittore(&pixmap);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(QPen(colori::grigioFerro, 1.5));
    for (const double x : {4.0, 9.0}) {
        const QPointF punte[] = {{x, 4.5}, {x + 3.5, 8}, {x, 11.5}};
        pittore.drawPolyline(punte, 3);
    }
    return QIcon(pixmap);
}

} // namespace

Stile::Stile() : QProxyStyle(QStringLiteral("Fusion")), frecciaAltro(disegnaFrecciaAltro()) {}

void Stile::drawPrimitive(PrimitiveElement elemento, const QStyleOption* opzione, QPainter* pittore,
                          const QWidget* widget) const
{
    if (elemento != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(elemento, opzione, pittore, widget);
        return;
    }
    // Fusion's rounded border, with its top lowered below the title as Fusion does.
    const auto* cornice = qobject_cast<const QGroupBox*>(widget);
    const bool conTitolo = !cornice || cornice->isCheckable() || !cornice->title().isEmpty();
    const int margine = 4;
    const int alto = conTitolo ? std::max(pixelMetric(PM_ExclusiveIndicatorHeight), opzione->fontMetrics.height()) + margine
                               : margine;
    const QRectF bordo = QRectF(opzione->rect.adjusted(0, alto, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5);
    pittore->save();
    pittore->setRenderHint(QPainter::Antialiasing);
    pittore->setPen(opzione->palette.color(QPalette::Window).darker(140));
    pittore->setBrush(Qt::NoBrush);
    pittore->drawRoundedRect(bordo, 2, 2);
    pittore->restore();
}

void Stile::drawControl(ControlElement elemento, const QStyleOption* opzione, QPainter* pittore,
                        const QWidget* widget) const
{
    QProxyStyle::drawControl(elemento, opzione, pittore, widget);
    const bool fuoco = opzione->state.testFlag(State_HasFocus) && opzione->state.testFlag(State_KeyboardFocusChange);
    if (elemento == CE_PushButton && fuoco)
        disegnaAnello(*pittore, opzione->rect);
}

QIcon Stile::standardIcon(StandardPixmap figura, const QStyleOption* opzione, const QWidget* widget) const
{
    if (figura == SP_ToolBarHorizontalExtensionButton)
        return frecciaAltro;
    return QProxyStyle::standardIcon(figura, opzione, widget);
}

} // namespace ope
