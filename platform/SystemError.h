// SPDX-License-Identifier: MIT

#pragma once

#include <string>

namespace platform {

// The system's explanation of a failure, as UTF-8 on one line without a
// final full stop: for an errno value, and on Windows for a GetLastError()
// code. A code the system does not know reads "error N".
std::string ErrnoText(int error);
#ifdef _WIN32
std::string WindowsErrorText(unsigned long error);
#endif

// The explanation of the last failure of a system call: GetLastError() on
// Windows, errno elsewhere.
std::string LastErrorText();

}  // namespace platform
