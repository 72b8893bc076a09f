// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The first `count` characters of a text the driver wrote into `buffer`
// (`size` bytes, in the user's locale encoding), as UTF-8. The text ends at the
// first NUL byte or at the buffer's end; a count beyond that takes all of it,
// a count of 0 or below takes nothing. Bytes that do not decode become U+FFFD,
// control characters (line breaks among them) blanks.
std::string DriverTextPrefix(const char* buffer, std::size_t size, int32_t count);
