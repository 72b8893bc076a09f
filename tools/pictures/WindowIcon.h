#pragma once

#include <QImage>

// The window's icon, also the program's own, in its two sizes. Both are
// 16 colours (QImage::Format_Indexed8, 16-entry table with one transparent
// entry).
namespace WindowIcon {

QImage Draw32();
QImage Draw16();

}  // namespace WindowIcon
