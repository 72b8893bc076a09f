#pragma once

#include <QImage>
#include <QPoint>
#include <QStringList>

#include <array>

// A photo-like picture of the adapter board's connector corner, shown in the
// window's wiring diagram.
namespace AdapterPhoto {

constexpr int width = 94;
constexpr int height = 122;

// Where the window's wiring diagram ends its lines on the photo, in photo
// pixels. The O1 and I1 lines touch the header's upper pin from above and its
// lower pin from below; the GND and VCC lines stop one pixel short of the left
// ends of the connector's second and third pins.
constexpr QPoint o1LineEnd{8, 24};
constexpr QPoint i1LineEnd{8, 40};
constexpr QPoint gndLineEnd{24, 72};
constexpr QPoint vccLineEnd{24, 80};

// The pins, placed to meet those line ends; Misfits() checks that they do.
constexpr int headerPinTipX = 8;
constexpr int headerUpperPinTop = 24;
constexpr int headerLowerPinBottom = 40;
constexpr int headerPinHeight = 5;
constexpr int connectorPinLeftX = 25;
constexpr std::array<int, 4> connectorPinCentresY{64, 72, 80, 88};
constexpr int connectorPinHeight = 3;

// The photo, 24-bit colour (QImage::Format_RGB888).
QImage Draw();

// What is wrong with the photo for the diagram: its size, or each line end
// that misses its pin. Empty when the photo fits.
QStringList Misfits(const QImage& photo);

}  // namespace AdapterPhoto
