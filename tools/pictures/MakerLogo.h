// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

// The maker's logo at the top of the window: black lettering on white.
namespace MakerLogo {

constexpr int kWidth = 100;
constexpr int kHeight = 33;

// The logo in 16 colours (QImage::Format_Indexed8, 16-entry table).
// Needs a QGuiApplication for its fonts.
QImage Draw();

}  // namespace MakerLogo
