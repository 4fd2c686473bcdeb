// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pulsanteopzione.h"

#include "ui/accessibilita.h"
#include "ui/colori.h"
#include "ui/controlli.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyleHints>

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

void PulsanteOpzione::segnaScelta(bool scelta)
{
    if (scelta == scelto)
        return;
    scelto = scelta;
    // The pupil who chose by Space hears it, as one who sees the colours change.
    QAccessible::State cambiato;
    cambiato.checked = true;
    QAccessibleStateChangeEvent evento(this, cambiato);
    QAccessible::updateAccessibility(&evento);
}

bool PulsanteOpzione::premi()
{
    if (!isEnabled() || !raggiungibile(this))
        return false;
    agisci(Qt::LeftButton);
    return true;
}

void PulsanteOpzione::agisci(Qt::MouseButton tasto)
{
    QPointer<PulsanteOpzione> vivo(this);
    emit premuto(tasto);
    // An action that disabled its own key would leave it drawn as pressed.
    if (vivo && !vivo->isEnabled())
        vivo->setDown(false);
}

void PulsanteOpzione::mousePressEvent(QMouseEvent* e)
{
    ultimaPressione = e->timestamp();
    QPushButton::mousePressEvent(e);   // the short pressed look while the button is down
    agisci(e->button());
}

void PulsanteOpzione::mouseReleaseEvent(QMouseEvent* e)
{
    // Released without a click: the action has already run on the press.
    setDown(false);
    e->accept();
    emit rilasciato();
}

void PulsanteOpzione::mouseDoubleClickEvent(QMouseEvent* e)
{
    // Panels change on the first press, so the second press of a double click
    // may land on a key that has just come to the front: it is a press only
    // for the key that took the first one.
    const auto intervallo = static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (ultimaPressione && e->timestamp() >= *ultimaPressione && e->timestamp() - *ultimaPressione <= intervallo)
        mousePressEvent(e);
    else
        e->accept();
}

void PulsanteOpzione::keyPressEvent(QKeyEvent* e)
{
    const bool spazio = e->key() == Qt::Key_Space;
    const bool invio = (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !invioAllaFinestra;
    if (!(spazio || invio) || (e->modifiers() & ~Qt::KeypadModifier)) {
        e->ignore();
        return;
    }
    e->accept();
    if (e->isAutoRepeat())
        return;
    QPointer<QWidget> finestra(window());
    QPointer<QWidget> vivo(this);
    mostraAnello(finestra);
    premi();
    // The action may have put this key out of use or out of sight: the pupil
    // goes on from the first key that can be pressed now.
    if (finestra)
        fuocoDopoAzione(finestra, vivo);
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
    if (fuocoVisibile(this))
        disegnaAnello(p, rect());
}

} // namespace ope
