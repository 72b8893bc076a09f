#pragma once

#include "frmPallixExample.h"

#include <atomic>
#include <string>
#include <thread>
#include <utility>
#include <vector>
#include <windows.h>

// A window as the program shows it: created, loaded and shown.
struct ShownWindow {
    explicit ShownWindow(Pallix400 driver = Pallix400())
        : form(std::move(driver))
    {
        form.Form_Load();
        ShowWindow(form.Window(), SW_SHOWNORMAL);
    }
    HWND operator[](const char* name) const { return form.Control(name); }
    frmPallixExample form;
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

// The message boxes `action` shows, each read and answered by a thread of
// its own while the box holds this one.
template <typename Action>
std::vector<Box> BoxesWhile(Action action)
{
    std::vector<Box> seen;
    std::atomic<bool> done{false};
    std::thread watcher([&] {
        for (HWND last = nullptr; !done; Sleep(20)) {
            HWND box = FindWindowW(L"#32770", nullptr);
            DWORD process = 0;
            GetWindowThreadProcessId(box, &process);
            if (box == nullptr || box == last || process != GetCurrentProcessId()) {
                continue;
            }
            bool icon = false;
            for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
                wchar_t name[8] = {};
                GetClassNameW(child, name, 8);
                const bool iconStyle = (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
                icon = icon || (lstrcmpiW(name, L"Static") == 0 && iconStyle && IsWindowVisible(child));
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
