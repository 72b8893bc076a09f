// The Win32 window in-process under Wine: where its controls stand, what
// it draws, its keys, its boxes, its pointer and its web link.
#include "EventBoundary.h"
#include "Pallix400.h"
#include "RuntimeError.h"
#include "WindowTestSupport.h"
#include "basExampleFunctions.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using frmPallixExampleControls::TwipsToPixels;
namespace fs = std::filesystem;

class Window : public testing::Test {
protected:
    void TearDown() override
    {
        Pallix400::ResetLoader();
        QuitStatus();  // a closed window's quit is this test's alone
    }
};

TEST_F(Window, HasA495By425ClientAreaThatCannotBeResizedAndOpensAsPallixExample)
{
    frmPallixExample form;
    EXPECT_EQ(TextOf(form.Window()), L"Example");
    form.Form_Load();
    EXPECT_EQ(TextOf(form.Window()), L"PallixExample");
    RECT client;
    GetClientRect(form.Window(), &client);
    EXPECT_EQ(client.right, 495);
    EXPECT_EQ(client.bottom, 425);
    EXPECT_EQ(GetWindowLongW(form.Window(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
}

struct Place {
    const char* name;
    POINT twips;  // in the window's client area
};
class Placement : public Window, public testing::WithParamInterface<Place> {};

TEST_P(Placement, FrameContentsStandWhereTheWindowWantsThem)
{
    frmPallixExample form;
    const RECT place = PlaceOf(form.Control(GetParam().name));
    EXPECT_EQ(place.left * 15, GetParam().twips.x);
    EXPECT_EQ(place.top * 15, GetParam().twips.y);
}
INSTANTIATE_TEST_SUITE_P(Windows, Placement,
                         testing::Values(Place{"cmdReadTemp", {1320, 2400}}, Place{"txtTemperatur", {1560, 1920}},
                                         Place{"lblC", {2400, 1920}}, Place{"txtOutput", {360, 3840}}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(Window, TextIsTheSystemsDialogFontAtEightPoints)
{
    frmPallixExample form;
    for (HWND child = GetWindow(form.Window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, -MulDiv(8, 96, 72)) << TextOf(child).c_str();
        EXPECT_STREQ(font.lfFaceName, L"MS Shell Dlg");
    }
}

// The window drawn into a bitmap, children and all.
std::vector<COLORREF> Drawn(HWND window, int width, int height)
{
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_CHILDREN | PRF_ERASEBKGND);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(GetPixel(dc, x, y));
        }
    }
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Each picture at its place, pixel for pixel, where no line lies above it;
// the lines in the window-text colour above the photo, ending on its pins.
TEST_F(Window, PicturesShowTheirOwnPixelsAndTheDiagramsLinesLieAboveThePhoto)
{
    ShownWindow window;
    const std::vector<COLORREF> drawn = Drawn(window.form.Window(), 495, 425);
    const auto at = [&](int x, int y) { return drawn[static_cast<std::size_t>(y * 495 + x)]; };
    struct Picture {
        const wchar_t* name;
        POINT place;
    };
    HDC dc = CreateCompatibleDC(nullptr);
    for (const Picture& picture : {Picture{L"adapter", {360, 96}}, Picture{L"logo", {128, 8}}}) {
        auto* bitmap = static_cast<HBITMAP>(
            LoadImageW(GetModuleHandleW(nullptr), picture.name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        BITMAP size{};
        GetObjectW(bitmap, sizeof size, &size);
        const HGDIOBJ previous = SelectObject(dc, bitmap);
        int lines = 0;
        int differing = 0;
        for (int y = 0; y < size.bmHeight; ++y) {
            for (int x = 0; x < size.bmWidth; ++x) {
                const COLORREF shown = at(picture.place.x + x, picture.place.y + y);
                lines += shown != GetPixel(dc, x, y) && shown == GetSysColor(COLOR_WINDOWTEXT) ? 1 : 0;
                differing += shown != GetPixel(dc, x, y) ? 1 : 0;
            }
        }
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        EXPECT_EQ(differing, lines) << picture.name;
        EXPECT_EQ(lines > 0, picture.place.x == 360) << picture.name;  // only the photo has lines above it
    }
    DeleteDC(dc);
    for (const POINT end : {POINT{8, 24}, POINT{8, 40}, POINT{24, 72}, POINT{24, 80}}) {
        EXPECT_EQ(at(360 + end.x, 96 + end.y), GetSysColor(COLOR_WINDOWTEXT));
    }
}

// Windows names a text box after the window just before it: its frame.
TEST_F(Window, TabWalksCloseTemperatureStatusReadAndEachFrameStandsJustBeforeItsBox)
{
    ShownWindow window;
    const HWND order[] = {window["cmdClose"], window["txtTemperatur"], window["txtOutput"], window["cmdReadTemp"]};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(GetNextDlgTabItem(window.form.Window(), order[i], FALSE), order[(i + 1) % 4]) << i;
        EXPECT_EQ(GetNextDlgTabItem(window.form.Window(), order[(i + 1) % 4], TRUE), order[i]) << i;
    }
    EXPECT_EQ(GetWindow(window["txtTemperatur"], GW_HWNDPREV), window["frReadTemp"]);
    EXPECT_EQ(GetWindow(window["txtOutput"], GW_HWNDPREV), window["frOutput"]);
}

bool UnderWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// What a screen reader reads: the buttons by their captions without the
// access key's marker, each box by its frame just before it. Wine's oleacc
// takes a box's name only from a plain label before it, never from a frame,
// so there the boxes' names are not checked (the child order is, above).
TEST_F(Window, ScreenReadersNameTheButtonsByTheirCaptionsAndTheBoxesByTheirFrames)
{
    ShownWindow window;
    CoInitialize(nullptr);
    std::vector<std::pair<const char*, std::wstring>> names = {{"cmdReadTemp", L"Read"}, {"cmdClose", L"Close"}};
    if (!UnderWine()) {
        names.insert(names.end(), {{"txtTemperatur", L"Temperatur"}, {"txtOutput", L"Status Log"}});
    }
    for (const auto& [control, expected] : names) {
        IAccessible* accessible = nullptr;
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR name = nullptr;
        if (FAILED(AccessibleObjectFromWindow(window[control], static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                              reinterpret_cast<void**>(&accessible))) ||
            FAILED(accessible->get_accName(self, &name)) || name == nullptr) {
            ADD_FAILURE() << control << ": no accessible name";
        } else {
            std::wstring text(name);
            text.erase(text.find_last_not_of(L' ') + 1);
            EXPECT_EQ(text, expected) << control;
        }
        SysFreeString(name);
        if (accessible != nullptr) {
            accessible->Release();
        }
    }
    CoUninitialize();
}

}  // namespace
