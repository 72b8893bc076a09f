// The read procedures through the real loader and the simulated driver library.
#include "Pallix400.h"
#include "Pallix400Sim.h"
#include "ReadCommand.h"
#include "Sleep.h"
#include "basExampleFunctions.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using Pallix400Sim::Fault;

class DriverLibrary : public testing::Test {
protected:
    void SetUp() override
    {
        Pallix400Sim::Control{}.Reset().Seed(1);
        Pallix400::ResetLoader();
        basExampleFunctions::bDriverReady = false;
        realSleep_ = platform::ReplaceSleep([](std::chrono::milliseconds) {});
    }
    void TearDown() override
    {
        platform::ReplaceSleep(realSleep_);
        Pallix400::ResetLoader();
        basExampleFunctions::bDriverReady = false;
    }
    platform::SleepFunction realSleep_;
};

TEST_F(DriverLibrary, FirstPressOpensPortOneAndReads)
{
    Pallix400Sim::Control{}.Temperature(25.0);
    const ReadCommandResult result = RunReadCommand(".");
    EXPECT_EQ(result.statusLog, "Port: 1\r\n");
    EXPECT_EQ(result.temperature, "25");
}

struct TemperatureCase {
    double celsius;
    const char* expected;
};

class SetTemperature : public DriverLibrary, public testing::WithParamInterface<TemperatureCase> {};

TEST_P(SetTemperature, ReadsBackAsTheSensorQuantisesIt)
{
    Pallix400Sim::Control{}.Temperature(GetParam().celsius);
    RunReadCommand(".");  // opens the connection
    EXPECT_EQ(RunReadCommand(",").temperature, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Temperatures, SetTemperature,
                         testing::Values(TemperatureCase{25.0625, "25,0625"}, TemperatureCase{-0.0625, "-0,0625"},
                                         TemperatureCase{0.0, "0"}, TemperatureCase{-256.0, "-256"},
                                         TemperatureCase{255.9375, "255,9375"}, TemperatureCase{1000.0, "255,9375"},
                                         TemperatureCase{21.53, "21,5"}));

struct FaultCase {
    const char* name;
    Fault fault;
    const char* logStart;
    bool opened;
    const char* temperature;  // null: the box is left as it is
};

class Faults : public DriverLibrary, public testing::WithParamInterface<FaultCase> {};

TEST_P(Faults, ShowInTheLogOrTheTemperature)
{
    const FaultCase& c = GetParam();
    Pallix400Sim::Control{}.Temperature(20.0).Fault(c.fault).NoiseProbability(1.0);
    const ReadCommandResult result = RunReadCommand(".");
    EXPECT_EQ(result.statusLog.rfind(c.logStart, 0), 0U) << result.statusLog;
    EXPECT_EQ(basExampleFunctions::bDriverReady, c.opened);
    if (c.temperature == nullptr) {
        EXPECT_FALSE(result.temperature.has_value());
    } else {
        EXPECT_EQ(result.temperature, c.temperature);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Simulated, Faults,
    testing::Values(FaultCase{"Init", Fault::Init, "Error: InitiateDriver: simulated fault", false, nullptr},
                    FaultCase{"Port", Fault::Port, "Can not set Port1\r\nPort: 0\r\n", false, nullptr},
                    FaultCase{"NoSensor", Fault::NoSensor, "Port: 1\r\n", true, "Error"},
                    FaultCase{"NoiseOnEveryBit", Fault::Noise, "Port: 1\r\n", true, "Error"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(DriverLibrary, MissingLibraryIsReportedAndTheNextPressTriesAgain)
{
    Pallix400::ResetLoader("/nonexistent/libPallix400.so");
    const ReadCommandResult missing = RunReadCommand(".");
    EXPECT_EQ(missing.statusLog, "Error: File not found: /nonexistent/libPallix400.so: cannot open shared object file: "
                                 "No such file or directory\r\n");
    EXPECT_FALSE(missing.temperature.has_value());
    EXPECT_FALSE(basExampleFunctions::bDriverReady);

    Pallix400::ResetLoader();
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

TEST_F(DriverLibrary, RealWaitLastsAtLeastThreeHundredMilliseconds)
{
    platform::ReplaceSleep(realSleep_);
    basExampleFunctions::bDriverReady = true;
    std::string log;
    ASSERT_TRUE(basExampleFunctions::OpenAdapter(log)) << log;
    const auto start = std::chrono::steady_clock::now();
    basExampleFunctions::ReadTemperature();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
}

}  // namespace
