// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/invio.h"
#include "print/pagina.h"

#include <functional>

namespace ope {

// The printer as the reports drive it: a current position in twips, a font,
// and texts that either end the line (the next one starts one line height of
// the current font lower, at the left edge) or leave the position after them.
// The finished page goes to the platform's printing as one Pagina.
class Stampante {
public:
    explicit Stampante(std::function<Invio(const Pagina&)> invia);

    double x = 0;
    double y = 0;
    QString font = QStringLiteral("Courier New");
    double punti = 12;
    bool grassetto = false;
    QString documento;   // the print job's name

    // A driver that can refuse a text (printer off line, out of paper): when
    // it answers false the text is not placed, the position stays where it
    // was and stampa answers false. Unset, every text is placed.
    std::function<bool(const Pagina::Testo&)> accettaTesto;

    bool stampa(const QString& testo, bool fineRiga = true);   // false when the printer refused it
    void fineRiga();   // a print of nothing
    void immagine(double left, double top, const QImage& img);
    Invio fine();      // ends the document and sends the page; false when printing failed

    double altezzaRiga() const;                       // twips, for the current font
    double larghezzaTesto(const QString& testo) const;  // twips, for the current font
    const Pagina& pagina() const { return foglio; }
    // How the last page went; a failure while none has been sent.
    const Invio& ultimoInvio() const { return inviata; }

private:
    std::function<Invio(const Pagina&)> invio;
    Pagina foglio;
    Invio inviata{false};
};

// The first font named exactly "Courier" or "Courier New", in the printer's
// own order; empty when it has neither.
QString scegliFontCourier(const QStringList& fontDellaStampante);

} // namespace ope
