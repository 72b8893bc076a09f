#include "ProgramIcon.h"

QIcon ProgramIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/pictures/icon-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/pictures/icon-32.png"), QSize(32, 32));
    return icon;
}
