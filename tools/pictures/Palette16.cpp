// SPDX-License-Identifier: MIT

#include "Palette16.h"

namespace Palette16 {

QList<QRgb> Colours()
{
    return {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
}

QList<QRgb> ColoursWithTransparency()
{
    QList<QRgb> table = Colours();
    table[Fuchsia] = qRgba(0, 0, 0, 0);
    return table;
}

QImage ToIndexed(const QImage& picture, const QList<QRgb>& table)
{
    return picture.convertToFormat(QImage::Format_Indexed8, table,
                                   Qt::ThresholdDither | Qt::ThresholdAlphaDither | Qt::AvoidDither);
}

}  // namespace Palette16
