// The web link of the Win32 window in-process under Wine: its look, the
// window's pointer, and the browser it starts.
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

bool Underlined(HWND link)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfUnderline != 0;
}

COLORREF LinkColour(const ShownWindow& window)
{
    HDC dc = GetDC(window["lblUrl"]);
    SendMessageW(window.form.Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(window["lblUrl"]));
    const COLORREF colour = GetTextColor(dc);
    ReleaseDC(window["lblUrl"], dc);
    return colour;
}

void MoveOver(HWND target, POINT point)
{
    SendMessageW(target, WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
}

TEST(WebLink, IsUnderlinedOnlyOnceTheMouseMovesOverItAndUntilItMovesOverTheWindowsOwnSurface)
{
    ShownWindow window;
    HWND surface = window.form.Window();
    EXPECT_FALSE(Underlined(window["lblUrl"]));
    EXPECT_EQ(LinkColour(window), RGB(0, 0, 255));
    MoveOver(window["lblUrl"], {2, 2});
    EXPECT_TRUE(Underlined(window["lblUrl"]));
    EXPECT_EQ(window.form.MousePointer(), 99);
    // The maker's name, its logo and a frame are controls of their own: the look stays.
    for (const POINT over : {POINT{260, 12}, POINT{140, 20}, POINT{100, 100}}) {
        MoveOver(surface, over);
        EXPECT_TRUE(Underlined(window["lblUrl"])) << over.x << "," << over.y;
    }
    MoveOver(surface, {10, 10});
    EXPECT_FALSE(Underlined(window["lblUrl"]));
    EXPECT_EQ(window.form.MousePointer(), 0);
    EXPECT_EQ(LinkColour(window), RGB(0, 0, 255));
}

struct PointerCase {
    const char* name;
    POINT point;  // in the client area
    bool hand;
};
class Pointer : public testing::TestWithParam<PointerCase> {};

// The system asks the window under the pointer which pointer to show.
TEST_P(Pointer, ShowsTheHandOverTheSurfaceAndWhatStandsOnItButNotOverControlsWithTheirOwn)
{
    ShownWindow window;
    window.form.UpdateWebLink(true);
    POINT screen = GetParam().point;
    ClientToScreen(window.form.Window(), &screen);
    ASSERT_TRUE(SetCursorPos(screen.x, screen.y));
    HWND under = WindowFromPoint(screen);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor() == LoadCursorW(nullptr, IDC_HAND), GetParam().hand);
}
INSTANTIATE_TEST_SUITE_P(Windows, Pointer,
                         testing::Values(PointerCase{"Surface", {10, 10}, true}, PointerCase{"lblUrl", {252, 30}, true},
                                         PointerCase{"lblMiral", {260, 12}, true},
                                         PointerCase{"imgMiral", {140, 20}, true},
                                         PointerCase{"frLayout", {252, 150}, false},
                                         PointerCase{"lblClk", {262, 145}, false},
                                         PointerCase{"Image1", {400, 150}, false},
                                         PointerCase{"txtTemperatur", {120, 134}, false},
                                         PointerCase{"cmdClose", {30, 395}, false},
                                         PointerCase{"txtOutput", {100, 300}, false}),
                         [](const auto& test) { return std::string(test.param.name); });

void Click(HWND link)
{
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

std::string Recorded(const fs::path& program)
{
    const fs::path out = program.string() + ".out";
    for (int wait = 0; wait < 500 && !fs::exists(out); ++wait) {
        Sleep(20);
    }
    std::ifstream file(out);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// "C:\Program.exe" is planted where the system, left to split the unquoted
// path at its blanks, would run it first.
TEST(WebLink, StartsExactlyTheBrowsersFileWithTheAddressAsItsOneArgument)
{
    const fs::path root = fs::temp_directory_path() / "pallix link";
    const fs::path browser = root / "Program Files" / "Internet Explorer" / "IEXPLORE.EXE";
    fs::remove_all(root);
    fs::create_directories(browser.parent_path());
    fs::copy_file(PALLIX_RECORDER, browser);
    fs::copy_file(PALLIX_RECORDER, root / "Program.exe");
    ShownWindow window;
    window.form.sBrowserPath = browser.wstring();
    MessageBoxes boxes;
    Click(window["lblUrl"]);
    EXPECT_EQ(Recorded(browser), "1\n[http://www.miral.example]\n");
    EXPECT_FALSE(fs::exists(root / "Program.exe.out"));
    EXPECT_TRUE(boxes.Seen().empty());
}

struct FailedStart {
    const char* name;
    const char* content;  // of the file at the browser's path; nullptr: no file
    const wchar_t* says;  // how the box's text starts; nullptr: no box
};
class BrowserThatCannotStart : public testing::TestWithParam<FailedStart> {};

TEST_P(BrowserThatCannotStart, ShowsWhyInAPlainBoxUnlessThereIsNoSuchFile)
{
    const fs::path browser = fs::temp_directory_path() / "pallix-browser" / "IEXPLORE.EXE";
    fs::remove_all(browser.parent_path());
    fs::create_directories(browser.parent_path());
    if (GetParam().content != nullptr) {
        std::ofstream(browser) << GetParam().content;
    }
    ShownWindow window;
    window.form.sBrowserPath = browser.wstring();
    MessageBoxes boxes;
    Click(window["lblUrl"]);
    const auto seen = boxes.Seen();
    ASSERT_EQ(seen.size(), GetParam().says != nullptr ? 1u : 0u);
    if (!seen.empty()) {
        EXPECT_EQ(seen[0].title, L"PallixExample");
        EXPECT_EQ(seen[0].text.rfind(GetParam().says, 0), 0u) << seen[0].text.c_str();
        EXPECT_GT(seen[0].text.size(), std::wstring(GetParam().says).size() + browser.wstring().size() + 2);
        EXPECT_FALSE(seen[0].icon);
    }
    EXPECT_TRUE(IsWindowEnabled(window.form.Window()));
}
INSTANTIATE_TEST_SUITE_P(Windows, BrowserThatCannotStart,
                         testing::Values(FailedStart{"NoSuchFile", nullptr, nullptr},
                                         FailedStart{"NotAProgram", "plain text", L"Can not start "}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
