#include "PallixRead.h"

#ifdef _WIN32
#include <string>
#include <vector>
#include <windows.h>

// Windows hands a program's narrow arguments over in the ANSI code page, which
// garbles a name or a path outside it: take them as UTF-16 and pass them on
// as UTF-8, the encoding the reader works in.
int wmain(int argc, wchar_t* argv[])
{
    std::vector<std::string> arguments;
    for (int at = 0; at < argc; ++at) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, argv[at], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
        WideCharToMultiByte(CP_UTF8, 0, argv[at], -1, argument.data(), size, nullptr, nullptr);
        argument.resize(argument.size() - 1);  // the terminator
        arguments.push_back(std::move(argument));
    }
    std::vector<char*> utf8;
    for (std::string& argument : arguments) {
        utf8.push_back(argument.data());
    }
    utf8.push_back(nullptr);
    return RunPallixRead(argc, utf8.data());
}
#else
int main(int argc, char* argv[])
{
    return RunPallixRead(argc, argv);
}
#endif
