#pragma once

#include <Qt>

#include <span>

// The window's stored layout: every control in the order the window holds it
// (earlier ones lie above later ones), positions in twips as designed.
namespace frmPallixExampleLayout {

// A link is a label that reports mouse moves and clicks.
enum class ControlType { Frame, Line, Label, Link, TextBox, MultiLineTextBox, CommandButton, Image };

inline constexpr int kNoTabIndex = -1;

struct Control {
    ControlType type;
    const char* name;
    const char* container;         // the frame it stands in; nullptr for the client area
    const char* caption;           // the text; for an image, its picture's resource path
    int left, top, width, height;  // a line's X1, Y1, X2, Y2
    int tabIndex;                  // kNoTabIndex for lines and images
    Qt::Alignment alignment;       // of the text in labels and text boxes
};

inline constexpr int kClientWidth = 7425;
inline constexpr int kClientHeight = 6375;

std::span<const Control> Controls();

// The one conversion from design units to pixels (96 dots per inch; Qt
// scales for high-density screens).
inline constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

}  // namespace frmPallixExampleLayout
