// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/etichettacliccabile.h"

#include "ui/accessibilita.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ope {

EtichettaCliccabile::EtichettaCliccabile(const QString& nome, const QString& testo, QWidget* genitore)
    : QLabel(testo, genitore), fermata(new QWidget(this))
{
    setObjectName(nome);
    setCursor(Qt::PointingHandCursor);
    fermata->setObjectName(nome + QStringLiteral(".tab"));
    fermata->resize(0, 0);
    fermata->setFocusPolicy(Qt::TabFocus);
    fermata->installEventFilter(this);
}

bool EtichettaCliccabile::premi()
{
    if (!isEnabled() || !isVisible() || !raggiungibile(this))
        return false;
    emit cliccata();
    return true;
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

bool EtichettaCliccabile::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto != fermata)
        return QLabel::eventFilter(oggetto, evento);
    if (evento->type() == QEvent::FocusIn || evento->type() == QEvent::FocusOut)
        update();
    if (evento->type() == QEvent::KeyPress) {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        const bool aziona = tasto->key() == Qt::Key_Space || tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter;
        if (aziona && !(tasto->modifiers() & ~Qt::KeypadModifier)) {
            if (!tasto->isAutoRepeat()) {
                mostraAnello(window());
                premi();
            }
            return true;
        }
    }
    return false;
}

void EtichettaCliccabile::paintEvent(QPaintEvent* e)
{
    // The ring goes beneath the text, which it would cover on a label as
    // low as its letters.
    if (fuocoVisibile(fermata)) {
        QPainter p(this);
        disegnaAnello(p, rect());
    }
    QLabel::paintEvent(e);
}

} // namespace ope
