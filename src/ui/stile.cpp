// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/stile.h"

#include "ui/accessibilita.h"

#include "ui/colori.h"

#include <QAction>
#include <QGroupBox>
#include <QMenuBar>
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

// The menu bar tells a style neither that an entry is checkable nor whether
// it is checked, only its text: the entry is found by it.
const QAction* voceSpuntabile(const QStyleOption* opzione, const QWidget* widget)
{
    const auto* barra = qobject_cast<const QMenuBar*>(widget);
    const auto* voce = qstyleoption_cast<const QStyleOptionMenuItem*>(opzione);
    if (!barra || !voce)
        return nullptr;
    for (const QAction* a : barra->actions()) {
        if (a->isCheckable() && a->text() == voce->text)
            return a;
    }
    return nullptr;
}

int latoCasella(const QStyleOption* opzione)
{
    return opzione->fontMetrics.height() * 3 / 4;
}

void disegnaVoceSpuntabile(const QProxyStyle& stile, const QAction& voce, const QStyleOptionMenuItem& opzione,
                           QPainter* pittore, const QWidget* widget)
{
    const int lato = latoCasella(&opzione);
    const int margine = lato / 2;
    // The entry's face under both, then its text beside the box.
    QStyleOptionMenuItem fondo = opzione;
    fondo.text.clear();
    stile.baseStyle()->drawControl(QStyle::CE_MenuBarItem, &fondo, pittore, widget);
    QStyleOptionMenuItem testo = opzione;
    testo.rect.setLeft(testo.rect.left() + margine + lato);
    stile.baseStyle()->drawControl(QStyle::CE_MenuBarItem, &testo, pittore, widget);
    QStyleOptionButton casella;
    casella.QStyleOption::operator=(opzione);
    casella.rect = QRect(opzione.rect.left() + margine, opzione.rect.center().y() - lato / 2, lato, lato);
    casella.state = (opzione.state & QStyle::State_Enabled) | (voce.isChecked() ? QStyle::State_On : QStyle::State_Off);
    stile.proxy()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &casella, pittore, widget);
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
    if (const QAction* voce = elemento == CE_MenuBarItem ? voceSpuntabile(opzione, widget) : nullptr) {
        disegnaVoceSpuntabile(*this, *voce, *qstyleoption_cast<const QStyleOptionMenuItem*>(opzione), pittore, widget);
        return;
    }
    QProxyStyle::drawControl(elemento, opzione, pittore, widget);
    const bool fuoco = opzione->state.testFlag(State_HasFocus) && opzione->state.testFlag(State_KeyboardFocusChange);
    if (elemento == CE_PushButton && fuoco)
        disegnaAnello(*pittore, opzione->rect);
}

int Stile::styleHint(StyleHint suggerimento, const QStyleOption* opzione, const QWidget* widget,
                     QStyleHintReturn* ritorno) const
{
    if (suggerimento == SH_MenuBar_AltKeyNavigation)
        return 1;
    if (suggerimento == SH_UnderlineShortcut && qobject_cast<const QMenuBar*>(widget))
        return widget->hasFocus() ? 1 : 0;
    return QProxyStyle::styleHint(suggerimento, opzione, widget, ritorno);
}

QIcon Stile::standardIcon(StandardPixmap figura, const QStyleOption* opzione, const QWidget* widget) const
{
    if (figura == SP_ToolBarHorizontalExtensionButton)
        return frecciaAltro;
    return QProxyStyle::standardIcon(figura, opzione, widget);
}

QSize Stile::sizeFromContents(ContentsType tipo, const QStyleOption* opzione, const QSize& dimensione,
                              const QWidget* widget) const
{
    QSize d = QProxyStyle::sizeFromContents(tipo, opzione, dimensione, widget);
    if (tipo == CT_MenuBarItem && voceSpuntabile(opzione, widget))
        d.rwidth() += latoCasella(opzione) * 3 / 2;
    return d;
}

} // namespace ope
