// SPDX-License-Identifier: MIT

#pragma once

#include "frmPallixExampleLayout.h"

#include <windows.h>

// What a screen reader is told of the window and its controls: each
// control's name, role and description from its row of the layout, the
// pictures (drawn by the window, with no window of their own) as child
// elements of the window, and the link's one action, its click. What the
// system knows better (states, places, values, the buttons' presses) comes
// from its standard objects, which ours wrap.
namespace Accessible {

// The answer to WM_GETOBJECT sent to the window (`self` Window) or to the
// child window of its control `self`: for OBJID_CLIENT the program's own
// object; 0 for anything else, which the system then answers.
LRESULT Answer(HWND window, frmPallixExampleLayout::ControlId self, WPARAM wParam, LPARAM lParam);

}  // namespace Accessible
