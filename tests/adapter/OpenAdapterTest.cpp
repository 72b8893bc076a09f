// SPDX-License-Identifier: MIT

#include "ScriptedDriver.h"
#include "basExampleFunctions.h"

#include <gtest/gtest.h>

namespace {

// A count beyond the buffer, a negative one and a text with a NUL byte are
// rows of tests/e2e/test_fault_matrix.py, through the window and pallix-read.
struct OpenCase {
    const char* name;
    int32_t initiateResult;
    std::string errorText;
    int32_t errorCount;
    int32_t setPortResult;
    int32_t getPortResult;
    std::string expectedLog;
    bool expectedOpen;
};

const OpenCase kOpenCases[] = {
    {"InitiateFailureAppendsTheDriversText", 7, "No adapter!", 11, 1, 1, "Error: InitiateDriver: No adapter!\r\n",
     false},
    {"InitiateResultOtherThanOneIsAFailure", 2, "Busy", 4, 1, 1, "Error: InitiateDriver: Busy\r\n", false},
    {"ZeroCountAppendsNoText", 7, "ignored", 0, 1, 1, "Error: InitiateDriver: \r\n", false},
    {"CountBeyondAShortTextTakesTheTextOnly", 7, "Short", 250, 1, 1, "Error: InitiateDriver: Short\r\n", false},
    {"CountShorterThanTheTextCutsIt", 7, "Timeout waiting", 7, 1, 1, "Error: InitiateDriver: Timeout\r\n", false},
    {"SetPortFailureStillAsksForThePort", 1, "", 0, 0, 1, "Can not set Port1\r\nPort: 1\r\n", false},
    {"AnyNonZeroSetPortResultIsSuccess", 1, "", 0, 5, 1, "Port: 1\r\n", true},
    {"GetPortValueIsPrintedAsItIs", 1, "", 0, 1, -1, "Port: -1\r\n", true},
};

class OpenAdapterCases : public testing::TestWithParam<OpenCase> {};

TEST_P(OpenAdapterCases, LogsTheOutcomeAndCallsTheDriverInOrder)
{
    const OpenCase& c = GetParam();
    ScriptedDriver driver;
    basExampleFunctions adapter(driver.Driver());
    driver.initiateResult = c.initiateResult;
    driver.errorText = c.errorText;
    driver.errorCount = c.errorCount;
    driver.setPortResult = c.setPortResult;
    driver.getPortResult = c.getPortResult;

    std::string log = "earlier\r\n";
    EXPECT_EQ(adapter.OpenAdapter(log), c.expectedOpen);
    EXPECT_EQ(log, "earlier\r\n" + c.expectedLog);  // appended behind what the log held
    const std::string initiate = "InitiateDriver(3)";
    const std::vector<std::string> expectedCalls =
        c.initiateResult != 1
            ? std::vector<std::string>{initiate, "CopyErrorText(" + std::to_string(c.initiateResult) + ",100)"}
            : std::vector<std::string>{initiate, "SetPort(1)", "GetPort()"};
    EXPECT_EQ(driver.calls, expectedCalls);
}

INSTANTIATE_TEST_SUITE_P(Cases, OpenAdapterCases, testing::ValuesIn(kOpenCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
