// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <cmath>

namespace ope {

// Design geometry is in twips; the screen has 15 twips per pixel before Qt's
// own high-dpi scaling.
constexpr double twipPerPixel = 15.0;

inline int pixel(double twips) { return static_cast<int>(std::lround(twips / twipPerPixel)); }
inline double twips(int pixel) { return pixel * twipPerPixel; }

inline QRect rettangolo(double left, double top, double width, double height)
{
    return QRect(pixel(left), pixel(top), pixel(width), pixel(height));
}

} // namespace ope
