// A stand-in browser: writes how many arguments it was given and each in
// brackets, one a line, to "<its own path>.out".
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

int wmain(int argc, wchar_t* argv[])
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring out = std::wstring(self) + L".out";
    {
        std::wofstream file(std::filesystem::path(out + L".tmp"));
        file << argc - 1 << L"\n";
        for (int i = 1; i < argc; ++i) {
            file << L"[" << argv[i] << L"]\n";
        }
    }
    return MoveFileExW((out + L".tmp").c_str(), out.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
