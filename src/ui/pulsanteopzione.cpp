// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pulsanteopzione.h"

#include "ui/colori.h"
#include "ui/controlli.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace ope {

PulsanteOpzione::PulsanteOpzione(const QString& nome, const QString& testo, QWidget* genitore)
    : QPushButton(testo, genitore)
{
    setObjectName(nome);
    setCheckable(false);
    setAutoDefault(false);
}

void PulsanteOpzione::accendiColFuoco()
{
    connect(this, &PulsanteOpzione::fuocoPreso, this, [this] {
        setDown(false);
        impostaSfondo(this, colori::albicocca);
    });
    connect(this, &PulsanteOpzione::fuocoPerso, this, [this] {
        setDown(false);
        impostaSfondo(this, colori::pesca);
    });
}

void PulsanteOpzione::mousePressEvent(QMouseEvent* e)
{
    QPointer<PulsanteOpzione> vivo(this);
    QPushButton::mousePressEvent(e);   // the short pressed look while the button is down
    emit premuto(e->button());
    // An action that disabled its own key would leave it drawn as pressed.
    if (vivo && !vivo->isEnabled())
        vivo->setDown(false);
}

void PulsanteOpzione::mouseReleaseEvent(QMouseEvent* e)
{
    // Released without a click: the action has already run on the press.
    setDown(false);
    e->accept();
    emit rilasciato();
}

void PulsanteOpzione::keyPressEvent(QKeyEvent* e)
{
    e->ignore();
}

void PulsanteOpzione::keyReleaseEvent(QKeyEvent* e)
{
    e->ignore();
}

void PulsanteOpzione::focusInEvent(QFocusEvent* e)
{
    QPushButton::focusInEvent(e);
    emit fuocoPreso();
}

void PulsanteOpzione::focusOutEvent(QFocusEvent* e)
{
    QPushButton::focusOutEvent(e);
    emit fuocoPerso();
}

void PulsanteOpzione::paintEvent(QPaintEvent*)
{
    const QPalette::ColorGroup gruppo = isEnabled() ? QPalette::Active : QPalette::Disabled;
    QColor faccia = palette().color(gruppo, QPalette::Button);
    if (isDown())
        faccia = faccia.darker(120);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(faccia.darker(isEnabled() ? 150 : 115), hasFocus() ? 2.0 : 1.0));
    p.setBrush(faccia);
    const qreal bordo = hasFocus() ? 1.0 : 0.5;
    p.drawRoundedRect(QRectF(rect()).adjusted(bordo, bordo, -bordo, -bordo), 6, 6);
    p.setPen(palette().color(gruppo, QPalette::ButtonText));
    p.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace ope
