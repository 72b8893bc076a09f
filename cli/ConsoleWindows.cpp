#include "Console.h"

#include <atomic>
#include <io.h>
#include <windows.h>

namespace platform {
namespace {

std::atomic<int> caught{0};
HANDLE wakeUp = nullptr;  // set by the handler, so that a wait ends at once

BOOL WINAPI Catch(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) {
        return FALSE;  // closing the console or logging off: the system's own way
    }
    caught = 2;  // as SIGINT on Linux
    SetEvent(wakeUp);
    return TRUE;
}

}  // namespace

void Write(std::FILE* stream, const std::string& text)
{
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode) != 0) {
        // A console shows characters, whatever its code page.
        std::fflush(stream);
        std::wstring wide(text.size(), L'\0');
        const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                               static_cast<int>(wide.size()));
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(std::max(length, 0)), &written, nullptr);
        return;
    }
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

void CatchInterrupts()
{
    wakeUp = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(Catch, TRUE);
}

int InterruptStatus()
{
    return caught == 0 ? 0 : 128 + caught;
}

void WaitUnlessInterrupted(std::chrono::nanoseconds duration)
{
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + duration;
    for (auto left = duration; caught == 0 && left > 0ns; left = deadline - steady_clock::now()) {
        WaitForSingleObject(wakeUp, static_cast<DWORD>(ceil<milliseconds>(left).count()));
    }
}

}  // namespace platform
