// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace ope {

// One printed page; positions in twips from the printable origin, each text
// placed by the top-left corner of its line.
struct Pagina {
    QString titolo;   // the print job's name, which a shared queue shows
    struct Testo {
        double x;
        double y;
        QString font;
        double punti;
        bool grassetto;
        QString testo;
    };
    struct Immagine {
        double x;
        double y;
        QImage immagine;
    };
    std::vector<Testo> testi;
    std::vector<Immagine> immagini;
};

} // namespace ope
