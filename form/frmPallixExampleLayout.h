#pragma once

#include <span>

// The window's stored layout, for every front end: each control in the order
// the window holds it (earlier ones lie above later ones), positions in twips
// as designed. No toolkit type appears here.
namespace frmPallixExampleLayout {

// A link is a label that reports mouse moves and clicks.
enum class ControlType { Frame, Line, Label, Link, TextBox, MultiLineTextBox, CommandButton, Image };

// Where a label's or a text box's text stands; None for controls without text.
enum class TextAlignment { None, Left, Right };

inline constexpr int kNoTabIndex = -1;

struct Control {
    ControlType type;
    const char* name;
    const char* container;         // the frame it stands in; nullptr for the client area
    const char* caption;           // the text (UTF-8); for an image, its picture's name
    int left, top, width, height;  // a line's X1, Y1, X2, Y2
    int tabIndex;                  // kNoTabIndex for lines and images
    TextAlignment alignment;
};

inline constexpr int kClientWidth = 7425;
inline constexpr int kClientHeight = 6375;

std::span<const Control> Controls();

// The control of that name; nullptr when the layout has none.
const Control* Find(const char* name);

// The control as both windows show it. The stored temperature box was wide
// enough for "25.0625" in the dialog font of its day, but neither for "No
// value" nor for "-255.9375" in today's faces (Qt's, and the one Windows and
// Wine now draw the dialog font in): it grows to the left by 240 twips,
// keeping its right edge next to "°C". Every other control as stored.
inline constexpr int kTemperatureBoxWidening = 240;
Control AsShown(const Control& control);

// The pictures by name: each front end keeps them in its own form (PNG
// files, bitmap resources) under these names.
inline constexpr const char* kAdapterPicture = "adapter";
inline constexpr const char* kLogoPicture = "logo";
inline constexpr const char* kIconPicture = "icon";

// Design units at 96 dots per inch. A front end whose system converts twips
// itself (Win32, for the screen's real density) uses its own conversion.
inline constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

}  // namespace frmPallixExampleLayout
