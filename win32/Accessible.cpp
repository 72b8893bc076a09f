// SPDX-License-Identifier: MIT

#include "Accessible.h"

#include "AccessibleObject.h"
#include "WideText.h"

namespace Accessible {
namespace {

template <typename Function>
Function Find(const wchar_t* library, const char* name)
{
    HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                             : nullptr;
}

}  // namespace

const Oleacc& Library()
{
    static const Oleacc library{Find<decltype(&CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject"),
                                Find<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject"),
                                Find<decltype(&SysAllocString)>(L"oleaut32.dll", "SysAllocString")};
    return library;
}

long Role(AccessibleRole role)
{
    switch (role) {
    case AccessibleRole::Grouping:
        return ROLE_SYSTEM_GROUPING;
    case AccessibleRole::StaticText:
        return ROLE_SYSTEM_STATICTEXT;
    case AccessibleRole::Link:
        return ROLE_SYSTEM_LINK;
    case AccessibleRole::EditableText:
        return ROLE_SYSTEM_TEXT;
    case AccessibleRole::PushButton:
        return ROLE_SYSTEM_PUSHBUTTON;
    case AccessibleRole::Graphic:
        return ROLE_SYSTEM_GRAPHIC;
    case AccessibleRole::None:
        break;
    }
    return ROLE_SYSTEM_CLIENT;
}

HRESULT Text(const std::wstring& text, BSTR* out)
{
    *out = nullptr;
    if (text.empty()) {
        return S_FALSE;
    }
    *out = Library().sysAllocString(text.c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

VARIANT Integer(long value)
{
    VARIANT variant{};
    variant.vt = VT_I4;
    variant.lVal = value;
    return variant;
}

std::vector<ControlId> Children()
{
    std::vector<ControlId> children;
    for (const auto& control : frmPallixExampleLayout::Controls()) {
        if (control.role != AccessibleRole::None) {
            children.push_back(control.id);
        }
    }
    return children;
}

long ControlObject::Number(ControlId control)
{
    const std::vector<ControlId> children = Children();
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i] == control) {
            return static_cast<long>(i + 1);
        }
    }
    return CHILDID_SELF;
}

HRESULT ControlObject::Child(const VARIANT& child, VARIANT& out) const
{
    out = Integer(CHILDID_SELF);
    const ControlId target = Target(child);
    const frmPallixExampleWin32* view = frmPallixExampleWin32::From(window_);
    if (target == ControlId::Window || view == nullptr) {
        return IsSelf(child) ? S_OK : E_INVALIDARG;
    }
    if (view->Control(target) == nullptr) {
        out.lVal = child.lVal;
        return S_OK;
    }
    ControlObject* object = Create(window_, target);
    if (object == nullptr) {
        return E_FAIL;
    }
    out.vt = VT_DISPATCH;
    out.pdispVal = object;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE ControlObject::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    const long count = static_cast<long>(Children().size());
    long to = 0;
    if (self_ == ControlId::Window && IsSelf(start) &&
        (direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD)) {
        to = direction == NAVDIR_FIRSTCHILD ? 1 : count;
    } else if (self_ == ControlId::Window && !IsSelf(start) && Target(start) != ControlId::Window &&
               (direction == NAVDIR_NEXT || direction == NAVDIR_PREVIOUS)) {
        to = start.lVal + (direction == NAVDIR_NEXT ? 1 : -1);
    } else {
        return standard_->accNavigate(direction, start, end);
    }
    end->vt = VT_EMPTY;
    return to >= 1 && to <= count ? Child(Integer(to), *end) : S_FALSE;
}

// Over a frame, what it holds comes first; over nothing of ours, the window.
HRESULT STDMETHODCALLTYPE ControlObject::accHitTest(long x, long y, VARIANT* found)
{
    const frmPallixExampleWin32* view = frmPallixExampleWin32::From(window_);
    if (self_ != ControlId::Window || view == nullptr) {
        return standard_->accHitTest(x, y, found);
    }
    POINT point{x, y};
    ScreenToClient(window_, &point);
    RECT client;
    GetClientRect(window_, &client);
    if (!PtInRect(&client, point)) {
        return standard_->accHitTest(x, y, found);
    }
    ControlId hit = ControlId::Window;
    for (const ControlId child : Children()) {
        const bool frame = frmPallixExampleLayout::Get(child).role == AccessibleRole::Grouping;
        if (PtInRect(&view->Place(child), point) && (hit == ControlId::Window || !frame)) {
            hit = child;
            if (!frame) {
                break;
            }
        }
    }
    return Child(Integer(hit == ControlId::Window ? CHILDID_SELF : Number(hit)), *found);
}

LRESULT Answer(HWND window, ControlId self, WPARAM wParam, LPARAM lParam)
{
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || Library().lresultFromObject == nullptr) {
        return 0;
    }
    // A screen reader in another process reaches the objects through COM,
    // which the window's thread joins once, for the rest of its life.
    static const bool joined [[maybe_unused]] = [] {
        const auto initialize = Find<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
        return initialize != nullptr && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    }();
    ControlObject* object = ControlObject::Create(window, self);
    if (object == nullptr) {
        return 0;
    }
    const LRESULT result = Library().lresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return result > 0 ? result : 0;
}

}  // namespace Accessible
