// SPDX-License-Identifier: MIT

#pragma once

#include "frmPallixExampleLayout.h"

#include <vector>
#include <windows.h>

// The stored layout made into Win32 controls. Frames, labels, text boxes and
// buttons become child windows of the window; lines and images have no
// window of their own and are drawn on the window's surface, under every
// child window, as the original's graphical controls were.
namespace frmPallixExampleControls {

using frmPallixExampleLayout::ControlId;

// One element of the layout as placed: its rectangle (for a line, its two
// end points as left/top and right/bottom) in client pixels.
struct Element {
    const frmPallixExampleLayout::Control* control = nullptr;
    HWND window = nullptr;  // null for lines and images
    RECT rect{};
};

// Child window identifiers: kFirstId plus the control's index; none is IDOK
// or IDCANCEL, so no button is the default or the cancel button.
inline constexpr int kFirstId = 100;
constexpr int ChildWindowId(ControlId id)
{
    return kFirstId + static_cast<int>(frmPallixExampleLayout::Index(id));
}
// The control a child window identifier stands for; Window for any other.
ControlId FromChildWindowId(int id);

// The system's own conversion from twips, at the screen's density; the
// window is not DPI-aware, so the system says 96 and scales it.
int TwipsToPixels(int twips, int dotsPerInch);

// The window's pictures, loaded from the program's bitmap resources, which
// are named as the layout names its pictures.
struct Pictures {
    HBITMAP adapter = nullptr;
    HBITMAP logo = nullptr;
    HBITMAP For(const char* picture) const;
};

// Creates every control inside `parent`, each in the system's default
// dialog font `font`; one element per control, indexed by its ID. Child
// windows follow the tab order (which is also the order a screen reader
// takes a text box's name from: the frame just before it), except where a
// later element would otherwise lie above an earlier one it overlaps.
// Images are exactly the size of their picture.
std::vector<Element> Create(HWND parent, HFONT font, const Pictures& pictures);

// Draws the lines, in the window-text colour, and the pictures, the later
// ones first so that the earlier lie above.
void PaintWindowless(HDC dc, const std::vector<Element>& elements, const Pictures& pictures);

// What lies under a client point of `parent`: the uppermost child window,
// else a picture, else the window itself (Window); lines are its surface.
ControlId ControlAt(HWND parent, const std::vector<Element>& elements, POINT point);

}  // namespace frmPallixExampleControls
