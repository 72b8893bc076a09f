// SPDX-License-Identifier: MIT

#include "frmPallixExample.h"

#include "RecordingView.h"
#include "RuntimeError.h"
#include "ScriptedDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using frmPallixExampleLayout::ControlId;
using Calls = std::vector<std::string>;

const std::string kBlue = std::to_string(0x00FF0000);

class Window : public testing::Test {
protected:
    void SetUp() override
    {
        form.Load();
        view.Take();
    }
    ScriptedDriver driver;
    RecordingView view;
    frmPallixExample form{view, basExampleFunctions(driver.Driver())};
};

TEST_F(Window, LoadingSetsTheLinkTheTitleAndTheBrowserAndClosesTheConnection)
{
    form.Adapter().bDriverReady = true;
    form.Load();
    EXPECT_EQ(view.Take(), (Calls{"SetTextColour(lblUrl, " + kBlue + ")", "SetCaption(PallixExample)"}));
    EXPECT_FALSE(form.Adapter().bDriverReady);
    EXPECT_EQ(form.lLinkColor, 0x00FF0000u);
    EXPECT_FALSE(form.sBrowserPath.empty());
}

// One press each, in order: what the driver answers and what the two boxes
// are then told.
struct Press {
    const char* what;
    std::vector<int32_t> frames;  // raw readings; empty: a frame the sensor spoils
    Calls expected;
};

struct Sequence {
    const char* name;
    std::vector<Press> presses;
};

class Reading : public Window, public testing::WithParamInterface<Sequence> {};

TEST_P(Reading, ShowsEachNewTemperatureAndEveryPresssLog)
{
    view.decimalSeparator = ",";
    for (const Press& press : GetParam().presses) {
        if (press.frames.empty()) {
            driver.Frame(400, 0b0111);
        }
        for (const int32_t raw : press.frames) {
            driver.Frame(raw);
        }
        form.Click(ControlId::cmdReadTemp);
        EXPECT_EQ(view.Take(), press.expected) << press.what;
    }
}

const Calls kOpened{"SetText(txtTemperatur, 25)", "SetText(txtOutput, Port: 1\r\n)"};

INSTANTIATE_TEST_SUITE_P(
    Presses, Reading,
    testing::Values(
        Sequence{"ChangesOfEveryKind",
                 {{"opening", {400}, kOpened},
                  {"as many characters, another value", {416}, {"SetText(txtTemperatur, 26)", "SetText(txtOutput, )"}},
                  {"an equal reading leaves the box alone", {416}, {"SetText(txtOutput, )"}},
                  {"fractions with the user's separator",
                   {401},
                   {"SetText(txtTemperatur, 25,0625)", "SetText(txtOutput, )"}},
                  {"a spoilt frame", {}, {"SetText(txtTemperatur, Error)", "SetText(txtOutput, )"}},
                  {"back to a value", {400}, {"SetText(txtTemperatur, 25)", "SetText(txtOutput, )"}}}},
        Sequence{"ShorterAndLonger",
                 {{"a shorter value", {-16}, {"SetText(txtTemperatur, -1)", "SetText(txtOutput, Port: 1\r\n)"}},
                  {"a longer one", {4095}, {"SetText(txtTemperatur, 255,9375)", "SetText(txtOutput, )"}}}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(Window, AFailedOpenLeavesTheTemperatureAndShowsOnlyTheLog)
{
    driver.initiateResult = 0;
    driver.errorText = "No adapter";
    driver.errorCount = 10;
    form.Click(ControlId::cmdReadTemp);
    EXPECT_EQ(view.Take(), (Calls{"SetText(txtOutput, Error: InitiateDriver: No adapter\r\n)"}));
    EXPECT_EQ(view.Text(ControlId::txtTemperatur), "No value");
}

// Where the mouse moves and what the window then does: the link's look is
// set in full on every move over the link or the window's own surface, and
// nothing changes over any other control.
struct Move {
    ControlId over;
    Calls expected;
};

class MouseMoves : public Window, public testing::WithParamInterface<Move> {};

TEST_P(MouseMoves, SetTheLinksLookOnlyOverTheLinkOrTheWindowsSurface)
{
    form.MouseMove(GetParam().over);
    EXPECT_EQ(view.Take(), GetParam().expected);
}

const Calls kHover{"SetTextColour(lblUrl, " + kBlue + ")", "SetUnderline(lblUrl, on)", "SetPointer(99)"};
const Calls kResting{"SetTextColour(lblUrl, " + kBlue + ")", "SetUnderline(lblUrl, off)", "SetPointer(0)"};

INSTANTIATE_TEST_SUITE_P(Controls, MouseMoves,
                         testing::Values(Move{ControlId::lblUrl, kHover}, Move{ControlId::Window, kResting},
                                         Move{ControlId::Line6, kResting}, Move{ControlId::lblMiral, {}},
                                         Move{ControlId::imgMiral, {}}, Move{ControlId::frLayout, {}},
                                         Move{ControlId::cmdClose, {}}, Move{ControlId::txtTemperatur, {}}));

// A click, and the error the browser's start ends with (0: none).
struct ClickCase {
    ControlId control;
    int failure;
    Calls expected;
};

class Clicks : public Window, public testing::WithParamInterface<ClickCase> {};

TEST_P(Clicks, RunOnlyTheClickedControlsHandlerWhoseFailuresShowUnlessThereIsNoBrowser)
{
    if (const int number = GetParam().failure) {
        view.failures["StartProgram"] = [number] { throw RuntimeError(number, "Permission denied"); };
    }
    form.sBrowserPath = "/opt/browser";
    form.Click(GetParam().control);
    EXPECT_EQ(view.Take(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, Clicks,
    testing::Values(ClickCase{ControlId::cmdClose, 0, {"Close()"}},
                    ClickCase{ControlId::lblUrl, 0, {"StartProgram(/opt/browser, http://www.miral.example)"}},
                    ClickCase{ControlId::lblUrl, RuntimeError::FileNotFound, {}},
                    ClickCase{ControlId::lblUrl, RuntimeError::PermissionDenied, {"ShowMessage(Permission denied)"}},
                    ClickCase{ControlId::lblMiral, 0, {}}, ClickCase{ControlId::txtOutput, 0, {}}));

TEST_F(Window, AnUntrappedErrorIsReportedWithItsNumberAndEndsTheProgram)
{
    view.failures["SetUnderline"] = [] { throw RuntimeError(RuntimeError::InvalidArgument, "Invalid procedure call"); };
    form.MouseMove(ControlId::lblUrl);
    EXPECT_EQ(view.Take(),
              (Calls{"SetTextColour(lblUrl, " + kBlue + ")",
                     "ShowMessage(Run-time error '5':\n\nInvalid procedure call, critical)", "EndProgram(1)"}));

    // Also when the report itself cannot be shown.
    view.failures["ShowMessage"] = [] { throw std::bad_alloc(); };
    form.Load();
    form.MouseMove(ControlId::Window);
    EXPECT_EQ(view.Take().back(), "EndProgram(1)");
}

TEST(WindowLayout, NamesEachControlForScreenReadersFromItsRow)
{
    using frmPallixExampleLayout::AccessibleName;
    using frmPallixExampleLayout::Get;
    EXPECT_EQ(AccessibleName(Get(ControlId::cmdReadTemp)), "Read");
    EXPECT_EQ(AccessibleName(Get(ControlId::frOutput)), "Status Log");
    EXPECT_EQ(AccessibleName(Get(ControlId::lblUrl)), "http://www.miral.example/");
    EXPECT_EQ(AccessibleName(Get(ControlId::txtOutput)), "Status Log");
    EXPECT_EQ(AccessibleName(Get(ControlId::Line3)), "");
}

}  // namespace
