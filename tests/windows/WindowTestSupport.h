// SPDX-License-Identifier: MIT

#pragma once

#include "frmPallixExampleWin32.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>
#include <windows.h>

using frmPallixExampleLayout::ControlId;

// A window as the program shows it: created, loaded and shown.
struct ShownWindow {
    explicit ShownWindow(basExampleFunctions adapter = basExampleFunctions())
        : form(std::move(adapter))
    {
        form.Form().Load();
        ShowWindow(form.Window(), SW_SHOWNORMAL);
    }
    HWND operator[](ControlId id) const { return form.Control(id); }
    frmPallixExampleWin32 form;
};

inline std::wstring TextOf(HWND window)
{
    wchar_t text[512] = {};
    SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

// The exit status the message loop was asked to end with; -1: none.
inline int QuitStatus()
{
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? static_cast<int>(message.wParam) : -1;
}

struct Box {
    std::wstring title, text;
    bool icon;
};

// The message boxes `action` shows on this thread, each read and answered by
// a thread of its own while the box holds this one.
template <typename Action>
std::vector<Box> BoxesWhile(Action action)
{
    std::vector<Box> seen;
    std::atomic<bool> done{false};
    std::thread watcher([&, thread = GetCurrentThreadId()] {
        for (HWND last = nullptr; !done; Sleep(20)) {
            HWND box = FindWindowW(L"#32770", nullptr);
            if (box == nullptr || box == last || GetWindowThreadProcessId(box, nullptr) != thread ||
                !IsWindowVisible(box)) {
                continue;
            }
            bool icon = false;  // a picture control showing an icon
            for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
                icon = icon || ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
                                SendMessageW(child, STM_GETICON, 0, 0) != 0);
            }
            seen.push_back({TextOf(box), TextOf(GetDlgItem(box, 0xFFFF)), icon});
            PostMessageW(last = box, WM_COMMAND, IDOK, 0);
        }
    });
    action();
    done = true;
    watcher.join();
    return seen;
}

// A stand-in browser (the argument recorder) copied to `path`.
inline void PlaceBrowser(const std::filesystem::path& path)
{
    std::filesystem::create_directories(path.parent_path());
    std::filesystem::copy_file(PALLIX_RECORDER, path, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(path.string() + ".out");
}

// What the stand-in browser at `program` recorded, once it has; the
// window's own messages go on meanwhile.
inline std::string Recorded(const std::filesystem::path& program)
{
    const std::filesystem::path out = program.string() + ".out";
    for (int wait = 0; wait < 500 && !std::filesystem::exists(out); ++wait) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(20);
    }
    return (std::stringstream() << std::ifstream(out).rdbuf()).str();
}
