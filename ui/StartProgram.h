#pragma once

#include <QString>

namespace platform {

// Starts a program from one command line whose program path is not quoted
// and may contain blanks. As on the system the program comes from, longer and
// longer blank-separated beginnings of the line are tried until one names an
// existing executable file; the rest of the line after the next blank is the
// program's one argument. The program runs detached, without a shell.
// RuntimeError 53 when no beginning names a program file, RuntimeError 5
// (with the system's reason) when it cannot be started.
void StartProgram(const QString& commandLine);

}  // namespace platform
