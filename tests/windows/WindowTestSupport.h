#pragma once

#include "frmPallixExample.h"
#include "frmPallixExampleControls.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

// A window as the program shows it: created, loaded and shown.
struct ShownWindow {
    ShownWindow()
    {
        form.Form_Load();
        ShowWindow(form.Window(), SW_SHOWNORMAL);
        SetForegroundWindow(form.Window());
        SetFocus(form.Control("cmdClose"));
    }
    HWND operator[](const char* name) const { return form.Control(name); }
    frmPallixExample form;
};

inline std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Where a child window stands in its parent's client area, in pixels.
inline RECT PlaceOf(HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The exit status the message loop would end with; -1 when none was asked for.
inline int QuitStatus()
{
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? static_cast<int>(message.wParam) : -1;
}

// Message boxes of this process, each read and then closed by a thread of
// its own while the box holds the window's thread.
class MessageBoxes {
public:
    struct Box {
        std::wstring title, text;
        bool icon;
    };
    MessageBoxes()
        : watcher_([this] { Watch(); })
    {
    }
    ~MessageBoxes()
    {
        stop_ = true;
        watcher_.join();
    }
    std::vector<Box> Seen()
    {
        stop_ = true;
        watcher_.join();
        watcher_ = std::thread([] {});
        return seen_;
    }

private:
    void Watch();
    std::vector<Box> seen_;
    std::atomic<bool> stop_{false};
    std::thread watcher_;
};

inline void MessageBoxes::Watch()
{
    std::vector<HWND> answered;
    while (!stop_) {
        HWND box = nullptr;
        while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr)) != nullptr) {
            DWORD process = 0;
            GetWindowThreadProcessId(box, &process);
            if (process != GetCurrentProcessId() || std::find(answered.begin(), answered.end(), box) != answered.end()) {
                continue;
            }
            bool icon = false;
            for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
                wchar_t name[16] = {};
                GetClassNameW(child, name, 16);
                const bool iconStyle = (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
                icon = icon || (lstrcmpiW(name, L"Static") == 0 && iconStyle && IsWindowVisible(child));
            }
            seen_.push_back({TextOf(box), TextOf(GetDlgItem(box, 0xFFFF)), icon});
            answered.push_back(box);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        Sleep(20);
    }
}
