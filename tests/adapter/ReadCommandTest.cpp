// SPDX-License-Identifier: MIT

#include "ReadCommand.h"

#include "RuntimeError.h"
#include "ScriptedDriver.h"
#include "basExampleFunctions.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class ReadCommand : public testing::Test {
protected:
    long Opened() const { return std::count(driver.calls.begin(), driver.calls.end(), "InitiateDriver(3)"); }
    ScriptedDriver driver;
    basExampleFunctions adapter{driver.Driver()};
};

TEST_F(ReadCommand, FailedOpenLeavesTheTemperatureReadsNothingAndTriesAgainNextTime)
{
    driver.initiateResult = 0;
    driver.errorText = "No adapter";
    driver.errorCount = 10;
    const ReadCommandResult first = RunReadCommand(adapter, ".");
    EXPECT_EQ(first.statusLog, "Error: InitiateDriver: No adapter\r\n");
    EXPECT_FALSE(first.temperature.has_value());

    driver.initiateResult = 1;
    driver.setPortResult = 0;
    const ReadCommandResult second = RunReadCommand(adapter, ".");
    EXPECT_EQ(second.statusLog, "Can not set Port1\r\nPort: 1\r\n");  // only this attempt's lines
    EXPECT_FALSE(second.temperature.has_value());
    EXPECT_FALSE(adapter.bDriverReady);
    EXPECT_EQ(Opened(), 2);
    EXPECT_TRUE(driver.Patterns().empty());
}

// A library lacking GetPort or ReadTestpins is a row of
// tests/e2e/test_fault_matrix.py.
struct MissingCase {
    const char* operation;
    const char* expectedLog;
    std::optional<std::string> temperature;
};

class MissingOperation : public ReadCommand, public testing::WithParamInterface<MissingCase> {};

TEST_P(MissingOperation, IsReportedInTheLogAndLeavesTheFlagAsItWas)
{
    adapter = basExampleFunctions(driver.Without(GetParam().operation).Frame(400).Driver());
    const ReadCommandResult result = RunReadCommand(adapter, ".");
    EXPECT_EQ(result.statusLog, GetParam().expectedLog);
    EXPECT_EQ(result.temperature, GetParam().temperature);
    EXPECT_EQ(adapter.bDriverReady, GetParam().temperature.has_value());
}

const MissingCase kMissing[] = {
    {"InitiateDriver", "Error: Entry point InitiateDriver not found: the driver does not provide it\r\n", {}},
    {"ReadTestpins", "Port: 1\r\nError: Entry point ReadTestpins not found: the driver does not provide it\r\n",
     "Error"},
};

INSTANTIATE_TEST_SUITE_P(Operations, MissingOperation, testing::ValuesIn(kMissing),
                         [](const auto& test) { return std::string(test.param.operation); });

TEST_F(ReadCommand, AMissingOperationIsRunTimeError453)
{
    try {
        driver.Without("GetPort").Driver().GetPort();
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 453);
    }
}

// Each press's log, with a driver library found as the program finds the
// simulator (the tests' own library in its place) or with a real driver.
struct PressCase {
    const char* name;
    bool simulator;
    std::vector<std::string> logs;
};

const std::string kSimulated = std::string("Simulated adapter: no ") + Pallix400Api::kLibraryName + " is installed\r\n";

const PressCase kPresses[] = {
    {"TheSimulatorsLineStartsEveryPress", true, {kSimulated + "Port: 1\r\n", kSimulated, kSimulated}},
    {"AnOpenRealDriverLogsNothing", false, {"Port: 1\r\n", "", ""}},
};

class Presses : public ReadCommand, public testing::WithParamInterface<PressCase> {};

TEST_P(Presses, LogTheirOwnLines)
{
    driver.Frame(400).Frame(400).Frame(400);
    if (GetParam().simulator) {
        adapter = basExampleFunctions(Pallix400("no-driver-installed", PALLIX_TEST_DRIVER));
    }
    for (const std::string& log : GetParam().logs) {
        const ReadCommandResult result = RunReadCommand(adapter, ".");
        EXPECT_EQ(result.statusLog, log);
        EXPECT_EQ(result.temperature, "25");
    }
}

INSTANTIATE_TEST_SUITE_P(Drivers, Presses, testing::ValuesIn(kPresses),
                         [](const auto& test) { return std::string(test.param.name); });

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
