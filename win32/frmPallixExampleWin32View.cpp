// SPDX-License-Identifier: MIT

// What the window's behaviour asks of the Win32 window, carried out.
#include "StartProgram.h"
#include "WideText.h"
#include "WindowTexts.h"
#include "frmPallixExampleWin32.h"

#include <array>
#include <windowsx.h>

using frmPallixExampleLayout::ControlId;
using frmPallixExampleLayout::ControlType;

std::string frmPallixExampleWin32::Text(ControlId control) const
{
    HWND window = Control(control);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return WideText::ToUtf8(text);
}

// The status box shows the log's CR LF line ends as they are.
void frmPallixExampleWin32::SetText(ControlId control, const std::string& text)
{
    SetWindowTextW(Control(control), WideText::FromUtf8(text).c_str());
}

void frmPallixExampleWin32::SetTextColour(ControlId control, std::uint32_t colour)
{
    textColours_.at(frmPallixExampleLayout::Index(control)) = colour;  // 0x00BBGGRR, as COLORREF
    InvalidateRect(Control(control), nullptr, TRUE);
}

LRESULT frmPallixExampleWin32::OnControlColour(HDC dc, HWND control)
{
    const ControlId id = frmPallixExampleControls::FromChildWindowId(GetDlgCtrlID(control));
    const ControlType type = id == ControlId::Window ? ControlType::Label : frmPallixExampleLayout::Get(id).type;
    // The read-only boxes keep the window colours rather than the dialog's.
    const bool box = type == ControlType::TextBox || type == ControlType::MultiLineTextBox;
    const int background = box ? COLOR_WINDOW : COLOR_BTNFACE;
    const auto own = id == ControlId::Window ? std::nullopt : textColours_.at(frmPallixExampleLayout::Index(id));
    SetTextColor(dc, own.value_or(GetSysColor(box ? COLOR_WINDOWTEXT : COLOR_BTNTEXT)));
    SetBkColor(dc, GetSysColor(background));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

// A click: pressed and released over the link. The second press of a
// double click makes no second click.
void frmPallixExampleWin32::OnLinkMouse(HWND link, UINT message, LPARAM lParam)
{
    const ControlId id = frmPallixExampleControls::FromChildWindowId(GetDlgCtrlID(link));
    switch (message) {
    case WM_MOUSEMOVE:
        form_.MouseMove(id);
        break;
    case WM_LBUTTONDOWN:
        pressed_ = link;
        SetCapture(link);
        break;
    case WM_LBUTTONUP:
        if (pressed_ == link) {
            pressed_ = nullptr;
            ReleaseCapture();
            RECT area;
            GetClientRect(link, &area);
            if (PtInRect(&area, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
                form_.Click(id);
            }
        }
        break;
    case WM_CAPTURECHANGED:
        pressed_ = nullptr;
        break;
    default:
        break;
    }
}

void frmPallixExampleWin32::SetUnderline(ControlId control, bool underlined)
{
    HWND window = Control(control);
    HFONT font = underlined ? underlinedFont_ : font_;
    if (reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)) != font) {
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void frmPallixExampleWin32::SetCaption(const std::string& caption)
{
    SetWindowTextW(window_, WideText::FromUtf8(caption).c_str());
}

// The window's pointer shows over its own surface and over what its row
// says shows it; every other control keeps its own.
bool frmPallixExampleWin32::ShowsWindowPointer(POINT client) const
{
    const ControlId under = ControlAt(client);
    if (under == ControlId::Window) {
        return true;
    }
    const auto& control = frmPallixExampleLayout::Get(under);
    return control.showsWindowPointer || control.isSurface;
}

bool frmPallixExampleWin32::OnSetCursor(int hitTest)
{
    POINT point;
    if (hitTest != HTCLIENT || pointer_ != Pointer::Hand || !GetCursorPos(&point)) {
        return false;
    }
    ScreenToClient(window_, &point);
    if (!ShowsWindowPointer(point)) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

void frmPallixExampleWin32::SetPointer(Pointer pointer)
{
    pointer_ = pointer;
    ApplyPointer();
}

// A new pointer style shows at once where the pointer is, not only at its next move.
void frmPallixExampleWin32::ApplyPointer()
{
    POINT point;
    if (!GetCursorPos(&point)) {
        return;
    }
    HWND under = WindowFromPoint(point);
    ScreenToClient(window_, &point);
    if ((under == window_ || GetParent(under) == window_) && ShowsWindowPointer(point)) {
        SetCursor(LoadCursorW(nullptr, pointer_ == Pointer::Hand ? IDC_HAND : IDC_ARROW));
    }
}

void frmPallixExampleWin32::StartProgram(const std::string& program, const std::string& argument)
{
    platform::StartProgram(WideText::FromUtf8(program), WideText::FromUtf8(argument));
}

void frmPallixExampleWin32::ShowMessage(const std::string& text, MessageIcon icon)
{
    const std::wstring title = WideText::FromUtf8(ApplicationTitle());
    MessageBoxW(IsWindow(window_) ? window_ : nullptr, WideText::FromUtf8(text).c_str(), title.c_str(),
                icon == MessageIcon::Critical ? MB_OK | MB_ICONERROR : MB_OK);
}

void frmPallixExampleWin32::Close()
{
    DestroyWindow(window_);
}

void frmPallixExampleWin32::EndProgram(int status)
{
    PostQuitMessage(status);
}

// The decimal separator of the Windows user's own settings.
std::string frmPallixExampleWin32::DecimalSeparator() const
{
    std::array<wchar_t, 8> separator{};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator.data(), static_cast<int>(separator.size())) <=
        0) {
        return ".";
    }
    return WideText::ToUtf8(separator.data());
}

std::string frmPallixExampleWin32::ApplicationTitle() const
{
    return WindowTexts::kApplicationTitle;
}

int frmPallixExampleWin32::RunMessageLoop()
{
    MSG message{};
    BOOL got = 0;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (!IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return got == 0 ? static_cast<int>(message.wParam) : frmPallixExample::kUntrappedErrorStatus;
}
