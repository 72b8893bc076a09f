// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

// The classic 16-colour VGA palette, in its usual order.
namespace Palette16 {

enum Index : int {
    Black,
    Maroon,
    Green,
    Olive,
    Navy,
    Purple,
    Teal,
    Silver,
    Grey,
    Red,
    Lime,
    Yellow,
    Blue,
    Fuchsia,
    Aqua,
    White
};

QList<QRgb> Colours();

// The same palette with Fuchsia replaced by full transparency, for the icons.
QList<QRgb> ColoursWithTransparency();

// Converts a picture drawn in 32-bit colour to 8-bit indexed colour with the
// given 16-entry table; every pixel takes the nearest entry, without dithering.
QImage ToIndexed(const QImage& picture, const QList<QRgb>& table);

}  // namespace Palette16
