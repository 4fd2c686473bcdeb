// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pulsanteopzione.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace ope {

PulsanteOpzione::PulsanteOpzione(const QString& nome, const QString& testo, QWidget* genitore)
    : QPushButton(testo, genitore)
{
    setObjectName(nome);
    setCheckable(false);
    setAutoDefault(false);
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

} // namespace ope
