// SPDX-License-Identifier: MIT

#include "Console.h"

#include "Sleep.h"
#include "SystemError.h"

#ifdef _WIN32
#include "WideText.h"

#include <io.h>
#include <windows.h>
#else
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <atomic>
#include <cerrno>
#include <cstdio>

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

std::string Write(std::FILE* stream, const std::string& text)
{
#ifdef _WIN32
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode) != 0) {
        // A console shows characters, whatever its code page.
        std::fflush(stream);
        const std::wstring wide = WideText::FromUtf8(text);
        DWORD written = 0;
        if (WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) == 0) {
            return LastErrorText();
        }
        return {};
    }
#endif
    errno = 0;
    const bool whole = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    if (std::fflush(stream) != 0 || !whole) {
        std::clearerr(stream);
        return errno != 0 ? ErrnoText(errno) : "the write failed";
    }
    return {};
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

#ifdef _WIN32

std::string WriteNewFile(const std::string& path, const std::string& content)
{
    const std::wstring name = WideText::FromUtf8(path);
    const HANDLE file =
        CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return LastErrorText();
    }
    DWORD written = 0;
    std::string reason;
    if (WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) == 0 ||
        written != content.size() || FlushFileBuffers(file) == 0) {
        reason = LastErrorText();
    }
    if (CloseHandle(file) == 0 && reason.empty()) {
        reason = LastErrorText();
    }
    if (!reason.empty()) {
        DeleteFileW(name.c_str());
    }
    return reason;
}

// A file that another program has open without sharing its deletion (as the
// C library's fopen opens it) cannot be replaced until it is closed: a
// reader of the file holds it only for a moment, so try again for a while.
std::string MoveReplacing(const std::string& from, const std::string& to)
{
    constexpr int kTries = 100;
    constexpr DWORD kPauseMilliseconds = 10;
    const std::wstring source = WideText::FromUtf8(from);
    const std::wstring target = WideText::FromUtf8(to);
    for (int tried = 1;; ++tried) {
        if (MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
            return "";
        }
        const DWORD error = GetLastError();
        if (tried == kTries || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)) {
            return WindowsErrorText(error);
        }
        ::Sleep(kPauseMilliseconds);
    }
}

bool IsDirectory(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(WideText::FromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

#else

std::string WriteNewFile(const std::string& path, const std::string& content)
{
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (file < 0) {
        return LastErrorText();
    }
    std::string reason;
    for (std::size_t done = 0; done < content.size() && reason.empty();) {
        const ssize_t written = write(file, content.data() + done, content.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
        } else if (written == 0 || errno != EINTR) {
            reason = LastErrorText();
        }
    }
    if (reason.empty() && fsync(file) != 0) {
        reason = LastErrorText();
    }
    if (close(file) != 0 && reason.empty()) {
        reason = LastErrorText();
    }
    if (!reason.empty()) {
        unlink(path.c_str());
    }
    return reason;
}

std::string MoveReplacing(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0 ? "" : LastErrorText();
}

bool IsDirectory(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

#endif

}  // namespace platform
