// SPDX-License-Identifier: MIT

#include "SystemError.h"

#ifdef _WIN32
#include "WideText.h"

#include <windows.h>
#endif

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

std::string OneLine(std::string text, unsigned long code)
{
    text.erase(text.find_last_not_of("\r\n. ") + 1);
    return text.empty() ? "error " + std::to_string(code) : text;
}

}  // namespace

std::string ErrnoText(int error)
{
    return OneLine(std::strerror(error), static_cast<unsigned long>(error));
}

#ifdef _WIN32

std::string WindowsErrorText(unsigned long error)
{
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = length > 0 ? WideText::ToUtf8({text, length}) : "";
    LocalFree(text);
    return OneLine(std::move(message), error);
}

std::string LastErrorText()
{
    return WindowsErrorText(GetLastError());
}

#else

std::string LastErrorText()
{
    return ErrnoText(errno);
}

#endif

}  // namespace platform
