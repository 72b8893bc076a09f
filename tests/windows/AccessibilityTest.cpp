// SPDX-License-Identifier: MIT

// What a screen reader is told of the Win32 window, asked in-process under
// Wine the way a screen reader asks: through AccessibleObjectFromWindow.
#include "WideText.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <oleacc.h>
#include <set>
#include <tuple>

namespace {

using frmPallixExampleLayout::AccessibleRole;
using Read = std::tuple<std::wstring, long, std::wstring>;  // name, role, description

const std::map<AccessibleRole, long> kSystemRoles{{AccessibleRole::Grouping, ROLE_SYSTEM_GROUPING},
                                                  {AccessibleRole::StaticText, ROLE_SYSTEM_STATICTEXT},
                                                  {AccessibleRole::Link, ROLE_SYSTEM_LINK},
                                                  {AccessibleRole::EditableText, ROLE_SYSTEM_TEXT},
                                                  {AccessibleRole::PushButton, ROLE_SYSTEM_PUSHBUTTON},
                                                  {AccessibleRole::Graphic, ROLE_SYSTEM_GRAPHIC}};

class Accessibility : public testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override
    {
        objects_.clear();
        CoUninitialize();
    }
    // The object a screen reader gets for `window`; released after the test.
    IAccessible* ObjectOf(HWND target)
    {
        IAccessible* object = nullptr;
        EXPECT_EQ(AccessibleObjectFromWindow(target, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                             reinterpret_cast<void**>(&object)),
                  S_OK);
        return object != nullptr ? objects_.emplace_back(object).get() : nullptr;
    }
    ShownWindow window;

private:
    std::vector<std::unique_ptr<IAccessible, decltype([](IAccessible* object) { object->Release(); })>> objects_;
};

VARIANT Child(long id)
{
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::wstring Take(BSTR text)
{
    std::wstring taken = text != nullptr ? text : L"";
    SysFreeString(text);
    return taken;
}

Read ReadOf(IAccessible* object, long child)
{
    BSTR name = nullptr;
    BSTR description = nullptr;
    VARIANT role{};
    object->get_accName(Child(child), &name);
    object->get_accRole(Child(child), &role);
    object->get_accDescription(Child(child), &description);
    return {Take(name), role.vt == VT_I4 ? role.lVal : -1, Take(description)};
}

Read Expected(const frmPallixExampleLayout::Control& row)
{
    return {WideText::FromUtf8(frmPallixExampleLayout::AccessibleName(row)), kSystemRoles.at(row.role),
            WideText::FromUtf8(row.accessibleDescription != nullptr ? row.accessibleDescription : "")};
}

// The window's children, each read and whether it is drawn (a picture, with
// no object of its own), and each control with a window of its own asked
// directly, as a screen reader does when it gets the focus.
TEST_F(Accessibility, EveryControlIsReadByItsRowsNameRoleAndDescription)
{
    IAccessible* form = ObjectOf(window.form.Window());
    ASSERT_NE(form, nullptr);
    long count = 0;
    form->get_accChildCount(&count);
    std::multiset<std::pair<Read, bool>> children;
    for (long child = 1; child <= count; ++child) {
        IDispatch* object = nullptr;
        children.insert({ReadOf(form, child), form->get_accChild(Child(child), &object) == S_FALSE});
        if (object != nullptr) {
            object->Release();
        }
    }
    std::multiset<std::pair<Read, bool>> expected;
    for (const auto& row : frmPallixExampleLayout::Controls()) {
        if (row.role == AccessibleRole::None) {
            continue;
        }
        HWND own = window[row.id];
        expected.insert({Expected(row), own == nullptr});
        if (own != nullptr) {
            EXPECT_EQ(ReadOf(ObjectOf(own), CHILDID_SELF), Expected(row)) << row.name;
        }
    }
    EXPECT_EQ(children, expected);
    EXPECT_EQ(std::count_if(children.begin(), children.end(), [](const auto& child) { return child.second; }), 2);
}

TEST_F(Accessibility, TheLinksDefaultActionJumpsThroughTheWindowsClickToTheBrowser)
{
    const std::filesystem::path browser = std::filesystem::temp_directory_path() / "pallix jump" / "browser.exe";
    PlaceBrowser(browser);
    window.form.Form().sBrowserPath = browser.string();
    IAccessible* link = ObjectOf(window[ControlId::lblUrl]);
    ASSERT_NE(link, nullptr);
    BSTR action = nullptr;
    VARIANT state{};
    link->get_accDefaultAction(Child(CHILDID_SELF), &action);
    link->get_accState(Child(CHILDID_SELF), &state);
    EXPECT_EQ(Take(action), L"Jump");
    EXPECT_NE(state.lVal & STATE_SYSTEM_LINKED, 0);
    EXPECT_EQ(link->accDoDefaultAction(Child(CHILDID_SELF)), S_OK);
    EXPECT_EQ(Recorded(browser), "1\n[http://www.miral.example]\n");
}

}  // namespace
