#include "EventBoundary.h"
#include "frmPallixExampleWin32.h"

#include <commctrl.h>
#include <optional>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    std::optional<frmPallixExampleWin32> window;
    if (!EventBoundary::Run([&window] {
            window.emplace();
            window->Form_Load();
        })) {
        return EventBoundary::kExitStatus;
    }
    ShowWindow(window->Window(), show);
    UpdateWindow(window->Window());
    return EventBoundary::RunMessageLoop(window->Window());
}
