#include "ReadCommand.h"

#include "ScriptedDriver.h"
#include "basExampleFunctions.h"

#include <gtest/gtest.h>

namespace {

class ReadCommand : public testing::Test {
protected:
    void SetUp() override { basExampleFunctions::bDriverReady = false; }
    void TearDown() override { basExampleFunctions::bDriverReady = false; }
    ScriptedDriver driver;
};

TEST_F(ReadCommand, FailedOpenLeavesTheTemperatureAndTriesAgainNextTime)
{
    driver.InitiateResult(0).ErrorText("No adapter", 10);
    ReadCommandResult first = RunReadCommand(".");
    EXPECT_EQ(first.statusLog, "Error: InitiateDriver: No adapter\r\n");
    EXPECT_FALSE(first.temperature.has_value());
    EXPECT_FALSE(basExampleFunctions::bDriverReady);

    driver.ErrorText("Still none", 10);
    ReadCommandResult second = RunReadCommand(".");
    EXPECT_EQ(second.statusLog, "Error: InitiateDriver: Still none\r\n");  // only this attempt's lines
    EXPECT_EQ(std::count(driver.Calls().begin(), driver.Calls().end(), "InitiateDriver(3)"), 2);
    EXPECT_TRUE(driver.Patterns().empty());
}

TEST_F(ReadCommand, FirstSuccessReadsAtOnceAndLaterPressesOnlyRead)
{
    driver.Frame(400).Frame(401);
    ReadCommandResult first = RunReadCommand(".");
    EXPECT_EQ(first.statusLog, "Port: 1\r\n");
    EXPECT_EQ(first.temperature, "25");
    EXPECT_TRUE(basExampleFunctions::bDriverReady);

    driver.ClearCalls();
    ReadCommandResult second = RunReadCommand(".");
    EXPECT_EQ(second.statusLog, "");
    EXPECT_EQ(second.temperature, "25.0625");
    EXPECT_EQ(std::count(driver.Calls().begin(), driver.Calls().end(), "InitiateDriver(3)"), 0);
}

TEST_F(ReadCommand, RejectedFrameShowsError)
{
    driver.Frame(400, 0b0111);
    EXPECT_EQ(RunReadCommand(".").temperature, "Error");
}

TEST_F(ReadCommand, SetPortFailureKeepsTheConnectionClosed)
{
    driver.SetPortResult(0);
    ReadCommandResult result = RunReadCommand(".");
    EXPECT_EQ(result.statusLog, "Can not set Port1\r\nPort: 1\r\n");
    EXPECT_FALSE(result.temperature.has_value());
    EXPECT_FALSE(basExampleFunctions::bDriverReady);
}

struct MissingCase {
    const char* operation;
    bool readingStarted;
    const char* expectedLog;
};

class MissingOperation : public ReadCommand, public testing::WithParamInterface<MissingCase> {};

TEST_P(MissingOperation, IsReportedInTheLogAndTheNextPressTriesAgain)
{
    driver.Without(GetParam().operation).Frame(400);
    ReadCommandResult result = RunReadCommand(".");
    EXPECT_EQ(result.statusLog, GetParam().expectedLog);
    EXPECT_EQ(result.temperature.has_value(), GetParam().readingStarted);
    if (GetParam().readingStarted) {
        EXPECT_EQ(result.temperature, "Error");
    }
    // The flag stays as the failed press left it, and nothing is lost next time.
    EXPECT_EQ(basExampleFunctions::bDriverReady, GetParam().readingStarted);
}

const MissingCase kMissing[] = {
    {"InitiateDriver", false, "Error: Entry point InitiateDriver not found: the driver does not provide it\r\n"},
    {"GetPort", false, "Error: Entry point GetPort not found: the driver does not provide it\r\n"},
    {"ReadTestpins", true, "Port: 1\r\nError: Entry point ReadTestpins not found: the driver does not provide it\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Operations, MissingOperation, testing::ValuesIn(kMissing),
                         [](const auto& test) { return std::string(test.param.operation); });

struct FormatCase {
    int32_t raw;
    const char* separator;
    const char* expected;
};

class FormatCelsiusCases : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatCelsiusCases, WritesTheShortestExactNumberWithTheUsersSeparator)
{
    EXPECT_EQ(FormatCelsius(GetParam().raw, GetParam().separator), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Readings, FormatCelsiusCases,
                         testing::Values(FormatCase{400, ".", "25"}, FormatCase{401, ".", "25.0625"},
                                         FormatCase{-1, ".", "-0.0625"}, FormatCase{0, ".", "0"},
                                         FormatCase{4095, ".", "255.9375"}, FormatCase{-4096, ".", "-256"},
                                         FormatCase{8, ".", "0.5"}, FormatCase{401, ",", "25,0625"},
                                         FormatCase{-24, "\xD9\xAB",
                                                    "-1\xD9\xAB"
                                                    "5"}));

}  // namespace
