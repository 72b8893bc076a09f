// SPDX-License-Identifier: MIT

#pragma once

#include <QIcon>

// The program's icon, 16 x 16 and 32 x 32, for the window and the desktop.
QIcon ProgramIcon();
