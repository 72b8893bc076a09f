// SPDX-License-Identifier: MIT

#include "WideText.h"
#include "WindowTexts.h"
#include "frmPallixExampleWin32.h"

#include <commctrl.h>
#include <exception>
#include <optional>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    std::optional<frmPallixExampleWin32> window;
    try {
        window.emplace();
    } catch (const std::exception& error) {
        MessageBoxW(nullptr, WideText::FromUtf8(error.what()).c_str(),
                    WideText::FromUtf8(WindowTexts::kApplicationTitle).c_str(), MB_OK | MB_ICONERROR);
        return frmPallixExample::kUntrappedErrorStatus;
    }
    window->Form().Load();
    ShowWindow(window->Window(), show);
    UpdateWindow(window->Window());
    return window->RunMessageLoop();
}
