// SPDX-License-Identifier: MIT

#pragma once

#include <string>

namespace platform {

// Starts exactly the program file `program` names, with `argument` as its one
// argument, in a normal window, and does not wait for it. The path is never
// split at its blanks: no shorter beginning of it ("C:\Program.exe") is ever
// tried. RuntimeError 53 when no such file exists, 70 when it may not be
// run, 5 with the system's reason when it cannot be started.
void StartProgram(const std::wstring& program, const std::wstring& argument);

}  // namespace platform
