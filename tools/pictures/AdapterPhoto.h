// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QPoint>
#include <QStringList>

#include <array>

// A photo-like picture of the adapter board's connector corner, shown in the
// window's wiring diagram.
namespace AdapterPhoto {

constexpr int kWidth = 94;
constexpr int kHeight = 122;

// Where the window's wiring diagram ends its lines on the photo, in photo
// pixels. The O1 and I1 lines touch the header's upper pin from above and its
// lower pin from below; the GND and VCC lines stop one pixel short of the left
// ends of the connector's second and third pins.
constexpr QPoint kO1LineEnd{8, 24};
constexpr QPoint kI1LineEnd{8, 40};
constexpr QPoint kGndLineEnd{24, 72};
constexpr QPoint kVccLineEnd{24, 80};

// The pins, placed to meet those line ends; Misfits() checks that they do.
constexpr int kHeaderPinTipX = 8;
constexpr int kHeaderUpperPinTop = 24;
constexpr int kHeaderLowerPinBottom = 40;
constexpr int kHeaderPinHeight = 5;
constexpr int kConnectorPinLeftX = 25;
constexpr std::array<int, 4> kConnectorPinCentresY{64, 72, 80, 88};
constexpr int kConnectorPinHeight = 3;

// The photo, 24-bit colour (QImage::Format_RGB888).
QImage Draw();

// What is wrong with the photo for the diagram: its size, or each line end
// that misses its pin. Empty when the photo fits.
QStringList Misfits(const QImage& photo);

}  // namespace AdapterPhoto
