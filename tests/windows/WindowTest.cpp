// The Win32 window in-process under Wine: where its controls stand, what it
// draws, the order of its child windows and what a screen reader reads.
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <oleacc.h>

namespace {

TEST(Window, Has495By425PixelsNotResizableAndEveryTextInTheDialogFontAtEightPoints)
{
    frmPallixExampleWin32 form;
    EXPECT_EQ(TextOf(form.Window()), L"Example");
    form.Form_Load();
    EXPECT_EQ(TextOf(form.Window()), L"PallixExample");
    RECT client;
    GetClientRect(form.Window(), &client);
    EXPECT_EQ(client.right * 10000 + client.bottom, 495 * 10000 + 425);
    EXPECT_EQ(GetWindowLongW(form.Window(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    for (HWND child = GetWindow(form.Window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, -MulDiv(8, 96, 72)) << TextOf(child).c_str();
        EXPECT_STREQ(font.lfFaceName, L"MS Shell Dlg");
    }
    // Frame contents, placed relative to their frames, in client twips.
    for (const auto& [name, left, top] :
         {std::tuple{"cmdReadTemp", 1320, 2400}, std::tuple{"txtTemperatur", 1320, 1920},
          std::tuple{"lblC", 2400, 1920}, std::tuple{"txtOutput", 360, 3840}}) {
        RECT place;
        GetWindowRect(form.Control(name), &place);
        MapWindowPoints(nullptr, form.Window(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left * 15 * 10000 + place.top * 15, left * 10000 + top) << name;
    }
}

// Each picture at its place, pixel for pixel where no line lies above it;
// the lines in the window-text colour, above the photo, ending on its pins.
TEST(Window, DrawsThePicturesOwnPixelsWithTheDiagramsLinesAboveThePhoto)
{
    ShownWindow window;
    HDC screen = GetDC(nullptr);
    HDC drawn = CreateCompatibleDC(screen);
    HDC picture = CreateCompatibleDC(screen);
    SelectObject(drawn, CreateCompatibleBitmap(screen, 495, 425));
    SendMessageW(window.form.Window(), WM_PRINT, reinterpret_cast<WPARAM>(drawn), PRF_CLIENT | PRF_CHILDREN);
    const COLORREF line = GetSysColor(COLOR_WINDOWTEXT);
    for (const auto& [name, left, top] : {std::tuple{L"adapter", 360, 96}, std::tuple{L"logo", 128, 8}}) {
        auto* bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, 0));
        BITMAP size{};
        GetObjectW(bitmap, sizeof size, &size);
        DeleteObject(SelectObject(picture, bitmap));
        int lines = 0, others = 0;
        for (int y = 0; y < size.bmHeight; ++y) {
            for (int x = 0; x < size.bmWidth; ++x) {
                const COLORREF shown = GetPixel(drawn, left + x, top + y);
                lines += shown != GetPixel(picture, x, y) && shown == line ? 1 : 0;
                others += shown != GetPixel(picture, x, y) && shown != line ? 1 : 0;
            }
        }
        EXPECT_EQ(others, 0) << name;
        EXPECT_EQ(lines > 0, left == 360) << name;
    }
    for (const auto& [x, y] : {std::pair{8, 24}, std::pair{8, 40}, std::pair{24, 72}, std::pair{24, 80}}) {
        EXPECT_EQ(GetPixel(drawn, 360 + x, 96 + y), line) << x << "," << y;
    }
    DeleteDC(picture);
    DeleteDC(drawn);
    ReleaseDC(nullptr, screen);
}

// Windows names a text box after the window just before it, its frame.
// Wine's oleacc takes a box's name only from a plain label before it, never
// from a frame, so under Wine only the buttons' names are checked.
TEST(Window, ScreenReadersNameTheBoxesByTheirFramesJustBeforeThemAndTheButtonsByTheirCaptions)
{
    ShownWindow window;
    EXPECT_EQ(GetWindow(window["txtTemperatur"], GW_HWNDPREV), window["frReadTemp"]);
    EXPECT_EQ(GetWindow(window["txtOutput"], GW_HWNDPREV), window["frOutput"]);
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    CoInitialize(nullptr);
    for (const auto& [control, expected] :
         {std::pair{"cmdReadTemp", L"Read"}, std::pair{"cmdClose", L"Close"}, std::pair{"txtTemperatur", L"Temperatur"},
          std::pair{"txtOutput", L"Status Log"}}) {
        IAccessible* accessible = nullptr;
        BSTR name = nullptr;
        ASSERT_EQ(AccessibleObjectFromWindow(window[control], static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                             reinterpret_cast<void**>(&accessible)),
                  S_OK);
        VARIANT self{};
        self.vt = VT_I4;
        accessible->get_accName(self, &name);
        std::wstring text = name != nullptr ? name : L"";
        text.erase(text.find_last_not_of(L' ') + 1);
        EXPECT_TRUE(text == expected || (wine && control[0] == 't')) << control;
        SysFreeString(name);
        accessible->Release();
    }
    CoUninitialize();
}

}  // namespace
