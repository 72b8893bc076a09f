// SPDX-License-Identifier: MIT

#include "PallixRead.h"

#ifdef _WIN32
#include "WideText.h"

#include <string>
#include <vector>

// Windows hands a program's narrow arguments over in the ANSI code page, which
// garbles a name or a path outside it: take them as UTF-16 and pass them on
// as UTF-8, the encoding the reader works in.
int wmain(int argc, wchar_t* argv[])
{
    std::vector<std::string> arguments;
    for (int at = 0; at < argc; ++at) {
        arguments.push_back(WideText::ToUtf8(argv[at]));
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
