// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace ope {

// An option button used as a push button: it acts when a mouse button goes
// down on it, never on release or from the keyboard, and keeps no selected state.
// It draws itself as a flat key in its own colours: a style's gradient face
// cost more to paint than a whole keypad change may take.
class PulsanteOpzione : public QPushButton {
    Q_OBJECT
public:
    PulsanteOpzione(const QString& nome, const QString& testo, QWidget* genitore);

    // The button's face lights up while it has the focus, and is never left
    // drawn as pressed when the focus comes or goes.
    void accendiColFuoco();

signals:
    void premuto(Qt::MouseButton tasto);
    void rilasciato();
    void fuocoPreso();
    void fuocoPerso();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

} // namespace ope
