#pragma once

#include "frmPallixExampleLayout.h"

class QWidget;

namespace frmPallixExampleControls {

// Each control keeps its designed tab index in this property (labels and
// frames too, although they never take the focus).
inline constexpr const char* kTabIndexProperty = "TabIndex";

// Makes one control of the stored layout inside `container`, in pixels, with
// the toolkit's default font and colours.
QWidget* Create(const frmPallixExampleLayout::Control& control, QWidget* container);

}  // namespace frmPallixExampleControls
