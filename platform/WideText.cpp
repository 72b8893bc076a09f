// SPDX-License-Identifier: MIT

#ifdef _WIN32

#include "WideText.h"

#include <algorithm>
#include <windows.h>

namespace WideText {
namespace {

std::wstring Widen(UINT codePage, std::string_view text)
{
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                           static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(std::max(length, 0)));
    return wide;
}

}  // namespace

std::wstring FromUtf8(std::string_view text)
{
    return Widen(CP_UTF8, text);
}

std::string ToUtf8(std::wstring_view text)
{
    std::string narrow(text.size() * 3, '\0');
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                                           static_cast<int>(narrow.size()), nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(std::max(length, 0)));
    return narrow;
}

}  // namespace WideText

#endif
