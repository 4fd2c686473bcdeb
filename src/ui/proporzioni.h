// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QSize>
#include <QWidget>
#include <vector>

namespace ope {

// Keeps every control of a window in proportion to its client area: the
// fractions are taken once at load and every resize is computed from them,
// so repeated resizes never accumulate error.
class Proporzioni {
public:
    // Records every widget below the client area, in the area's own child order.
    void registraProporzioni(QWidget* area, QSize progetto);
    // Moves and sizes each recorded control to its fractions of the new area.
    void applicaProporzioni(QSize nuova) const;

    struct Voce {
        QPointer<QWidget> controllo;
        double larghezza;
        double altezza;
        double alto;
        double sinistra;
    };
    const std::vector<Voce>& voci() const { return tabella; }

private:
    std::vector<Voce> tabella;
};

// Controls that the scaling never moves (the crossing lines of the exercise
// window) carry this property set to true.
inline constexpr const char* nonScalare = "opeNonScalare";

} // namespace ope
