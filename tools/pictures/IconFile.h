// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QList>

class QImage;

// A Windows icon file (.ico) holding the given images, each as a 32-bit
// bitmap with its transparency in the alpha channel and in the mask, which
// every Windows version since XP draws as it is.
namespace IconFile {

QByteArray Encode(const QList<QImage>& images);

}  // namespace IconFile
