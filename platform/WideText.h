// SPDX-License-Identifier: MIT

#pragma once

#ifdef _WIN32

#include <string>
#include <string_view>

// The program keeps its texts in UTF-8; Windows takes and gives UTF-16. Text
// that does not convert is left out.
namespace WideText {

std::wstring FromUtf8(std::string_view text);
std::string ToUtf8(std::wstring_view text);

}  // namespace WideText

#endif
