// SPDX-License-Identifier: MIT

// A stand-in browser: writes its argument count and each argument in
// brackets, one a line, to "<its own path>.out", whole or not at all.
#include <cstdio>
#include <string>
#include <windows.h>

int wmain(int argc, wchar_t* argv[])
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring out = std::wstring(self) + L".out";
    FILE* file = _wfopen((out + L".tmp").c_str(), L"w");
    std::fprintf(file, "%d\n", argc - 1);
    for (int i = 1; i < argc; ++i) {
        std::fprintf(file, "[%ls]\n", argv[i]);
    }
    std::fclose(file);
    return MoveFileExW((out + L".tmp").c_str(), out.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
