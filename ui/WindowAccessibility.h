#pragma once

class QWidget;

// What assistive technology (a screen reader) is told about the window: a
// role and a name for every control but the diagram's lines, a description of
// the pictures and of the wiring, the unit tied to the temperature box. None
// of it changes what the window looks like, its tab order or its access keys.
namespace WindowAccessibility {

// Names and descriptions for the controls of a window just made.
void Describe(QWidget* window);

}  // namespace WindowAccessibility
