#include "ScriptedDriver.h"
#include "basExampleFunctions.h"

#include <gtest/gtest.h>

using basExampleFunctions::OpenAdapter;

namespace {

struct OpenCase {
    const char* name;
    int32_t initiateResult;
    std::string errorText;
    int32_t errorCount;
    int32_t setPortResult;
    int32_t getPortResult;
    std::string expectedLog;
    bool expectedOpen;
    std::vector<std::string> expectedCalls;
};

std::string Repeat(char c, std::size_t n)
{
    return std::string(n, c);
}

const std::vector<std::string> kInitiateFailed = {"InitiateDriver(3)", "CopyErrorText(7,100)"};
const std::vector<std::string> kAllCalls = {"InitiateDriver(3)", "SetPort(1)", "GetPort()"};

const OpenCase kOpenCases[] = {
    {"InitiateFailureAppendsTheDriversText", 7, "No adapter!", 11, 1, 1, "Error: InitiateDriver: No adapter!\r\n",
     false, kInitiateFailed},
    {"InitiateResultOtherThanOneIsAFailure",
     2,
     "Busy",
     4,
     1,
     1,
     "Error: InitiateDriver: Busy\r\n",
     false,
     {"InitiateDriver(3)", "CopyErrorText(2,100)"}},
    {"ZeroCountAppendsNoText", 7, "ignored", 0, 1, 1, "Error: InitiateDriver: \r\n", false, kInitiateFailed},
    {"CountBeyondTheBufferTakesTheWholeBuffer", 7, Repeat('x', 100), 250, 1, 1,
     "Error: InitiateDriver: " + Repeat('x', 100) + "\r\n", false, kInitiateFailed},
    {"NegativeCountAppendsNoTextInsteadOfFailing", 7, "Broken", -1, 1, 1, "Error: InitiateDriver: \r\n", false,
     kInitiateFailed},
    {"TextEndsAtItsFirstNulByte", 7, std::string("Bad\0junk", 8), 8, 1, 1, "Error: InitiateDriver: Bad\r\n", false,
     kInitiateFailed},
    {"CountShorterThanTheTextCutsIt", 7, "Timeout waiting", 7, 1, 1, "Error: InitiateDriver: Timeout\r\n", false,
     kInitiateFailed},
    {"SetPortFailureStillAsksForThePort", 1, "", 0, 0, 1, "Can not set Port1\r\nPort: 1\r\n", false, kAllCalls},
    {"AnyNonZeroSetPortResultIsSuccess", 1, "", 0, 5, 1, "Port: 1\r\n", true, kAllCalls},
    {"GetPortValueIsPrintedAsItIs", 1, "", 0, 1, -1, "Port: -1\r\n", true, kAllCalls},
};

class OpenAdapterCases : public testing::TestWithParam<OpenCase> {};

TEST_P(OpenAdapterCases, LogsResultAndCallsInOrder)
{
    const OpenCase& c = GetParam();
    ScriptedDriver driver;
    driver.InitiateResult(c.initiateResult)
        .ErrorText(c.errorText, c.errorCount)
        .SetPortResult(c.setPortResult)
        .GetPortResult(c.getPortResult);

    std::string log;
    EXPECT_EQ(OpenAdapter(log), c.expectedOpen);
    EXPECT_EQ(log, c.expectedLog);
    EXPECT_EQ(driver.Calls(), c.expectedCalls);
}

INSTANTIATE_TEST_SUITE_P(Cases, OpenAdapterCases, testing::ValuesIn(kOpenCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(OpenAdapter, KeepsWhatTheLogHeldAndAppendsBehindIt)
{
    ScriptedDriver driver;
    driver.GetPortResult(1);
    std::string log = "earlier\r\n";
    EXPECT_TRUE(OpenAdapter(log));
    EXPECT_EQ(log, "earlier\r\nPort: 1\r\n");
}

}  // namespace
