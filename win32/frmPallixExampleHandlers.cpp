// The window's event handlers and the web link's mouse rules.
#include "EventBoundary.h"
#include "Maker.h"
#include "ReadCommand.h"
#include "RuntimeError.h"
#include "StartProgram.h"
#include "WideText.h"
#include "WindowTexts.h"
#include "frmPallixExample.h"

#include <array>
#include <commctrl.h>
#include <windowsx.h>

namespace {

constexpr const wchar_t* kBrowserPath = L"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";
constexpr int kHandPointer = 99;

// The decimal separator of the Windows user's own settings, as UTF-8.
std::string UserDecimalSeparator()
{
    std::array<wchar_t, 8> separator{};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(), static_cast<int>(separator.size())) <=
        0) {
        return ".";
    }
    return WideText::ToUtf8(separator.data());
}

}  // namespace

void frmPallixExample::Form_Load()
{
    adapter_.bDriverReady = false;
    lLinkColor = RGB(0, 0, 255);
    SetLinkColour();
    SetWindowTextW(window_, WideText::FromUtf8(WindowTexts::kApplicationTitle).c_str());
    sBrowserPath = kBrowserPath;
}

void frmPallixExample::cmdReadTemp_Click()
{
    const ReadCommandResult result = RunReadCommand(adapter_, UserDecimalSeparator());
    if (result.temperature) {
        // Set only when it changes, so a selection in the box survives an equal reading.
        const std::wstring temperature = WideText::FromUtf8(*result.temperature);
        std::array<wchar_t, 64> shown{};
        GetWindowTextW(Control("txtTemperatur"), shown.data(), static_cast<int>(shown.size()));
        if (temperature != shown.data()) {
            SetWindowTextW(Control("txtTemperatur"), temperature.c_str());
        }
    }
    // The box shows the log's CR LF line ends as they are.
    SetWindowTextW(Control("txtOutput"), WideText::FromUtf8(result.statusLog).c_str());
}

void frmPallixExample::cmdClose_Click()
{
    DestroyWindow(window_);
}

void frmPallixExample::SetLinkColour()
{
    InvalidateRect(Control("lblUrl"), nullptr, TRUE);
}

void frmPallixExample::UpdateWebLink(bool bOver)
{
    SetLinkColour();
    HWND link = Control("lblUrl");
    HFONT font = bOver ? underlinedFont_ : font_;
    if (reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)) != font) {
        SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    mousePointer_ = bOver ? kHandPointer : 0;
    ApplyPointer();
}

void frmPallixExample::lblUrl_MouseMove()
{
    UpdateWebLink(true);
}

void frmPallixExample::Form_MouseMove()
{
    UpdateWebLink(false);
}

void frmPallixExample::lblUrl_Click()
{
    try {
        platform::StartProgram(sBrowserPath, WideText::FromUtf8(Maker::kWebAddress));
    } catch (...) {
        const RuntimeError error = RuntimeError::From(std::current_exception());
        if (error.number() == RuntimeError::FileNotFound) {
            return;
        }
        MessageBoxW(window_, WideText::FromUtf8(error.description()).c_str(),
                    WideText::FromUtf8(WindowTexts::kApplicationTitle).c_str(), MB_OK);
    }
}

// The window's own surface: what no control covers, neither a child window
// nor a picture.
bool frmPallixExample::IsOwnSurface(POINT point) const
{
    if (ChildWindowFromPointEx(window_, point, CWP_SKIPINVISIBLE) != window_) {
        return false;
    }
    for (const auto& element : elements_) {
        if (element.control->type == frmPallixExampleLayout::ControlType::Image && PtInRect(&element.rect, point)) {
            return false;
        }
    }
    return true;
}

// The window's pointer shows over its surface and over what stands directly
// on it with no window of the system's making (the link, the maker's name
// and logo); frames, what they hold, buttons and text boxes keep their own.
bool frmPallixExample::ShowsWindowPointer(HWND under, POINT point) const
{
    if (under == window_) {
        under = ChildWindowFromPointEx(window_, point, CWP_SKIPINVISIBLE);
    }
    return under == window_ || under == Control("lblUrl") || under == Control("lblMiral");
}

bool frmPallixExample::OnSetCursor(HWND under, int hitTest)
{
    POINT point;
    if (hitTest != HTCLIENT || mousePointer_ != kHandPointer || !GetCursorPos(&point)) {
        return false;
    }
    ScreenToClient(window_, &point);
    if (!ShowsWindowPointer(under, point)) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

// A new pointer style shows at once where the pointer is, not only at its next move.
void frmPallixExample::ApplyPointer()
{
    POINT point;
    if (!GetCursorPos(&point)) {
        return;
    }
    HWND under = WindowFromPoint(point);
    ScreenToClient(window_, &point);
    if ((under == window_ || GetParent(under) == window_) && ShowsWindowPointer(under, point)) {
        SetCursor(LoadCursorW(nullptr, mousePointer_ == kHandPointer ? IDC_HAND : IDC_ARROW));
    }
}

LRESULT CALLBACK frmPallixExample::LinkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR data)
{
    auto* self = reinterpret_cast<frmPallixExample*>(data);
    switch (message) {
    case WM_MOUSEMOVE:
        self->Handle(&frmPallixExample::lblUrl_MouseMove);
        break;
    case WM_LBUTTONDOWN:
        self->linkPressed_ = true;
        SetCapture(link);
        break;
    case WM_LBUTTONUP:
        // A click: pressed and released over the link. The second press of
        // a double click makes no second click.
        if (self->linkPressed_) {
            self->linkPressed_ = false;
            ReleaseCapture();
            RECT area;
            GetClientRect(link, &area);
            if (PtInRect(&area, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
                self->Handle(&frmPallixExample::lblUrl_Click);
            }
        }
        break;
    case WM_CAPTURECHANGED:
        self->linkPressed_ = false;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(link, LinkProc, 1);
        break;
    default:
        break;
    }
    return DefSubclassProc(link, message, wParam, lParam);
}

// Tab leaves the status box as it leaves every other control.
LRESULT CALLBACK frmPallixExample::StatusBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                 DWORD_PTR)
{
    if (message == WM_GETDLGCODE) {
        return DefSubclassProc(box, message, wParam, lParam) & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(box, StatusBoxProc, 1);
    }
    return DefSubclassProc(box, message, wParam, lParam);
}
