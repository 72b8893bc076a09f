#include "ReadCommand.h"

#include "RuntimeError.h"
#include "ScriptedDriver.h"
#include "basExampleFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class ReadCommand : public testing::Test {
protected:
    void SetUp() override { basExampleFunctions::bDriverReady = false; }
    void TearDown() override { basExampleFunctions::bDriverReady = false; }
    long Opened() const { return std::count(driver.calls.begin(), driver.calls.end(), "InitiateDriver(3)"); }
    ScriptedDriver driver;
};

TEST_F(ReadCommand, FailedOpenLeavesTheTemperatureReadsNothingAndTriesAgainNextTime)
{
    driver.initiateResult = 0;
    driver.errorText = "No adapter";
    driver.errorCount = 10;
    const ReadCommandResult first = RunReadCommand(".");
    EXPECT_EQ(first.statusLog, "Error: InitiateDriver: No adapter\r\n");
    EXPECT_FALSE(first.temperature.has_value());

    driver.initiateResult = 1;
    driver.setPortResult = 0;
    const ReadCommandResult second = RunReadCommand(".");
    EXPECT_EQ(second.statusLog, "Can not set Port1\r\nPort: 1\r\n");  // only this attempt's lines
    EXPECT_FALSE(second.temperature.has_value());
    EXPECT_FALSE(basExampleFunctions::bDriverReady);
    EXPECT_EQ(Opened(), 2);
    EXPECT_TRUE(driver.Patterns().empty());
}

struct MissingCase {
    const char* operation;
    const char* expectedLog;
    std::optional<std::string> temperature;
};

class MissingOperation : public ReadCommand, public testing::WithParamInterface<MissingCase> {};

TEST_P(MissingOperation, IsReportedInTheLogAndLeavesTheFlagAsItWas)
{
    driver.Without(GetParam().operation).Frame(400);
    const ReadCommandResult result = RunReadCommand(".");
    EXPECT_EQ(result.statusLog, GetParam().expectedLog);
    EXPECT_EQ(result.temperature, GetParam().temperature);
    EXPECT_EQ(basExampleFunctions::bDriverReady, GetParam().temperature.has_value());
}

const MissingCase kMissing[] = {
    {"InitiateDriver", "Error: Entry point InitiateDriver not found: the driver does not provide it\r\n", {}},
    {"GetPort", "Error: Entry point GetPort not found: the driver does not provide it\r\n", {}},
    {"ReadTestpins", "Port: 1\r\nError: Entry point ReadTestpins not found: the driver does not provide it\r\n",
     "Error"},
};

INSTANTIATE_TEST_SUITE_P(Operations, MissingOperation, testing::ValuesIn(kMissing),
                         [](const auto& test) { return std::string(test.param.operation); });

TEST_F(ReadCommand, AMissingOperationIsRunTimeError453)
{
    driver.Without("GetPort");
    try {
        Pallix400::GetPort();
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 453);
    }
}

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
