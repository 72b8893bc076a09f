#pragma once

#include <QImage>

// The maker's logo at the top of the window: black lettering on white.
namespace MakerLogo {

constexpr int width = 100;
constexpr int height = 33;

// The logo in 16 colours (QImage::Format_Indexed8, 16-entry table).
// Needs a QGuiApplication for its fonts.
QImage Draw();

}  // namespace MakerLogo
