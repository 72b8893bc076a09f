// SPDX-License-Identifier: MIT

// The smallest Win32 program with a window like PallixExample's: a 495 x 425
// pixel client area, one label and one button, in the dialog font. The
// Win32 start-up benchmark measures PallixExample.exe against it.
#include <initializer_list>
#include <tuple>
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"StartupReference";
    RegisterClassW(&windowClass);
    RECT frame{0, 0, 495, 425};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND window =
        CreateWindowExW(0, windowClass.lpszClassName, L"Reference", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (const auto& [className, text, top] :
         {std::tuple{L"STATIC", L"Label", 16}, std::tuple{L"BUTTON", L"&Button", 48}}) {
        HWND child = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE, 16, top, 80, 25, window, nullptr,
                                     instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
