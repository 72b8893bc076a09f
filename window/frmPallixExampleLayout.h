// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <span>
#include <string>

// The window's stored layout, for every front end: each control in the order
// the window holds it (earlier ones lie above later ones), positions in twips
// as designed, and how each one looks and behaves where front ends could
// otherwise differ. No toolkit type appears here.
namespace frmPallixExampleLayout {

// Every control by the name the example gives it, in the table's order: the
// ID is the control's index in Controls().
enum class ControlId : std::size_t {
    frLayout,
    Line3,
    Label1,
    lblO1,
    lblS0,
    lblI1,
    Line14,
    lblGnd2,
    lbl5v,
    Label4,
    lblClk,
    Line13,
    Line12,
    Line11,
    Line10,
    lblGnd,
    lblVcc,
    Line9,
    lblO2,
    Line8,
    Line7,
    Line6,
    Image1,
    Line1,
    frOutput,
    txtOutput,
    frReadTemp,
    cmdReadTemp,
    txtTemperatur,
    lblC,
    cmdClose,
    lblUrl,
    lblMiral,
    imgMiral,
    // Not a control: what holds the top-level ones.
    Window
};
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(ControlId::Window);

// A link is a label that reports mouse moves and clicks.
enum class ControlType { Frame, Line, Label, Link, TextBox, MultiLineTextBox, CommandButton, Image };

// Where a label's or a text box's text stands; None for controls without text.
enum class TextAlignment { None, Left, Right };

// What a screen reader is told a control is.
enum class AccessibleRole { None, Grouping, StaticText, Link, EditableText, PushButton, Graphic };

inline constexpr int kNoTabIndex = -1;

struct Control {
    ControlId id;
    ControlType type;
    const char* name;              // the object name probes and tests find it by
    ControlId container;           // the frame it stands in, or Window
    const char* caption;           // the text (UTF-8); for an image, its picture's name
    int left, top, width, height;  // a line's X1, Y1, X2, Y2
    int tabIndex;                  // kNoTabIndex for lines and images
    TextAlignment alignment;
    // How far the control as shown grows to the left of its stored place,
    // keeping its right edge.
    int widening;
    // Grows to the width its caption needs in the window's face, where the
    // stored width is too narrow for it.
    bool fitsText;
    // Only these take the keyboard focus, in tabIndex order.
    bool takesFocus;
    // Drawn by the window itself rather than by a window of the system's:
    // the window's own pointer shows over it.
    bool showsWindowPointer;
    // Part of the window's own surface: a mouse move over it is a move over
    // the window (the diagram's lines, which report no events).
    bool isSurface;
    AccessibleRole role;
    const char* accessibleName;  // nullptr: the caption without "&" and trailing blanks
    const char* accessibleDescription;
    // The control this one names for a screen reader (the unit beside the
    // temperature box), or Window for none.
    ControlId labelFor = ControlId::Window;
};

inline constexpr int kClientWidth = 7425;
inline constexpr int kClientHeight = 6375;

std::span<const Control> Controls();

constexpr std::size_t Index(ControlId id)
{
    return static_cast<std::size_t>(id);
}
const Control& Get(ControlId id);

// The control as both windows show it: widened where its row says so.
Control AsShown(const Control& control);

// What a screen reader calls the control.
std::string AccessibleName(const Control& control);

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
