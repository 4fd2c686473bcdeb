// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// Every colour of the program, each name one colour wherever it is used.
// Named after how they look; the keys of the exercise window after what they do.
namespace ope::colori {

inline const QColor nero(0, 0, 0);
inline const QColor bianco(255, 255, 255);
inline const QColor grigioScuro(60, 60, 60);
inline const QColor grigioFerro(64, 64, 64);
inline const QColor grigioChiaro(170, 170, 170);

inline const QColor bluVivo(0, 0, 255);
inline const QColor bluNotte(0, 0, 192);
inline const QColor bluInchiostro(20, 50, 140);
inline const QColor celestino(226, 240, 252);
inline const QColor azzurroChiaro(192, 255, 255);
inline const QColor acquamarina(128, 255, 255);
inline const QColor bluAnello(0, 70, 220);     // the keyboard focus ring

inline const QColor rossoVivo(255, 0, 0);
inline const QColor rossoScuro(192, 0, 0);
inline const QColor rossoMattone(200, 30, 30);
inline const QColor porpora(128, 0, 128);
inline const QColor fucsia(255, 128, 255);
inline const QColor rosaChiaro(255, 192, 255);
inline const QColor rosaSalmone(255, 192, 192);
inline const QColor rosaCorallo(255, 128, 128);

inline const QColor verdeVivo(0, 255, 0);
inline const QColor verdeBosco(30, 130, 60);

inline const QColor gialloChiaro(255, 255, 128);
inline const QColor gialloPallido(255, 255, 192);
inline const QColor avorio(255, 255, 224);
inline const QColor panna(255, 250, 225);
inline const QColor pesca(255, 224, 192);       // the option buttons' face
inline const QColor albicocca(255, 192, 128);   // an option button with the focus
inline const QColor arancio(214, 72, 16);
inline const QColor marrone(128, 64, 0);

inline const QColor tastoCifra(255, 224, 102);
inline const QColor tastoCancella(255, 192, 120);
inline const QColor tastoVerifica(140, 233, 154);
inline const QColor tastoAvanti(165, 216, 255);
inline const QColor tastoEsco(255, 168, 168);
inline const QColor tastoSpento(222, 226, 230);

} // namespace ope::colori
