// SPDX-License-Identifier: MIT

// What the Win32 window forwards, in-process under Wine: its keys, the mouse
// over each place and the link's look and pointer it brings, the link's
// click and the browser it starts, closing, and its message boxes and end.
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using MessageIcon = frmPallixExampleView::MessageIcon;

// A key as the message loop hands it to the dialog keys.
void DialogKey(HWND window, UINT message, WPARAM key)
{
    MSG msg{GetFocus(), message, key, message == WM_SYSCHAR ? (1 << 29) : 0, 0, {}};
    IsDialogMessageW(window, &msg);
}

TEST(Input, TabWalksCloseTemperatureStatusReadAndBackAndShiftTabTheOtherWay)
{
    ShownWindow window;
    const ControlId order[] = {ControlId::cmdClose, ControlId::txtTemperatur, ControlId::txtOutput,
                               ControlId::cmdReadTemp, ControlId::cmdClose};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(GetFocus(), window[order[i]]);
        DialogKey(window.form.Window(), WM_KEYDOWN, VK_TAB);
    }
    EXPECT_EQ(GetNextDlgTabItem(window.form.Window(), GetFocus(), TRUE), window[ControlId::cmdReadTemp]);
}

// Alt+C and Enter on the focused Close button, through the dialog keys, and
// the window's own closing (its close box and Alt+F4 send WM_CLOSE).
TEST(Input, AltCEnterAndClosingTheWindowEndTheLoopWithStatusZero)
{
    for (const auto& [message, key] :
         {std::pair{UINT{WM_SYSCHAR}, WPARAM{'c'}}, std::pair{UINT{WM_KEYDOWN}, WPARAM{VK_RETURN}},
          std::pair{UINT{WM_CLOSE}, WPARAM{0}}}) {
        ShownWindow window;
        if (message == WM_CLOSE) {
            SendMessageW(window.form.Window(), message, key, 0);
        } else {
            DialogKey(window.form.Window(), message, key);
        }
        EXPECT_FALSE(IsWindow(window.form.Window())) << message;
        EXPECT_EQ(QuitStatus(), 0);
    }
}

// No driver installed: the simulator beside the program, and the reading in
// the decimal separator of the user's own settings, not the C runtime's.
TEST(Input, AltRReadsThroughTheSimulatorInTheUsersDecimalSeparator)
{
    wchar_t previous[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, previous, 8);
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L",");
    _putenv_s("PALLIX400_SIM_TEMP", "25.0625");
    ShownWindow window;
    DialogKey(window.form.Window(), WM_SYSCHAR, 'r');
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, previous);
    EXPECT_EQ(TextOf(window[ControlId::txtTemperatur]), L"25,0625");
    EXPECT_EQ(TextOf(window[ControlId::txtOutput]), L"Simulated adapter: no Pallix400.dll is installed\r\nPort: 1\r\n");
}

TEST(Input, AMessageIsABoxTitledWithTheProgramWithTheErrorIconWhenCriticalAndTheEndEndsTheLoopWithItsStatus)
{
    ShownWindow window;
    for (const MessageIcon icon : {MessageIcon::None, MessageIcon::Critical}) {
        const auto boxes =
            BoxesWhile([&] { window.form.ShowMessage("Run-time error '6':\n\nOverflow \xC2\xB0", icon); });
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title + L"|" + boxes[0].text, L"PallixExample|Run-time error '6':\n\nOverflow \u00B0");
        EXPECT_EQ(boxes[0].icon, icon == MessageIcon::Critical);
    }
    window.form.EndProgram(1);
    EXPECT_EQ(window.form.RunMessageLoop(), 1);
}

// Underlined, and in the link's colour.
std::pair<bool, COLORREF> LinkLook(const ShownWindow& window)
{
    HWND link = window[ControlId::lblUrl];
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)), sizeof font, &font);
    HDC dc = GetDC(link);
    SendMessageW(window.form.Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(link));
    const COLORREF colour = GetTextColor(dc);
    ReleaseDC(link, dc);
    return {font.lfUnderline != 0, colour};
}

struct Place {
    const char* what;
    POINT at;         // in the window's client area
    bool hand;        // the pointer shown as the mouse arrives
    bool underlined;  // the link once the mouse has moved there
};

// The mouse arrives as the system brings it: the window under it is asked
// for the pointer, then told of the move. The hand and the underline come
// with a move over the link and go with one over the window's own surface;
// the hand shows over the surface, the link, the maker's name and logo only.
TEST(Input, TheMouseOverEachPlaceShowsItsPointerAndLeavesTheLinksLookAsTheWindowSays)
{
    ShownWindow window;
    const Place places[] = {{"link", {252, 30}, false, true},
                            {"link again", {252, 30}, true, true},
                            {"maker's name", {260, 12}, true, true},
                            {"logo", {140, 20}, true, true},
                            {"frame", {252, 150}, false, true},
                            {"frame's label", {262, 118}, false, true},
                            {"frame's picture", {400, 150}, false, true},
                            {"temperature", {120, 134}, false, true},
                            {"close", {30, 395}, false, true},
                            {"status log", {100, 300}, false, true},
                            {"surface", {10, 10}, true, false},
                            {"surface again", {10, 10}, false, false}};
    for (const Place& place : places) {
        POINT point = place.at;
        ClientToScreen(window.form.Window(), &point);
        SetCursorPos(point.x, point.y);
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        HWND under = WindowFromPoint(point);
        SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor() == LoadCursorW(nullptr, IDC_HAND), place.hand) << place.what;
        ScreenToClient(under, &point);
        SendMessageW(under, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
        EXPECT_EQ(LinkLook(window), std::pair(place.underlined, RGB(0, 0, 255))) << place.what;
    }
}

// "Program.exe" stands where the system, left to split the unquoted path at
// its blanks, would run it first. A missing browser shows nothing; one that
// cannot start, a box with the system's reason.
TEST(Input, AClickOnTheLinkStartsExactlyTheBrowsersFileWithTheAddressOrSaysWhyItCannot)
{
    const fs::path root = fs::temp_directory_path() / "pallix link";
    const fs::path browser = root / "Program Files" / "Internet Explorer" / "IEXPLORE.EXE";
    fs::remove_all(root);
    PlaceBrowser(browser);
    PlaceBrowser(root / "Program.exe");
    std::ofstream(root / "text.exe") << "not a program";
    ShownWindow window;
    std::vector<Box> shown;
    for (const fs::path& path : {browser, root / "missing.exe", root / "text.exe"}) {
        window.form.Form().sBrowserPath = path.string();
        for (const Box& box : BoxesWhile([&] {
                 SendMessageW(window[ControlId::lblUrl], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
                 SendMessageW(window[ControlId::lblUrl], WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
             })) {
            shown.push_back(box);
        }
    }
    EXPECT_EQ(Recorded(browser), "1\n[http://www.miral.example]\n");
    EXPECT_FALSE(fs::exists(root / "Program.exe.out"));
    ASSERT_EQ(shown.size(), 1u);
    const std::wstring start = L"Can not start " + (root / "text.exe").wstring() + L": ";
    EXPECT_TRUE(shown[0].text.starts_with(start) && shown[0].text.size() > start.size()) << shown[0].text;
}

}  // namespace
