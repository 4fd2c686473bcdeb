// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/proporzioni.h"

#include <cmath>

namespace ope {

void Proporzioni::registraProporzioni(QWidget* area, QSize progetto)
{
    tabella.clear();
    const double w = progetto.width() > 0 ? progetto.width() : 1;
    const double h = progetto.height() > 0 ? progetto.height() : 1;
    const auto controlli = area->findChildren<QWidget*>();
    tabella.reserve(controlli.size());
    for (QWidget* c : controlli) {
        const QRect g = c->geometry();
        tabella.push_back({c, g.width() / w, g.height() / h, g.y() / h, g.x() / w});
    }
}

void Proporzioni::applicaProporzioni(QSize nuova) const
{
    const double w = nuova.width();
    const double h = nuova.height();
    for (const Voce& v : tabella) {
        QWidget* c = v.controllo;
        if (!c || c->property(nonScalare).toBool())
            continue;
        const auto x = std::lround(w * v.sinistra);
        const auto y = std::lround(h * v.alto);
        const auto larga = std::lround(w * v.larghezza);
        const auto alta = std::lround(h * v.altezza);
        c->setGeometry(int(x), int(y), int(larga), int(alta));
    }
}

} // namespace ope
