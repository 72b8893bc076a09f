// The read command through the real loader, against the simulated driver
// library and libraries that are missing or lack an operation.
#include "Pallix400.h"
#include "ReadCommand.h"
#include "Sleep.h"
#include "basExampleFunctions.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class DriverLibrary : public testing::Test {
protected:
    void SetUp() override
    {
        basExampleFunctions::bDriverReady = false;
        realSleep_ = platform::ReplaceSleep([](std::chrono::milliseconds) {});
    }
    void TearDown() override
    {
        platform::ReplaceSleep(realSleep_);
        Pallix400::ResetLoader();
        basExampleFunctions::bDriverReady = false;
        for (const char* name : {"PALLIX400_SIM_TEMP", "PALLIX400_SIM_FAULT", "PALLIX400_SIM_NOISE"}) {
            unsetenv(name);
        }
    }
    // The simulator, freshly loaded with these settings at the next call.
    static void UseSimulator(const char* fault = "", const char* noise = "")
    {
        setenv("PALLIX400_SIM_TEMP", "25", 1);
        setenv("PALLIX400_SIM_FAULT", fault, 1);
        setenv("PALLIX400_SIM_NOISE", noise, 1);
        Pallix400::ResetLoader(PALLIX_SIMULATOR);
    }
    platform::SleepFunction realSleep_;
};

struct FaultCase {
    const char* name;
    const char* fault;
    const char* logStart;
    bool opened;
    const char* temperature;  // null: the box is left as it is
};

class Faults : public DriverLibrary, public testing::WithParamInterface<FaultCase> {};

TEST_P(Faults, ShowInTheLogOrTheTemperature)
{
    const FaultCase& c = GetParam();
    UseSimulator(c.fault, "1");
    const ReadCommandResult result = RunReadCommand(".");
    EXPECT_EQ(result.statusLog.rfind(c.logStart, 0), 0U) << result.statusLog;
    EXPECT_EQ(basExampleFunctions::bDriverReady, c.opened);
    if (c.temperature == nullptr) {
        EXPECT_FALSE(result.temperature.has_value());
    } else {
        EXPECT_EQ(result.temperature, c.temperature);
    }
}

INSTANTIATE_TEST_SUITE_P(Simulated, Faults,
                         testing::Values(FaultCase{"None", "", "Port: 1\r\n", true, "25"},
                                         FaultCase{"Init", "init", "Error: InitiateDriver: simulated fault", false,
                                                   nullptr},
                                         FaultCase{"Port", "port", "Can not set Port1\r\nPort: 0\r\n", false, nullptr},
                                         FaultCase{"NoSensor", "no-sensor", "Port: 1\r\n", true, "Error"},
                                         FaultCase{"NoiseOnEveryBit", "noise", "Port: 1\r\n", true, "Error"}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(DriverLibrary, MissingLibraryIsReportedAndTheNextPressTriesAgain)
{
    Pallix400::ResetLoader("/nonexistent/libPallix400.so");
    const ReadCommandResult missing = RunReadCommand(".");
    EXPECT_EQ(missing.statusLog, "Error: File not found: /nonexistent/libPallix400.so: cannot open shared object file: "
                                 "No such file or directory\r\n");
    EXPECT_FALSE(missing.temperature.has_value());
    EXPECT_FALSE(basExampleFunctions::bDriverReady);

    UseSimulator();
    EXPECT_EQ(RunReadCommand(".").statusLog, "Port: 1\r\n");
}

TEST_F(DriverLibrary, LibraryLackingAnOperationFailsThatReadOnly)
{
    Pallix400::ResetLoader(PALLIX_LACKING_DRIVER);
    const ReadCommandResult result = RunReadCommand(".");
    const std::string expectedStart = "Port: 1\r\nError: Entry point ReadTestpins not found: ";
    EXPECT_EQ(result.statusLog.rfind(expectedStart, 0), 0U) << result.statusLog;
    EXPECT_NE(result.statusLog.find("undefined symbol: ReadTestpins"), std::string::npos) << result.statusLog;
    EXPECT_EQ(result.temperature, "Error");
}

}  // namespace
