// SPDX-License-Identifier: MIT

#include "StartProgram.h"

#include "RuntimeError.h"
#include "SystemError.h"
#include "WideText.h"

#include <windows.h>

namespace platform {

void StartProgram(const std::wstring& program, const std::wstring& argument)
{
    const DWORD attributes = GetFileAttributesW(program.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw RuntimeError(RuntimeError::FileNotFound, "File not found");
    }
    // The program named as the application, so the system takes the file as
    // it is; the command line it sees starts with the path in quotes.
    std::wstring commandLine = L"\"" + program + L"\" " + argument;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        const DWORD error = GetLastError();
        const std::string path = WideText::ToUtf8(program);
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            throw RuntimeError(RuntimeError::FileNotFound, "File not found");
        }
        if (error == ERROR_ACCESS_DENIED) {
            throw RuntimeError(RuntimeError::PermissionDenied, "Permission denied: " + path);
        }
        throw RuntimeError(RuntimeError::InvalidArgument, "Can not start " + path + ": " + WindowsErrorText(error));
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace platform
