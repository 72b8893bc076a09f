// SPDX-License-Identifier: MIT

#pragma once

#include "WideText.h"
#include "frmPallixExampleWin32.h"

#include <oleacc.h>
#include <string>
#include <vector>

// The program's own accessible objects, for Accessible::Answer only.
namespace Accessible {

using frmPallixExampleLayout::AccessibleRole;
using frmPallixExampleLayout::ControlId;

// Loaded when a screen reader first asks, not at every start, and kept for
// the rest of the program's life, as the objects handed out need them.
struct Oleacc {
    decltype(&CreateStdAccessibleObject) createStandard = nullptr;
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&SysAllocString) sysAllocString = nullptr;
};
const Oleacc& Library();

long Role(AccessibleRole role);
inline constexpr const wchar_t* kJump = L"Jump";  // a link's default action, as the system names it
// `text` as a new BSTR in `out`; S_FALSE and null for an empty text.
HRESULT Text(const std::wstring& text, BSTR* out);
VARIANT Integer(long value);
// The window's own children: every control a screen reader is told of, in
// the layout's order, numbered from 1.
std::vector<ControlId> Children();

// The window (self Window) or one of its controls with a window of its own,
// wrapping the system's standard object for that window.
class ControlObject final : public IAccessible {
public:
    ControlObject(HWND window, ControlId self, IAccessible* standard)
        : window_(window)
        , self_(self)
        , standard_(standard)
    {
    }
    ControlObject(const ControlObject&) = delete;
    ControlObject& operator=(const ControlObject&) = delete;

    // A new object for `self` in `window`, with one reference; null if the
    // window is gone or the system makes no standard object.
    static ControlObject* Create(HWND window, ControlId self)
    {
        const frmPallixExampleWin32* view = frmPallixExampleWin32::From(window);
        IAccessible* standard = nullptr;
        if (view == nullptr || Library().createStandard == nullptr ||
            Library().createStandard(self == ControlId::Window ? window : view->Control(self), OBJID_CLIENT,
                                     __uuidof(IAccessible), reinterpret_cast<void**>(&standard)) != S_OK) {
            return nullptr;
        }
        return new ControlObject(window, self, standard);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        if (iid == __uuidof(IOleWindow)) {
            return standard_->QueryInterface(iid, object);  // which window this is
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --references_;
        if (left == 0) {
            standard_->Release();
            delete this;
        }
        return left;
    }

    // No type information: clients call IAccessible directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        if (self_ != ControlId::Window) {
            return standard_->get_accChildCount(count);
        }
        *count = static_cast<long>(Children().size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override
    {
        if (self_ != ControlId::Window) {
            return standard_->get_accChild(child, object);
        }
        VARIANT found{};
        const HRESULT result = Child(child, found);
        *object = found.vt == VT_DISPATCH ? found.pdispVal : nullptr;
        return FAILED(result) ? result : (*object != nullptr ? S_OK : S_FALSE);
    }

    // From the layout: name, role, description, the link's action.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return FromRow(
            child, [&](const auto& row) { return Text(Wide(frmPallixExampleLayout::AccessibleName(row)), name); },
            [&] { return standard_->get_accName(child, name); });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        return FromRow(
            child,
            [&](const auto& row) {
                return Text(row.accessibleDescription != nullptr ? Wide(row.accessibleDescription) : L"", description);
            },
            [&] { return standard_->get_accDescription(child, description); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return FromRow(
            child, [&](const auto& row) { return *role = Integer(Role(row.role)), S_OK; },
            [&] { return standard_->get_accRole(child, role); });
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        if (IsLink(child)) {
            return Text(kJump, action);
        }
        return Forward(
            child, [&](IAccessible* target, VARIANT id) { return target->get_accDefaultAction(id, action); },
            [&] { return Text(L"", action); });
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        if (IsLink(child)) {
            // Clicked from the message loop, so that a screen reader's call
            // returns at once, whatever the click shows.
            frmPallixExampleWin32::From(window_)->ClickLater(Target(child));
            return S_OK;
        }
        return Forward(
            child, [&](IAccessible* target, VARIANT id) { return target->accDoDefaultAction(id); },
            [] { return DISP_E_MEMBERNOTFOUND; });
    }

    // From the system: what a control's window knows of itself.
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return Forward(
            child, [&](IAccessible* target, VARIANT id) { return target->get_accValue(id, value); },
            [&] { return Text(L"", value); });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        const HRESULT result = Forward(
            child, [&](IAccessible* target, VARIANT id) { return target->get_accState(id, state); },
            [&] { return *state = Integer(STATE_SYSTEM_READONLY), S_OK; });
        if (result == S_OK && state->vt == VT_I4 && IsLink(child)) {
            state->lVal |= STATE_SYSTEM_LINKED;
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return Forward(
            child, [&](IAccessible* target, VARIANT id) { return target->get_accHelp(id, help); },
            [&] { return Text(L"", help); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override
    {
        return Forward(
            child, [&](IAccessible* target, VARIANT id) { return target->get_accHelpTopic(file, id, topic); },
            [&] { return *topic = 0, Text(L"", file); });
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return Forward(
            child, [&](IAccessible* target, VARIANT id) { return target->get_accKeyboardShortcut(id, shortcut); },
            [&] { return Text(L"", shortcut); });
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        return Forward(
            child, [&](IAccessible* target, VARIANT id) { return target->accLocation(left, top, width, height, id); },
            [&] {
                RECT place = frmPallixExampleWin32::From(window_)->Place(Target(child));
                MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&place), 2);
                *left = place.left, *top = place.top, *width = place.right - place.left;
                *height = place.bottom - place.top;
                return S_OK;
            });
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        return Forward(
            child, [&](IAccessible* target, VARIANT id) { return target->accSelect(flags, id); },
            [] { return DISP_E_MEMBERNOTFOUND; });
    }

    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        HWND focused = GetFocus();
        if (self_ != ControlId::Window || focused == nullptr || GetParent(focused) != window_) {
            return standard_->get_accFocus(focus);
        }
        return Child(Integer(Number(frmPallixExampleControls::FromChildWindowId(GetDlgCtrlID(focused)))), *focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* found) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    static std::wstring Wide(const std::string& text) { return WideText::FromUtf8(text); }
    static bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

    // The control `child` stands for; Window for none.
    ControlId Target(const VARIANT& child) const
    {
        if (IsSelf(child)) {
            return self_;
        }
        const std::vector<ControlId> children = Children();
        const bool mine = self_ == ControlId::Window && child.vt == VT_I4 && child.lVal >= 1 &&
                          static_cast<std::size_t>(child.lVal) <= children.size();
        return mine ? children[static_cast<std::size_t>(child.lVal) - 1] : ControlId::Window;
    }
    static long Number(ControlId control);
    bool IsLink(const VARIANT& child) const
    {
        const ControlId target = Target(child);
        return target != ControlId::Window && frmPallixExampleLayout::Get(target).role == AccessibleRole::Link &&
               frmPallixExampleWin32::From(window_) != nullptr;
    }
    // The window's own child `child` as a VARIANT: an object for a control
    // with a window, the number for a picture.
    HRESULT Child(const VARIANT& child, VARIANT& out) const;

    template <typename FromLayout, typename FromSystem>
    HRESULT FromRow(const VARIANT& child, FromLayout fromLayout, FromSystem fromSystem) const
    {
        const ControlId target = Target(child);
        if (target == ControlId::Window) {
            return IsSelf(child) ? fromSystem() : E_INVALIDARG;
        }
        return fromLayout(frmPallixExampleLayout::Get(target));
    }
    // Asked of the system's object for the window itself or for a child
    // control's window; `picture` answers for a picture.
    template <typename Call, typename Picture>
    HRESULT Forward(const VARIANT& child, Call call, Picture picture) const
    {
        if (IsSelf(child)) {
            return call(standard_, child);
        }
        const ControlId target = Target(child);
        const frmPallixExampleWin32* view = frmPallixExampleWin32::From(window_);
        if (target == ControlId::Window || view == nullptr) {
            return E_INVALIDARG;
        }
        if (view->Control(target) == nullptr) {
            return picture();
        }
        ControlObject* object = Create(window_, target);
        if (object == nullptr) {
            return E_FAIL;
        }
        const HRESULT result = call(object, Integer(CHILDID_SELF));
        object->Release();
        return result;
    }

    HWND window_;
    ControlId self_;
    IAccessible* standard_;
    ULONG references_ = 1;
};

}  // namespace Accessible
