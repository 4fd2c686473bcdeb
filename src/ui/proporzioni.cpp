// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/proporzioni.h"

#include <QAbstractButton>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

namespace ope {

QFont fontInScala(const QFont& progetto, double fattore)
{
    QFont f = progetto;
    if (progetto.pointSizeF() > 0)
        f.setPointSizeF(std::max(1.0, progetto.pointSizeF() * fattore));
    else if (progetto.pixelSize() > 0)
        f.setPixelSize(std::max(1, int(std::lround(progetto.pixelSize() * fattore))));
    return f;
}

QFont fontPerUnaRiga(const QFont& font, const QString& testo, int larghezza)
{
    const double limite = std::max(1, larghezza);
    QFont f = font;
    double punti = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    auto largo = [&] { return QFontMetricsF(f).horizontalAdvance(testo); };
    // Widths grow nearly in proportion to the size; hinting may add a little,
    // which the short walk down takes back.
    for (double w = largo(); w > limite && punti > 1; w = largo()) {
        punti = std::max(1.0, std::min(punti * limite / w, punti - 0.25));
        f.setPointSizeF(punti);
    }
    return f;
}

namespace {

// Only controls that draw text need a font of their own; giving the client
// area one instead would pass it down to every panel and line as well.
bool scriveTesto(const QWidget* c)
{
    return qobject_cast<const QLabel*>(c) || qobject_cast<const QAbstractButton*>(c)
           || qobject_cast<const QLineEdit*>(c) || qobject_cast<const QGroupBox*>(c);
}

} // namespace

void Proporzioni::registraProporzioni(QWidget* a, QSize dimensione)
{
    tabella.clear();
    progetto = dimensione;
    fattoreApplicato = 1.0;
    const double w = progetto.width() > 0 ? progetto.width() : 1;
    const double h = progetto.height() > 0 ? progetto.height() : 1;
    const auto controlli = a->findChildren<QWidget*>();
    tabella.reserve(controlli.size());
    for (QWidget* c : controlli) {
        const QRect g = c->geometry();
        tabella.push_back({c, g.width() / w, g.height() / h, g.y() / h, g.x() / w, c->font(), scriveTesto(c)});
    }
}

double Proporzioni::fattoreCaratteri(QSize nuova) const
{
    if (progetto.width() <= 0 || progetto.height() <= 0)
        return 1.0;
    return std::min(nuova.width() / double(progetto.width()), nuova.height() / double(progetto.height()));
}

void Proporzioni::applicaProporzioni(QSize nuova)
{
    const double w = nuova.width();
    const double h = nuova.height();
    const double fattore = fattoreCaratteri(nuova);
    // A zero area leaves the fonts alone: nothing is shown, and the next
    // resize would only set them back.
    const bool caratteri = fattore > 0 && fattore != fattoreApplicato;
    if (caratteri)
        fattoreApplicato = fattore;
    for (const Voce& v : tabella) {
        QWidget* c = v.controllo;
        if (!c || c->property(nonScalare).toBool())
            continue;
        if (caratteri && v.scrive)
            c->setFont(fontInScala(v.font, fattore));
        const auto x = std::lround(w * v.sinistra);
        const auto y = std::lround(h * v.alto);
        const auto larga = std::lround(w * v.larghezza);
        const auto alta = std::lround(h * v.altezza);
        c->setGeometry(int(x), int(y), int(larga), int(alta));
    }
}

} // namespace ope
