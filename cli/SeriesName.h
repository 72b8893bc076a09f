// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

// A name that tells one reader's series apart from another's: 1 to 64
// characters of well-formed UTF-8, none of them a control character (C0, DEL,
// C1), so that every output format can carry it on one line.
bool IsSeriesName(std::string_view name);

// `text` safe to show on a terminal: each control character, and each byte
// that is not part of well-formed UTF-8, becomes '?'.
std::string Shown(std::string_view text);
