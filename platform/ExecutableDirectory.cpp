// SPDX-License-Identifier: MIT

#include "ExecutableDirectory.h"

#ifdef _WIN32
#include "WideText.h"

#include <windows.h>
#else
#include <unistd.h>
#endif

#include <array>

std::string platform::ExecutableDirectory()
{
#ifdef _WIN32
    std::array<wchar_t, 32768> path{};
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    const std::string program = length > 0 && length < path.size() ? WideText::ToUtf8({path.data(), length}) : "";
    const std::size_t separator = program.find_last_of("\\/");
#else
    std::array<char, 4096> path{};
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    const std::string program(path.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
    const std::size_t separator = program.rfind('/');
#endif
    return separator == std::string::npos ? std::string() : program.substr(0, separator);
}
