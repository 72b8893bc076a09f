// SPDX-License-Identifier: MIT

#include "frmPallixExampleWin32.h"

#include "Accessible.h"
#include "WideText.h"
#include "WindowTexts.h"

#include <commctrl.h>
#include <stdexcept>
#include <utility>
#include <windowsx.h>

namespace {

using frmPallixExampleLayout::ControlType;

constexpr const wchar_t* kClassName = L"frmPallixExample";
// An ordinary window: title bar, system menu, minimize, maximize and close
// boxes, a sizing border. Resizing moves and stretches no control.
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
// A click that comes from outside the message loop, run from within it.
constexpr UINT kClickMessage = WM_APP + 1;

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, kClassName, &windowClass)) {
        return;
    }
    const std::wstring icon = WideText::FromUtf8(frmPallixExampleLayout::kIconPicture);
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, icon.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                      GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance, icon.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                      GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassExW(&windowClass)) {
        throw std::runtime_error("The window class cannot be registered");
    }
}

// The system's default dialog font at 8 points.
HFONT DialogFont(int dotsPerInch, bool underlined)
{
    return CreateFontW(-MulDiv(8, dotsPerInch, 72), 0, 0, 0, FW_NORMAL, FALSE, underlined ? TRUE : FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, L"MS Shell Dlg");
}

HBITMAP LoadPicture(HINSTANCE instance, const char* name)
{
    const std::wstring resource = WideText::FromUtf8(name);
    auto* bitmap =
        static_cast<HBITMAP>(LoadImageW(instance, resource.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (bitmap == nullptr) {
        throw std::runtime_error(std::string("The program carries no picture ") + name);
    }
    return bitmap;
}

// No exception may cross back into the system's code. The window's handlers
// report their own errors; one from the view's own work ends the program.
template <typename Work>
LRESULT Guarded(Work work) noexcept
{
    try {
        return work();
    } catch (...) {
        PostQuitMessage(frmPallixExample::kUntrappedErrorStatus);
        return 0;
    }
}

}  // namespace

frmPallixExampleWin32::frmPallixExampleWin32(basExampleFunctions adapter)
    : form_(*this, std::move(adapter))
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    RegisterWindowClass(instance, WindowProc);
    HDC screen = GetDC(nullptr);
    const POINT dpi{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);
    font_ = DialogFont(dpi.y, false);
    underlinedFont_ = DialogFont(dpi.y, true);
    pictures_.adapter = LoadPicture(instance, frmPallixExampleLayout::kAdapterPicture);
    pictures_.logo = LoadPicture(instance, frmPallixExampleLayout::kLogoPicture);

    RECT frame{0, 0, frmPallixExampleControls::TwipsToPixels(frmPallixExampleLayout::kClientWidth, dpi.x),
               frmPallixExampleControls::TwipsToPixels(frmPallixExampleLayout::kClientHeight, dpi.y)};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    const std::wstring caption = WideText::FromUtf8(WindowTexts::kStoredCaption);
    CreateWindowExW(0, kClassName, caption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                    frame.bottom - frame.top, nullptr, nullptr, instance, this);
    if (window_ == nullptr) {
        throw std::runtime_error("The window cannot be created");
    }
    elements_ = frmPallixExampleControls::Create(window_, font_, pictures_);
    for (const auto& element : elements_) {
        if (element.window != nullptr) {
            SetWindowSubclass(element.window, ControlProc, 1, reinterpret_cast<DWORD_PTR>(this));
        }
    }
    focus_ = GetNextDlgTabItem(window_, nullptr, FALSE);
    SetFocus(focus_);
}

frmPallixExampleWin32::~frmPallixExampleWin32()
{
    closing_ = true;
    if (From(window_) == this) {
        DestroyWindow(window_);
    }
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(underlinedFont_),
                           static_cast<HGDIOBJ>(pictures_.adapter), static_cast<HGDIOBJ>(pictures_.logo)}) {
        DeleteObject(object);
    }
}

frmPallixExampleWin32* frmPallixExampleWin32::From(HWND window)
{
    if (window == nullptr || GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(WindowProc)) {
        return nullptr;
    }
    return reinterpret_cast<frmPallixExampleWin32*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

frmPallixExampleLayout::ControlId frmPallixExampleWin32::ControlAt(POINT client) const
{
    return frmPallixExampleControls::ControlAt(window_, elements_, client);
}

LRESULT CALLBACK frmPallixExampleWin32::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* created = static_cast<frmPallixExampleWin32*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<frmPallixExampleWin32*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    }
    return Guarded([&] { return self->HandleMessage(message, wParam, lParam); });
}

LRESULT frmPallixExampleWin32::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam);
        return 0;
    case kClickMessage:
        form_.Click(static_cast<ControlId>(wParam));
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_PRINTCLIENT:
        frmPallixExampleControls::PaintWindowless(reinterpret_cast<HDC>(wParam), elements_, pictures_);
        return 0;
    case WM_MOUSEMOVE:
        form_.MouseMove(ControlAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor(LOWORD(lParam))) {
            return TRUE;
        }
        if (reinterpret_cast<HWND>(wParam) != window_) {
            return FALSE;  // the control's own pointer
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
        OnActivate(wParam);
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT answer = Accessible::Answer(window_, ControlId::Window, wParam, lParam)) {
            return answer;
        }
        break;
    case WM_DESTROY:
        if (!closing_) {
            PostQuitMessage(0);
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK frmPallixExampleWin32::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                    DWORD_PTR self)
{
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, ControlProc, 1);
        return DefSubclassProc(control, message, wParam, lParam);
    }
    return Guarded([&] {
        return reinterpret_cast<frmPallixExampleWin32*>(self)->HandleControlMessage(control, message, wParam, lParam);
    });
}

LRESULT frmPallixExampleWin32::HandleControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    const ControlId id = frmPallixExampleControls::FromChildWindowId(GetDlgCtrlID(control));
    const ControlType type = frmPallixExampleLayout::Get(id).type;
    if (message == WM_GETOBJECT) {
        if (const LRESULT answer = Accessible::Answer(window_, id, wParam, lParam)) {
            return answer;
        }
    } else if (message == WM_GETDLGCODE && type == ControlType::MultiLineTextBox) {
        // Tab leaves the status box as it leaves every other control.
        return DefSubclassProc(control, message, wParam, lParam) &
               ~(DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
    } else if (type == ControlType::Link) {
        OnLinkMouse(control, message, lParam);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

void frmPallixExampleWin32::OnCommand(WPARAM wParam)
{
    const int id = LOWORD(wParam);
    if (id == IDOK) {
        // Enter from the dialog keys: no button is the default, so the
        // focused button takes it, as Space does.
        HWND focus = GetFocus();
        const ControlId focused = frmPallixExampleControls::FromChildWindowId(GetDlgCtrlID(focus));
        if (focused != ControlId::Window && GetParent(focus) == window_ &&
            frmPallixExampleLayout::Get(focused).type == ControlType::CommandButton) {
            SendMessageW(focus, BM_CLICK, 0, 0);
        }
    } else if (HIWORD(wParam) == BN_CLICKED) {
        form_.Click(frmPallixExampleControls::FromChildWindowId(id));
    }
}

void frmPallixExampleWin32::OnPaint()
{
    PAINTSTRUCT paint;
    frmPallixExampleControls::PaintWindowless(BeginPaint(window_, &paint), elements_, pictures_);
    EndPaint(window_, &paint);
}

void frmPallixExampleWin32::OnActivate(WPARAM wParam)
{
    // The focus leaves and comes back with the window.
    if (LOWORD(wParam) == WA_INACTIVE) {
        focus_ = GetFocus() != nullptr && IsChild(window_, GetFocus()) ? GetFocus() : focus_;
    } else {
        SetFocus(focus_);
    }
}

void frmPallixExampleWin32::ClickLater(ControlId control)
{
    PostMessageW(window_, kClickMessage, static_cast<WPARAM>(frmPallixExampleLayout::Index(control)), 0);
}
