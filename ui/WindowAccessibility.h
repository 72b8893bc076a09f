// SPDX-License-Identifier: MIT

#pragma once

#include "frmPallixExampleLayout.h"

#include <array>

class QWidget;

// What assistive technology (a screen reader) is told about the window: the
// role, name and description each control's row gives, and the unit tied to
// the temperature box. None of it changes what the window looks like, its
// tab order or its access keys.
namespace WindowAccessibility {

// Names and descriptions for the controls of a window just made, by ID.
void Describe(const std::array<QWidget*, frmPallixExampleLayout::kControlCount>& controls);

}  // namespace WindowAccessibility
