// The web link of the Win32 window in-process under Wine: its look, the
// window's pointer, and the browser it starts.
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// Underlined, and in the link's colour.
std::pair<bool, COLORREF> LinkLook(const ShownWindow& window)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window["lblUrl"], WM_GETFONT, 0, 0)), sizeof font, &font);
    HDC dc = GetDC(window["lblUrl"]);
    SendMessageW(window.form.Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(window["lblUrl"]));
    const COLORREF colour = GetTextColor(dc);
    ReleaseDC(window["lblUrl"], dc);
    return {font.lfUnderline != 0, colour};
}

// The maker's name (260,12), its logo (140,20) and a frame (100,100) are
// not the window's own surface: moves over them leave the look as it is.
TEST(WebLink, IsUnderlinedFromAMoveOverItUntilAMoveOverTheWindowsOwnSurface)
{
    ShownWindow window;
    const COLORREF blue = RGB(0, 0, 255);
    EXPECT_EQ(LinkLook(window), std::pair(false, blue));
    SendMessageW(window["lblUrl"], WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    for (const LPARAM over : {MAKELPARAM(260, 12), MAKELPARAM(140, 20), MAKELPARAM(100, 100)}) {
        SendMessageW(window.form.Window(), WM_MOUSEMOVE, 0, over);
        EXPECT_EQ(LinkLook(window), std::pair(true, blue));
        EXPECT_EQ(window.form.MousePointer(), 99);
    }
    SendMessageW(window.form.Window(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(LinkLook(window), std::pair(false, blue));
    EXPECT_EQ(window.form.MousePointer(), 0);
}

// The system asks the window under the pointer which pointer to show.
TEST(WebLink, TheHandShowsOverTheSurfaceLinkNameAndLogoButNotOverFramesTheirContentsButtonsAndBoxes)
{
    ShownWindow window;
    window.form.UpdateWebLink(true);
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

std::string Recorded(const fs::path& program)
{
    const fs::path out = program.string() + ".out";
    for (int wait = 0; wait < 500 && !fs::exists(out); ++wait) {
        Sleep(20);
    }
    return (std::stringstream() << std::ifstream(out).rdbuf()).str();
}

// "C:\Program.exe" stands where the system, left to split the unquoted path
// at its blanks, would run it first. A missing browser shows nothing; one
// that cannot start, a plain box with the system's reason.
TEST(WebLink, AClickStartsExactlyTheBrowsersFileWithTheAddressOrSaysWhyItCannot)
{
    const fs::path root = fs::temp_directory_path() / "pallix link";
    const fs::path browser = root / "Program Files" / "Internet Explorer" / "IEXPLORE.EXE";
    fs::remove_all(root);
    fs::create_directories(browser.parent_path());
    fs::copy_file(PALLIX_RECORDER, browser);
    fs::copy_file(PALLIX_RECORDER, root / "Program.exe");
    std::ofstream(root / "text.exe") << "not a program";
    ShownWindow window;
    std::vector<std::vector<Box>> shown;
    for (const fs::path& path : {browser, root / "missing.exe", root / "text.exe"}) {
        window.form.sBrowserPath = path.wstring();
        shown.push_back(BoxesWhile([&] {
            SendMessageW(window["lblUrl"], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            SendMessageW(window["lblUrl"], WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        }));
    }
    EXPECT_EQ(Recorded(browser), "1\n[http://www.miral.example]\n");
    EXPECT_FALSE(fs::exists(root / "Program.exe.out"));
    EXPECT_TRUE(shown[0].empty() && shown[1].empty());
    ASSERT_EQ(shown[2].size(), 1u);
    const Box& box = shown[2][0];
    EXPECT_EQ(box.title, L"PallixExample");
    EXPECT_EQ(box.text.rfind(L"Can not start " + window.form.sBrowserPath + L": ", 0), 0u);
    EXPECT_GT(box.text.size(), 16 + window.form.sBrowserPath.size());  // the system's reason
    EXPECT_FALSE(box.icon);
}

}  // namespace
