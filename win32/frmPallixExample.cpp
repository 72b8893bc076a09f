#include "frmPallixExample.h"

#include "EventBoundary.h"
#include "WideText.h"
#include "WindowTexts.h"

#include <commctrl.h>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <windowsx.h>

namespace {

constexpr const wchar_t* kClassName = L"frmPallixExample";
// Fixed in size: a title bar with the system menu, minimize and close boxes.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

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

}  // namespace

frmPallixExample::frmPallixExample(Pallix400 driver)
    : adapter_(std::move(driver))
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
    SetWindowSubclass(Control("lblUrl"), LinkProc, 1, reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(Control("txtOutput"), StatusBoxProc, 1, 0);
    focus_ = Control("cmdClose");
    SetFocus(focus_);
}

frmPallixExample::~frmPallixExample()
{
    closing_ = true;
    if (IsWindow(window_)) {
        DestroyWindow(window_);
    }
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(underlinedFont_),
                           static_cast<HGDIOBJ>(pictures_.adapter), static_cast<HGDIOBJ>(pictures_.logo)}) {
        DeleteObject(object);
    }
}

HWND frmPallixExample::Control(const char* name) const
{
    for (const auto& element : elements_) {
        if (std::strcmp(element.control->name, name) == 0) {
            return element.window;
        }
    }
    return nullptr;
}

LRESULT CALLBACK frmPallixExample::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* created = static_cast<frmPallixExample*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<frmPallixExample*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    EventBoundary::Run([&] { result = self->HandleMessage(message, wParam, lParam); });
    return result;
}

LRESULT frmPallixExample::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        OnPaint(BeginPaint(window_, &paint));
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        OnPaint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_MOUSEMOVE:
        if (IsOwnSurface({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
            Handle(&frmPallixExample::Form_MouseMove);
        }
        return 0;
    case WM_SETCURSOR:
        if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) {
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
        // The focus leaves and comes back with the window.
        if (LOWORD(wParam) == WA_INACTIVE) {
            focus_ = GetFocus() != nullptr && IsChild(window_, GetFocus()) ? GetFocus() : focus_;
        } else {
            SetFocus(focus_);
        }
        return 0;
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

void frmPallixExample::Handle(void (frmPallixExample::*handler)())
{
    EventBoundary::Run([this, handler] { (this->*handler)(); });
}

void frmPallixExample::OnCommand(WPARAM wParam)
{
    const int id = LOWORD(wParam);
    if (id == IDOK) {
        // Enter from the dialog keys: no button is the default, so the
        // focused button takes it, as Space does.
        HWND focus = GetFocus();
        if (focus == Control("cmdReadTemp") || focus == Control("cmdClose")) {
            SendMessageW(focus, BM_CLICK, 0, 0);
        }
    } else if (HIWORD(wParam) == BN_CLICKED && id == frmPallixExampleControls::ControlId("cmdReadTemp")) {
        Handle(&frmPallixExample::cmdReadTemp_Click);
    } else if (HIWORD(wParam) == BN_CLICKED && id == frmPallixExampleControls::ControlId("cmdClose")) {
        Handle(&frmPallixExample::cmdClose_Click);
    }
}

void frmPallixExample::OnPaint(HDC dc)
{
    frmPallixExampleControls::PaintWindowless(dc, elements_, pictures_);
}

LRESULT frmPallixExample::OnControlColour(HDC dc, HWND control)
{
    // The read-only boxes keep the window colours rather than the dialog's.
    const bool box = control == Control("txtTemperatur") || control == Control("txtOutput");
    const int background = box ? COLOR_WINDOW : COLOR_BTNFACE;
    SetTextColor(dc, control == Control("lblUrl") ? lLinkColor : GetSysColor(box ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
    SetBkColor(dc, GetSysColor(background));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}
