// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace platform {

// Starts a program from one command line whose program path is not quoted
// and may contain blanks. As on the system the program comes from, longer and
// longer blank-separated beginnings of the line are tried until one names an
// existing file that is not a folder: that is the program, and the rest of the
// line after the next blank is its one argument. It runs detached, without a
// shell. RuntimeError 53 when no beginning names a file, 70 when the file may
// not be run, 5 with the system's reason when it cannot be started.
void StartProgram(const QString& commandLine);

}  // namespace platform
