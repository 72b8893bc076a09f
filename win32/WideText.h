#pragma once

#include <string>
#include <string_view>

// The program keeps its texts in UTF-8; Windows takes and gives UTF-16.
namespace WideText {

std::wstring FromUtf8(std::string_view text);
std::string ToUtf8(std::wstring_view text);

}  // namespace WideText
