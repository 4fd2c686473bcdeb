// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <vector>

namespace ope {

// Keeps every control of a window in proportion to its client area: the
// fractions and the fonts are taken once at load and every resize is computed
// from them, so repeated resizes never accumulate error.
class Proporzioni {
public:
    // Records every widget below the client area, in the area's own child order.
    void registraProporzioni(QWidget* area, QSize progetto);
    // Moves and sizes each recorded control to its fractions of the new area,
    // and gives it its design font times fattoreCaratteri(nuova).
    void applicaProporzioni(QSize nuova);

    // The smaller of the width and height ratios of the area to its design:
    // text grows no faster than the narrower side of its control.
    double fattoreCaratteri(QSize nuova) const;

    struct Voce {
        QPointer<QWidget> controllo;
        double larghezza;
        double altezza;
        double alto;
        double sinistra;
        QFont font;     // as designed, inherited or its own
        bool scrive;    // it draws text, so its font follows the scale
    };
    const std::vector<Voce>& voci() const { return tabella; }

private:
    std::vector<Voce> tabella;
    QSize progetto;
    double fattoreApplicato = 1.0;
};

// A font of the design size times fattore, in the unit it was designed in.
QFont fontInScala(const QFont& progetto, double fattore);

// The largest size, at most the font's own, at which the text stands on one
// line no wider than larghezza pixels.
QFont fontPerUnaRiga(const QFont& font, const QString& testo, int larghezza);

// Controls that the scaling never moves (the crossing lines of the exercise
// window) carry this property set to true.
inline constexpr const char* nonScalare = "opeNonScalare";

} // namespace ope
