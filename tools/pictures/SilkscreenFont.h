// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QStringView>

// A tiny bitmap font, five pixels high plus one row for descenders, as the
// white print on a circuit board looks in a small photo. It knows only the
// characters the board's legend needs.
namespace SilkscreenFont {

constexpr int kCapHeight = 5;

// Width in pixels of the text set in this font.
int TextWidth(QStringView text);

// Sets the text's pixels with its top-left corner at topLeft; pixels outside
// the image are skipped. Characters the font lacks are drawn as blanks.
void DrawText(QImage& image, QPoint topLeft, QStringView text, const QColor& colour);

}  // namespace SilkscreenFont
