// The Win32 window's keys, the clicks and reads they forward, closing, and
// its message boxes and end of the program, in-process under Wine.
#include "Pallix400.h"
#include "WindowTestSupport.h"
#include "basExampleFunctions.h"

#include <gtest/gtest.h>

namespace {

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

// Any driver operation would load the test driver, whose log file gets a
// digit for each pattern the pins are given.
TEST(Input, CloseAltCEnterTheCloseBoxAndAltF4EndTheLoopWithStatusZeroAndCallNoDriverOperation)
{
    const std::filesystem::path log = std::filesystem::temp_directory_path() / "pallix-close.log";
    std::filesystem::remove(log);
    _putenv_s("PALLIX_TEST_DRIVER_LOG", log.string().c_str());
    // To the window or a control; a dialog key when the message is a key's.
    for (const auto& [control, message, key] : {std::tuple{ControlId::cmdClose, UINT{BM_CLICK}, WPARAM{0}},
                                                std::tuple{ControlId::Window, UINT{WM_SYSCHAR}, WPARAM{'c'}},
                                                std::tuple{ControlId::Window, UINT{WM_KEYDOWN}, WPARAM{VK_RETURN}},
                                                std::tuple{ControlId::Window, UINT{WM_CLOSE}, WPARAM{0}},
                                                std::tuple{ControlId::Window, UINT{WM_SYSCOMMAND}, WPARAM{SC_CLOSE}}}) {
        ShownWindow window(basExampleFunctions(Pallix400(PALLIX_TEST_DRIVER, "")));
        window.form.Form().Adapter().bDriverReady = true;  // so that a read would write to the pins at once
        if (message == WM_SYSCHAR || message == WM_KEYDOWN) {
            DialogKey(window.form.Window(), message, key);
        } else {
            SendMessageW(control != ControlId::Window ? window[control] : window.form.Window(), message, key, 0);
        }
        EXPECT_FALSE(IsWindow(window.form.Window())) << message;
        EXPECT_EQ(QuitStatus(), 0);
    }
    EXPECT_FALSE(std::filesystem::exists(log));
    _putenv_s("PALLIX_TEST_DRIVER_LOG", "");
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

TEST(Input, ACriticalMessageShowsTheErrorIconAndTheEndOfTheProgramEndsTheLoopWithItsStatus)
{
    ShownWindow window;
    const auto boxes = BoxesWhile([&] {
        window.form.ShowMessage("Run-time error '6':\n\nOverflow \xC2\xB0",
                                frmPallixExampleView::MessageIcon::Critical);
        window.form.EndProgram(1);
    });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title + L"|" + boxes[0].text, L"PallixExample|Run-time error '6':\n\nOverflow \u00B0");
    EXPECT_TRUE(boxes[0].icon);
    EXPECT_EQ(window.form.RunMessageLoop(), 1);
}

}  // namespace
