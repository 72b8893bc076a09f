// The web link of the Win32 window in-process under Wine: the mouse moves it
// forwards, its look, the window's pointer, and the browser it starts.
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

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

// The maker's name (260,12), its logo (140,20) and a frame (100,100) are
// not the window's own surface: moves over them leave the look as it is.
TEST(WebLink, IsUnderlinedFromAMoveOverItUntilAMoveOverTheWindowsOwnSurface)
{
    ShownWindow window;
    const COLORREF blue = RGB(0, 0, 255);
    EXPECT_EQ(LinkLook(window), std::pair(false, blue));
    SendMessageW(window[ControlId::lblUrl], WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    for (const LPARAM over : {MAKELPARAM(260, 12), MAKELPARAM(140, 20), MAKELPARAM(100, 100)}) {
        SendMessageW(window.form.Window(), WM_MOUSEMOVE, 0, over);
        EXPECT_EQ(LinkLook(window), std::pair(true, blue));
    }
    SendMessageW(window.form.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(LinkLook(window), std::pair(false, blue));
}

// The system asks the window under the pointer which pointer to show.
TEST(WebLink, TheHandShowsOverTheSurfaceLinkNameAndLogoButNotOverFramesTheirContentsButtonsAndBoxes)
{
    ShownWindow window;
    window.form.SetPointer(frmPallixExampleView::Pointer::Hand);
    // surface, lblUrl, lblMiral, imgMiral | frLayout, lblClk, Image1, txtTemperatur, cmdClose, txtOutput
    const POINT hand[] = {{10, 10}, {252, 30}, {260, 12}, {140, 20}};
    const POINT arrow[] = {{252, 150}, {262, 118}, {400, 150}, {120, 134}, {30, 395}, {100, 300}};
    for (const auto& [points, expected] :
         {std::pair{std::vector(hand, hand + 4), true}, std::pair{std::vector(arrow, arrow + 6), false}}) {
        for (POINT point : points) {
            ClientToScreen(window.form.Window(), &point);
            SetCursorPos(point.x, point.y);
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
            HWND under = WindowFromPoint(point);
            SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            EXPECT_EQ(GetCursor() == LoadCursorW(nullptr, IDC_HAND), expected) << point.x << "," << point.y;
        }
    }
}

// "C:\Program.exe" stands where the system, left to split the unquoted path
// at its blanks, would run it first. A missing browser shows nothing; one
// that cannot start, a plain box with the system's reason.
TEST(WebLink, AClickStartsExactlyTheBrowsersFileWithTheAddressOrSaysWhyItCannot)
{
    const fs::path root = fs::temp_directory_path() / "pallix link";
    const fs::path browser = root / "Program Files" / "Internet Explorer" / "IEXPLORE.EXE";
    fs::remove_all(root);
    PlaceBrowser(browser);
    PlaceBrowser(root / "Program.exe");
    std::ofstream(root / "text.exe") << "not a program";
    ShownWindow window;
    std::vector<std::vector<Box>> shown;
    for (const fs::path& path : {browser, root / "missing.exe", root / "text.exe"}) {
        window.form.Form().sBrowserPath = path.string();
        shown.push_back(BoxesWhile([&] {
            SendMessageW(window[ControlId::lblUrl], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            SendMessageW(window[ControlId::lblUrl], WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        }));
    }
    EXPECT_EQ(Recorded(browser), "1\n[http://www.miral.example]\n");
    EXPECT_FALSE(fs::exists(root / "Program.exe.out"));
    EXPECT_TRUE(shown[0].empty() && shown[1].empty());
    ASSERT_EQ(shown[2].size(), 1u);
    const Box& box = shown[2][0];
    const std::wstring path = (root / "text.exe").wstring();
    EXPECT_EQ(box.title, L"PallixExample");
    EXPECT_EQ(box.text.rfind(L"Can not start " + path + L": ", 0), 0u);
    EXPECT_GT(box.text.size(), 16 + path.size());  // the system's reason
    EXPECT_FALSE(box.icon);
}

}  // namespace
