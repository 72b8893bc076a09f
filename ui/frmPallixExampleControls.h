// SPDX-License-Identifier: MIT

#pragma once

#include "frmPallixExampleLayout.h"

class QWidget;

namespace frmPallixExampleControls {

// Makes one control of the stored layout inside `container`, in pixels, with
// the toolkit's default font and colours.
QWidget* Create(const frmPallixExampleLayout::Control& control, QWidget* container);

}  // namespace frmPallixExampleControls
