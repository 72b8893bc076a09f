#include "Console.h"

#include "Sleep.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>

namespace platform {
namespace {

constexpr int kInterrupt = 2;  // SIGINT's number, and what Ctrl+C and Ctrl+Break stand for on Windows
std::atomic<int> caught{0};    // the signal caught, 0 while none

#ifdef _WIN32

HANDLE wakeUp = nullptr;  // set by the handler, so that a wait ends at once

BOOL WINAPI Catch(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) {
        return FALSE;  // closing the console or logging off: the system's own way
    }
    caught = kInterrupt;
    SetEvent(wakeUp);
    return TRUE;
}

void WaitForWakeUp(std::chrono::nanoseconds left)
{
    WaitForSingleObject(wakeUp, static_cast<DWORD>(std::chrono::ceil<std::chrono::milliseconds>(left).count()));
}

#else

int wakeUp[2] = {-1, -1};  // the handler writes a byte, so that a wait ends at once

void Catch(int signal)
{
    caught = signal;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = write(wakeUp[1], &byte, 1);
}

void WaitForWakeUp(std::chrono::nanoseconds left)
{
    const auto wholeSeconds = std::chrono::duration_cast<std::chrono::seconds>(left);
    const timespec timeout{static_cast<time_t>(wholeSeconds.count()), static_cast<long>((left - wholeSeconds).count())};
    pollfd wake{wakeUp[0], POLLIN, 0};
    ppoll(&wake, 1, &timeout, nullptr);
}

#endif

}  // namespace

void Write(std::FILE* stream, const std::string& text)
{
#ifdef _WIN32
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
#endif
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

void CatchInterrupts()
{
#ifdef _WIN32
    wakeUp = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(Catch, TRUE);
#else
    if (pipe2(wakeUp, O_CLOEXEC | O_NONBLOCK) != 0) {
        wakeUp[0] = wakeUp[1] = -1;  // waits then end only at their deadline
    }
    struct sigaction action {};
    action.sa_handler = Catch;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
#endif
}

int InterruptStatus()
{
    return caught == 0 ? 0 : 128 + caught;
}

void WaitUnlessInterrupted(std::chrono::nanoseconds duration)
{
    const auto deadline = Now() + duration;
    for (auto left = duration; caught == 0 && left > left.zero(); left = deadline - Now()) {
        if (!PassOnReplacedClock(left)) {
            WaitForWakeUp(left);
        }
    }
}

}  // namespace platform
