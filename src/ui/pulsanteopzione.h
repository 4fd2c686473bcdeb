// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>
#include <optional>

namespace ope {

// An option button used as a push button: it acts when a mouse button goes
// down on it, never on release, and keeps no selected state. The keyboard
// (Space or Enter while it shows the focus ring), a touch and a screen
// reader's Press action make it act the same way, once per press.
// It draws itself as a flat key in its own colours: a style's gradient face
// cost more to paint than a whole keypad change may take.
class PulsanteOpzione : public QPushButton {
    Q_OBJECT
public:
    PulsanteOpzione(const QString& nome, const QString& testo, QWidget* genitore);

    // The button's face lights up while it has the focus, and is never left
    // drawn as pressed when the focus comes or goes.
    void accendiColFuoco();

    // Acts as a mouse press on it would, if it can be pressed now: enabled,
    // and not lying behind another panel. True when it acted.
    bool premi();

    // Enter goes to the window, whose Enter has a meaning of its own there.
    void lasciaInvioAllaFinestra() { invioAllaFinestra = true; }

    // An option of a choice panel: screen readers hear whether it is the chosen one.
    void rendiSceglibile() { sceglibile = true; }
    void segnaScelta(bool scelta);
    bool opzioneDiScelta() const { return sceglibile; }
    bool sceltaFatta() const { return scelto; }

signals:
    void premuto(Qt::MouseButton tasto);
    void rilasciato();
    void fuocoPreso();
    void fuocoPerso();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void agisci(Qt::MouseButton tasto);

    std::optional<quint64> ultimaPressione;   // time stamp of the last mouse press it took
    bool invioAllaFinestra = false;
    bool sceglibile = false;
    bool scelto = false;
};

} // namespace ope
