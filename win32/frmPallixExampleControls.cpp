// SPDX-License-Identifier: MIT

#include "frmPallixExampleControls.h"

#include "WideText.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace frmPallixExampleControls {
namespace {

using frmPallixExampleLayout::Control;
using frmPallixExampleLayout::ControlType;
using frmPallixExampleLayout::TextAlignment;

bool HasWindow(ControlType type)
{
    return type != ControlType::Line && type != ControlType::Image;
}

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

// Labels keep their text at the top, as static controls do, on one line.
WindowKind KindOf(const Control& control)
{
    const bool right = control.alignment == TextAlignment::Right;
    const DWORD boxAlign = right ? ES_RIGHT : ES_LEFT;
    const DWORD labelAlign = (right ? SS_RIGHT : SS_LEFTNOWORDWRAP) | SS_NOPREFIX;
    const DWORD tabStop = control.takesFocus ? WS_TABSTOP : 0;
    switch (control.type) {
    case ControlType::Frame:
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlType::Label:
        return {L"STATIC", labelAlign, 0};
    case ControlType::Link:
        // SS_NOTIFY: the link takes the mouse itself, the window's other
        // labels let it through.
        return {L"STATIC", labelAlign | SS_NOTIFY, 0};
    case ControlType::TextBox:
        return {L"EDIT", tabStop | ES_READONLY | ES_AUTOHSCROLL | boxAlign, WS_EX_CLIENTEDGE};
    case ControlType::MultiLineTextBox:
        // No scroll bars; the caret still scrolls to the lines below.
        return {L"EDIT", tabStop | ES_READONLY | ES_MULTILINE | ES_AUTOVSCROLL | boxAlign, WS_EX_CLIENTEDGE};
    case ControlType::CommandButton:
        return {L"BUTTON", tabStop | BS_PUSHBUTTON, 0};
    case ControlType::Line:
    case ControlType::Image:
        break;
    }
    return {nullptr, 0, 0};
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

RECT Place(const Control& stored, const std::vector<Element>& placed, POINT dpi, const Pictures& pictures)
{
    const Control control = frmPallixExampleLayout::AsShown(stored);
    POINT origin{0, 0};
    if (control.container != ControlId::Window) {
        const RECT& frame = placed.at(frmPallixExampleLayout::Index(control.container)).rect;
        origin = {frame.left, frame.top};
    }
    const int left = origin.x + TwipsToPixels(control.left, dpi.x);
    const int top = origin.y + TwipsToPixels(control.top, dpi.y);
    if (control.type == ControlType::Line) {
        return {left, top, origin.x + TwipsToPixels(control.width, dpi.x),
                origin.y + TwipsToPixels(control.height, dpi.y)};
    }
    if (control.type == ControlType::Image) {
        const SIZE size = BitmapSize(pictures.For(control.caption));
        return {left, top, left + size.cx, top + size.cy};
    }
    return {left, top, left + TwipsToPixels(control.width, dpi.x), top + TwipsToPixels(control.height, dpi.y)};
}

// The link as wide as its text, so that its text is whole and the strip
// beside it stays the window's own surface.
void FitToText(Element& element)
{
    HDC dc = GetDC(element.window);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(element.window, WM_GETFONT, 0, 0)));
    const std::wstring text = WideText::FromUtf8(element.control->caption);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(element.window, dc);
    element.rect.right = std::max(element.rect.right, element.rect.left + extent.cx);
}

bool InFrame(const Element& inner, const Element& frame)
{
    return inner.control->container == frame.control->id;
}

bool Overlap(const RECT& a, const RECT& b)
{
    RECT both;
    return IntersectRect(&both, &a, &b) != 0;
}

// Child windows in tab order; then an earlier element that overlaps a later
// one (other than its own frame) is moved just above it.
std::vector<const Element*> ChildOrder(const std::vector<Element>& elements)
{
    std::vector<const Element*> order;
    for (const Element& element : elements) {
        if (HasWindow(element.control->type)) {
            order.push_back(&element);
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const Element* a, const Element* b) { return a->control->tabIndex < b->control->tabIndex; });
    for (auto earlier = elements.begin(); earlier != elements.end(); ++earlier) {
        for (auto later = std::next(earlier); later != elements.end(); ++later) {
            const auto upper = std::find(order.begin(), order.end(), &*earlier);
            const auto lower = std::find(order.begin(), order.end(), &*later);
            const bool ownFrame = InFrame(*earlier, *later) || InFrame(*later, *earlier);
            if (upper == order.end() || lower == order.end() || upper < lower || ownFrame ||
                !Overlap(earlier->rect, later->rect)) {
                continue;
            }
            const Element* moved = *upper;
            order.erase(upper);
            order.insert(std::find(order.begin(), order.end(), &*later), moved);
        }
    }
    return order;
}

}  // namespace

HBITMAP Pictures::For(const char* picture) const
{
    return std::strcmp(picture, frmPallixExampleLayout::kAdapterPicture) == 0 ? adapter : logo;
}

ControlId FromChildWindowId(int id)
{
    const auto index = static_cast<std::size_t>(id - kFirstId);
    return id >= kFirstId && index < frmPallixExampleLayout::kControlCount ? static_cast<ControlId>(index)
                                                                           : ControlId::Window;
}

int TwipsToPixels(int twips, int dotsPerInch)
{
    return MulDiv(twips, dotsPerInch, 1440);
}

std::vector<Element> Create(HWND parent, HFONT font, const Pictures& pictures)
{
    HDC screen = GetDC(nullptr);
    const POINT dpi{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(nullptr, screen);

    std::vector<Element> elements;
    elements.reserve(frmPallixExampleLayout::Controls().size());
    for (const Control& control : frmPallixExampleLayout::Controls()) {
        elements.push_back({&control, nullptr, Place(control, elements, dpi, pictures)});
    }
    const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    for (const Element* element : ChildOrder(elements)) {
        const Control& control = *element->control;
        const WindowKind kind = KindOf(control);
        const std::wstring caption = WideText::FromUtf8(control.caption != nullptr ? control.caption : "");
        const RECT& r = element->rect;
        const auto id = static_cast<INT_PTR>(ChildWindowId(control.id));
        HWND window = CreateWindowExW(kind.extendedStyle, kind.className, caption.c_str(),
                                      WS_CHILD | WS_VISIBLE | kind.style, r.left, r.top, r.right - r.left,
                                      r.bottom - r.top, parent, reinterpret_cast<HMENU>(id), instance, nullptr);
        SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        Element& made = elements[static_cast<std::size_t>(element - elements.data())];
        made.window = window;
        if (control.fitsText) {
            FitToText(made);
            SetWindowPos(window, nullptr, 0, 0, made.rect.right - made.rect.left, made.rect.bottom - made.rect.top,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    return elements;
}

void PaintWindowless(HDC dc, const std::vector<Element>& elements, const Pictures& pictures)
{
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT));
    const HGDIOBJ previousPen = SelectObject(dc, pen);
    HDC source = CreateCompatibleDC(dc);
    for (auto element = elements.rbegin(); element != elements.rend(); ++element) {
        const RECT& r = element->rect;
        if (element->control->type == ControlType::Line) {
            MoveToEx(dc, r.left, r.top, nullptr);
            LineTo(dc, r.right, r.bottom);
            SetPixelV(dc, r.right, r.bottom, GetSysColor(COLOR_WINDOWTEXT));  // both ends are the line's
        } else if (element->control->type == ControlType::Image) {
            const HGDIOBJ previous = SelectObject(source, pictures.For(element->control->caption));
            BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source, 0, 0, SRCCOPY);
            SelectObject(source, previous);
        }
    }
    DeleteDC(source);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}

ControlId ControlAt(HWND parent, const std::vector<Element>& elements, POINT point)
{
    HWND child = ChildWindowFromPointEx(parent, point, CWP_SKIPINVISIBLE);
    if (child != nullptr && child != parent) {
        return FromChildWindowId(GetDlgCtrlID(child));
    }
    for (const Element& element : elements) {
        if (element.window == nullptr && !element.control->isSurface && PtInRect(&element.rect, point)) {
            return element.control->id;
        }
    }
    return ControlId::Window;
}

}  // namespace frmPallixExampleControls
