// SPDX-License-Identifier: MIT

#pragma once

#include <string>

namespace platform {

// The directory of the running program, without a final separator; empty
// when the system does not say.
std::string ExecutableDirectory();

}  // namespace platform
