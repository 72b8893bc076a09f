#include "EventBoundary.h"

#include "RuntimeError.h"
#include "WideText.h"
#include "WindowTexts.h"

#include <cstdio>
#include <windows.h>

namespace EventBoundary {

void ReportUntrapped(const std::exception_ptr& exception) noexcept
{
    try {
        const RuntimeError error = RuntimeError::From(exception);
        const std::wstring text =
            WideText::FromUtf8(WindowTexts::RunTimeErrorReport(error.number(), error.description()));
        const std::wstring title = WideText::FromUtf8(WindowTexts::kApplicationTitle);
        MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
    } catch (...) {
        std::fputs("PallixExample: an untrapped run-time error ended the program\n", stderr);
    }
    PostQuitMessage(kExitStatus);
}

int RunMessageLoop(void* window)
{
    MSG message{};
    BOOL got = 0;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (!IsDialogMessageW(static_cast<HWND>(window), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return got == 0 ? static_cast<int>(message.wParam) : kExitStatus;
}

}  // namespace EventBoundary
