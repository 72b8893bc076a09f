// The Win32 window's keys, its read command's boxes, closing, and the
// report of an untrapped run-time error, in-process under Wine.
#include "EventBoundary.h"
#include "Pallix400.h"
#include "RuntimeError.h"
#include "WindowTestSupport.h"
#include "basExampleFunctions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

class Input : public testing::Test {
protected:
    void TearDown() override
    {
        Pallix400::ResetLoader();
        QuitStatus();
    }
};

// A key as the message loop hands it to the dialog keys.
bool DialogKey(HWND window, UINT message, WPARAM key)
{
    MSG msg{GetFocus(), message, key, message == WM_SYSCHAR ? (1 << 29) : 0, 0, {}};
    return IsDialogMessageW(window, &msg) != 0;
}

TEST_F(Input, TabAndShiftTabWalkTheFocusFromCloseAsTheDialogKeysDo)
{
    ShownWindow window;
    EXPECT_EQ(GetFocus(), window["cmdClose"]);
    for (const char* next : {"txtTemperatur", "txtOutput", "cmdReadTemp", "cmdClose"}) {
        ASSERT_TRUE(DialogKey(window.form.Window(), WM_KEYDOWN, VK_TAB));
        EXPECT_EQ(GetFocus(), window[next]) << next;
    }
}

struct CloseCase {
    const char* name;
    void (*close)(const ShownWindow&);
};
class Closing : public Input, public testing::WithParamInterface<CloseCase> {};

// The driver's log file gets a digit for each pattern written to the pins:
// a close that touched the driver would leave one.
TEST_P(Closing, EndsTheLoopWithStatusZeroAndCallsNoDriverOperation)
{
    const std::filesystem::path log = std::filesystem::temp_directory_path() / "pallix-close.log";
    std::filesystem::remove(log);
    _putenv_s("PALLIX_TEST_DRIVER_LOG", log.string().c_str());
    Pallix400::ResetLoader(PALLIX_TEST_DRIVER, "");
    basExampleFunctions::bDriverReady = true;
    ShownWindow window;
    basExampleFunctions::bDriverReady = true;  // a reading would touch the pins at once
    GetParam().close(window);
    EXPECT_FALSE(IsWindow(window.form.Window()));
    EXPECT_EQ(QuitStatus(), 0);
    EXPECT_FALSE(std::filesystem::exists(log));
    _putenv_s("PALLIX_TEST_DRIVER_LOG", "");
    basExampleFunctions::bDriverReady = false;
}
INSTANTIATE_TEST_SUITE_P(
    Windows, Closing,
    testing::Values(CloseCase{"CloseButton", [](const ShownWindow& w) { SendMessageW(w["cmdClose"], BM_CLICK, 0, 0); }},
                    CloseCase{"AltC", [](const ShownWindow& w) { DialogKey(w.form.Window(), WM_SYSCHAR, 'c'); }},
                    CloseCase{"EnterOnClose", [](const ShownWindow& w) { DialogKey(w.form.Window(), WM_KEYDOWN, VK_RETURN); }},
                    CloseCase{"CloseBox", [](const ShownWindow& w) { SendMessageW(w.form.Window(), WM_CLOSE, 0, 0); }},
                    CloseCase{"AltF4",
                              [](const ShownWindow& w) { SendMessageW(w.form.Window(), WM_SYSCOMMAND, SC_CLOSE, 0); }}),
    [](const auto& test) { return std::string(test.param.name); });

// No driver installed: the simulator beside the program, and the reading in
// the decimal separator of the user's own settings.
TEST_F(Input, AltRReadsThroughTheSimulatorInTheUsersDecimalSeparator)
{
    wchar_t previous[8] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, previous, 8);
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, L",");
    _putenv_s("PALLIX400_SIM_TEMP", "25.0625");
    Pallix400::ResetLoader("Pallix400.dll", Pallix400::BundledSimulator());
    ShownWindow window;
    EXPECT_EQ(TextOf(window["txtTemperatur"]), L"No value");
    DialogKey(window.form.Window(), WM_SYSCHAR, 'r');
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, previous);
    EXPECT_EQ(TextOf(window["txtTemperatur"]), L"25,0625");
    EXPECT_EQ(TextOf(window["txtOutput"]), L"Simulated adapter: no Pallix400.dll is installed\r\nPort: 1\r\n");
    basExampleFunctions::bDriverReady = false;
}

TEST_F(Input, AnUntrappedErrorIsReportedWithItsNumberAndEndsTheLoopWithStatusOne)
{
    ShownWindow window;
    MessageBoxes boxes;
    EXPECT_FALSE(EventBoundary::Run([] { throw RuntimeError(6, "Overflow"); }));
    const auto seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, L"PallixExample");
    EXPECT_EQ(seen[0].text, L"Run-time error '6':\n\nOverflow");
    EXPECT_EQ(EventBoundary::RunMessageLoop(window.form.Window()), 1);
}

}  // namespace
