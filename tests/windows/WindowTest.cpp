// SPDX-License-Identifier: MIT

// The Win32 window in-process under Wine: where its controls stand and stay
// while it is resized, how its labels hold their text, and what it draws.
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using frmPallixExampleLayout::ControlType;

// Every child window's place in the window's client area: left, top, right, bottom.
std::map<HWND, std::tuple<long, long, long, long>> Places(HWND window)
{
    std::map<HWND, std::tuple<long, long, long, long>> places;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place;
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        places[child] = {place.left, place.top, place.right, place.bottom};
    }
    return places;
}

TEST(Window, Has495By425PixelsTheBoxesOfAnOrdinaryWindowAndEveryTextInTheDialogFontAtEightPoints)
{
    ShownWindow window;
    EXPECT_EQ(TextOf(window.form.Window()), L"PallixExample");
    RECT client;
    GetClientRect(window.form.Window(), &client);
    EXPECT_EQ(client.right * 10000 + client.bottom, 495 * 10000 + 425);
    const DWORD ordinary = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(window.form.Window(), GWL_STYLE)) & ordinary, ordinary);
    for (const auto& control : frmPallixExampleLayout::Controls()) {
        HWND child = window[control.id];
        if (child == nullptr) {
            continue;
        }
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, -MulDiv(8, 96, 72)) << control.name;
        EXPECT_STREQ(font.lfFaceName, L"MS Shell Dlg");
        // Labels hold their text at the top, on one line, aligned as their row says.
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        const bool label = control.type == ControlType::Label || control.type == ControlType::Link;
        const LONG aligned =
            control.alignment == frmPallixExampleLayout::TextAlignment::Right ? SS_RIGHT : SS_LEFTNOWORDWRAP;
        EXPECT_TRUE(!label || (style & (SS_TYPEMASK | SS_CENTERIMAGE)) == aligned) << control.name;
        if (control.fitsText) {
            HDC dc = GetDC(child);
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)));
            const std::wstring text = TextOf(child);
            SIZE extent{};
            GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
            ReleaseDC(child, dc);
            RECT area;
            GetClientRect(child, &area);
            EXPECT_GE(area.right, extent.cx) << control.name;  // its whole text
        }
    }
    // Frame contents, placed relative to their frames, in client twips.
    for (const auto& [id, left, top] :
         {std::tuple{ControlId::cmdReadTemp, 1320, 2400}, std::tuple{ControlId::txtTemperatur, 1320, 1920},
          std::tuple{ControlId::lblC, 2400, 1920}, std::tuple{ControlId::txtOutput, 360, 3840}}) {
        const auto [x, y, right, bottom] = Places(window.form.Window())[window[id]];
        EXPECT_EQ(x * 15 * 10000 + y * 15, left * 10000 + top) << static_cast<int>(id);
    }
}

// Larger, maximized, restored and smaller: every control where it was, the
// window's size its own (maximized: larger than it was).
TEST(Window, ResizingMovesAndStretchesNoControl)
{
    ShownWindow window;
    HWND form = window.form.Window();
    const auto before = Places(form);
    RECT frame;
    GetWindowRect(form, &frame);
    for (const auto& [grow, showCommand, width, height] :
         {std::tuple{100, SW_SHOWNORMAL, 595L, 525L}, std::tuple{0, SW_MAXIMIZE, 0L, 0L},
          std::tuple{0, SW_RESTORE, 495L, 425L}, std::tuple{-200, SW_SHOWNORMAL, 295L, 225L}}) {
        SetWindowPos(form, nullptr, 0, 0, frame.right - frame.left + grow, frame.bottom - frame.top + grow,
                     SWP_NOMOVE | SWP_NOZORDER);
        ShowWindow(form, showCommand);
        RECT client;
        GetClientRect(form, &client);
        EXPECT_TRUE(width == 0 ? client.right > 495 : client.right == width && client.bottom == height) << grow;
        EXPECT_EQ(Places(form), before) << showCommand;
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

}  // namespace
