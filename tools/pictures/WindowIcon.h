// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

#include <array>

// The window's icon, also the program's own. Every size is 16 colours
// (QImage::Format_Indexed8, 16-entry table with one transparent entry).
namespace WindowIcon {

constexpr std::array<int, 6> kSizes{16, 32, 48, 64, 128, 256};

// The icon size x size pixels large; a null image for a size not in kSizes.
QImage Draw(int size);

}  // namespace WindowIcon
