// SPDX-License-Identifier: MIT

// Starts PallixExample.exe and a minimal Win32 window alternately, N times
// each, and prints the median time from the start of the process until its
// first window is shown and it waits for input, and the median peak working
// set by then, with their ratios. Run under Wine (or on Windows).
//
//   startup_bench_win32 [--runs N] REFERENCE_PROGRAM PALLIXEXAMPLE
// clang-format off
#include "Median.h"

#include <windows.h>
#include <psapi.h>  // after windows.h, whose types it uses
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr DWORD kTimeoutMs = 30000;
constexpr double kAim = 1.3;

struct Subject {
    const wchar_t* label;
    std::wstring path;
    std::vector<double> startupMs;
    std::vector<double> peakMiB;
};

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The first visible top-level window of `process`; null while it has none.
HWND ShownWindow(DWORD process)
{
    Search search{process, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// One start: the time until the window shows and waits for input, and the
// peak working set by then; then the window is closed as a user closes it.
bool RunOnce(Subject& subject, bool record)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + subject.path + L"\"";
    LARGE_INTEGER frequency, start, shown;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(subject.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fwprintf(stderr, L"startup_bench_win32: cannot start %ls (error %lu)\n", subject.path.c_str(),
                      GetLastError());
        return false;
    }
    HWND window = nullptr;
    for (DWORD waited = 0; window == nullptr && waited < kTimeoutMs; ++waited) {
        window = ShownWindow(process.dwProcessId);
        if (window == nullptr) {
            Sleep(1);
        }
    }
    const bool idle = window != nullptr && WaitForInputIdle(process.hProcess, kTimeoutMs) == 0;
    QueryPerformanceCounter(&shown);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    if (window != nullptr) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!idle) {
        std::fwprintf(stderr, L"startup_bench_win32: %ls showed no window\n", subject.path.c_str());
        return false;
    }
    if (record) {
        subject.startupMs.push_back(1000.0 * static_cast<double>(shown.QuadPart - start.QuadPart) /
                                    static_cast<double>(frequency.QuadPart));
        subject.peakMiB.push_back(static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0));
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t* argv[])
{
    int runs = 15;
    std::vector<std::wstring> paths;
    for (int i = 1; i < argc; ++i) {
        if (std::wcscmp(argv[i], L"--runs") == 0 && i + 1 < argc) {
            runs = std::max(1, _wtoi(argv[++i]));
        } else {
            paths.emplace_back(argv[i]);
        }
    }
    if (paths.size() != 2) {
        std::fputs("usage: startup_bench_win32 [--runs N] REFERENCE_PROGRAM PALLIXEXAMPLE\n", stderr);
        return 2;
    }
    std::vector<Subject> subjects{{L"reference", paths[0], {}, {}}, {L"PallixExample", paths[1], {}, {}}};
    // One unrecorded start each first, so that both find the libraries cached.
    for (int i = -1; i < runs; ++i) {
        for (Subject& subject : subjects) {
            if (!RunOnce(subject, i >= 0)) {
                return 1;
            }
        }
    }
    std::printf("median of %d starts each, to the first shown window waiting for input:\n", runs);
    for (const Subject& subject : subjects) {
        std::printf("  %-14ls startup %8.1f ms   peak working set %7.1f MiB\n", subject.label,
                    Median(subject.startupMs), Median(subject.peakMiB));
    }
    const double timeRatio = Median(subjects[1].startupMs) / Median(subjects[0].startupMs);
    const double memoryRatio = Median(subjects[1].peakMiB) / Median(subjects[0].peakMiB);
    std::printf("ratio PallixExample/reference: startup %.2f, peak working set %.2f (aim at most %.1f each: %s)\n",
                timeRatio, memoryRatio, kAim, timeRatio <= kAim && memoryRatio <= kAim ? "met" : "not met");
    return 0;
}
