// SPDX-License-Identifier: MIT

#include "ProgramIcon.h"

#include <QPixmap>

QIcon ProgramIcon()
{
    QIcon icon;
    // Named as PNG, so that no image plug-in is looked for to tell the format.
    icon.addPixmap(QPixmap(QStringLiteral(":/pictures/icon-16.png"), "PNG"));
    icon.addPixmap(QPixmap(QStringLiteral(":/pictures/icon-32.png"), "PNG"));
    return icon;
}
