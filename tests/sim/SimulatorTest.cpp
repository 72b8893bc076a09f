// SPDX-License-Identifier: MIT

// The simulated driver, linked in and called directly as the C functions it
// exports: what it gives a program for each setting, its error texts, its
// sensor and its trace.
#include "Pallix400Sim.h"
#include "SimSettings.h"
#include "VcdWriter.h"

#include <gtest/gtest.h>

#include <Pallix400Api.h>
#include <SensorFrame.h>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#define SIM_TEST_DECLARE(name, params, args) int32_t PALLIX400_CALL name params;
PALLIX400_OPERATIONS(SIM_TEST_DECLARE)
#undef SIM_TEST_DECLARE
}

namespace {

using Pallix400Sim::Control;

// What CopyErrorText says about `code`.
std::string ErrorText(int32_t code)
{
    std::array<char, 401> buffer{};  // the last byte stays the terminator
    EXPECT_GT(CopyErrorText(code, buffer.data(), 400), 0);
    return buffer.data();
}

// InitiateDriver(3) and SetPort(1), as the program opens the adapter.
void OpenDriver()
{
    const int32_t code = InitiateDriver(Pallix400Api::kInitiateMode);
    ASSERT_EQ(code, Pallix400Api::kDriverReady) << ErrorText(code);
    ASSERT_NE(SetPort(1), 0);
}

// One read cycle as the program clocks it: pattern 3, 1, then `bits` times
// (0, sample, 1), then 3. Returns the samples' bit 0 as '0' and '1'.
// `whileSelected` runs once the sensor is selected, before the first bit.
std::string ReadCycle(int bits = 17, const std::function<void()>& whileSelected = {})
{
    std::string samples;
    EXPECT_EQ(WriteTestpins(3), 1);
    EXPECT_EQ(WriteTestpins(1), 1);
    if (whileSelected) {
        whileSelected();
    }
    for (int bit = 0; bit < bits; ++bit) {
        int32_t inputs = -1;
        EXPECT_EQ(WriteTestpins(0), 1);
        EXPECT_EQ(ReadTestpins(&inputs), 1);
        samples += (inputs & Pallix400Api::kDataBit) != 0 ? '1' : '0';
        EXPECT_EQ(WriteTestpins(1), 1);
    }
    EXPECT_EQ(WriteTestpins(3), 1);
    return samples;
}

// The reading a frame of 17 bits, written as '0' and '1', carries.
std::optional<int32_t> Reading(const std::string& bits)
{
    EXPECT_EQ(bits.size(), static_cast<std::size_t>(SensorFrame::kBits)) << bits;
    return SensorFrame::Decode(static_cast<uint32_t>(std::stoul(bits, nullptr, 2)));
}

// Every test starts and ends with a fresh simulator and none of its settings
// in the environment.
class Simulator : public ::testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override { ClearSettings(); }
    // Sets a variable and reloads the simulator's settings.
    static void SetEnvironment(const std::string& name, const std::string& value)
    {
        setenv(name.c_str(), value.c_str(), 1);
        Control{}.Reset();
    }
    static void ClearSettings()
    {
        for (const char* name : {Pallix400Sim::kTemperatureVariable, Pallix400Sim::kFaultVariable,
                                 Pallix400Sim::kNoiseVariable, Pallix400Sim::kTraceVariable,
                                 Pallix400Sim::kPortsVariable, "PALLIX400_SIM_TEMP_1", "PALLIX400_SIM_TEMP_2"}) {
            unsetenv(name);
        }
        Control{}.Reset();
    }
};

// What the program gets from the simulator with these settings: the call that
// fails, or the reading of one read cycle ("no reading" and the 17 bits when
// the frame is rejected). The faults the user sees are run through the
// programs in tests/e2e/test_fault_matrix.py.
struct SettingsCase {
    const char* name;
    const char* settings;  // NAME=value ..., each name after PALLIX400_SIM_; @N selects port N instead of 1
    const char* outcome;   // how the outcome starts
    friend std::ostream& operator<<(std::ostream& out, const SettingsCase& row) { return out << row.name; }
};

class Settings : public Simulator, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(Settings, GiveTheProgramWhatTheAdapterWould)
{
    std::istringstream settings{GetParam().settings};
    int32_t port = 1;
    for (std::string setting; settings >> setting;) {
        const std::size_t equals = setting.find('=');
        if (setting.starts_with('@')) {
            port = std::stoi(setting.substr(1));
        } else {
            SetEnvironment("PALLIX400_SIM_" + setting.substr(0, equals), setting.substr(equals + 1));
        }
    }
    Control{}.Seed(42);
    std::string outcome;
    if (const int32_t code = InitiateDriver(Pallix400Api::kInitiateMode); code != Pallix400Api::kDriverReady) {
        const std::string message = ErrorText(code);
        EXPECT_LE(message.size(), 100U) << "more than the program reads: " << message;
        outcome = "InitiateDriver fails: " + message;
    } else if (SetPort(port) == 0 || CheckPortAvailable(port) == 0) {
        outcome = "SetPort fails";
    } else {
        const std::string bits = ReadCycle();
        const std::optional<int32_t> reading = Reading(bits);
        outcome = reading ? std::to_string(*reading) : "no reading " + bits;
    }
    EXPECT_EQ(outcome.rfind(GetParam().outcome, 0), 0U) << outcome;
}

INSTANTIATE_TEST_SUITE_P(
    Environment, Settings,
    ::testing::Values(
        SettingsCase{"Zero", "TEMP=0", "0"}, SettingsCase{"Whole", "TEMP=25", "400"},
        SettingsCase{"SixteenthsExactly", "TEMP=+25.0625", "401"}, SettingsCase{"RoundedDown", "TEMP=25.03", "400"},
        SettingsCase{"RoundedUp", "TEMP=25.04", "401"}, SettingsCase{"Negative", "TEMP=-10", "-160"},
        SettingsCase{"NegativeRoundedToZero", "TEMP=-0.03", "0"},
        SettingsCase{"NegativeRoundedToMinusOne", "TEMP=-0.04", "-1"}, SettingsCase{"Highest", "TEMP=255.9375", "4095"},
        SettingsCase{"ClampedToTheHighest", "TEMP=300", "4095"}, SettingsCase{"Lowest", "TEMP=-256", "-4096"},
        SettingsCase{"ClampedToTheLowest", "TEMP=-300", "-4096"},
        SettingsCase{"NoSensorLeavesTheLineHigh", "FAULT=no-sensor", "no reading 11111111111111111"},
        SettingsCase{"NoiseNever", "TEMP=25 FAULT=noise NOISE=0", "400"},
        SettingsCase{"AnotherPortWithItsOwnTemperature", "PORTS=2,1 TEMP=25 TEMP_2=-10 @2", "-160"},
        SettingsCase{"APortsTemperatureIsItsAlone", "PORTS=1,2 TEMP=25 TEMP_2=-10", "400"},
        SettingsCase{"AnUnlistedPortsTemperatureMeansNothing", "TEMP=25 TEMP_2=warm", "400"},
        SettingsCase{"OnlyPort1ByDefault", "@2", "SetPort fails"},
        SettingsCase{"AnUnlistedPort", "PORTS=1,3 @2", "SetPort fails"},
        SettingsCase{"BadPorts", "PORTS=1,,256",
                     "InitiateDriver fails: not ports from 1 to 255 like 1,2: PALLIX400_SIM_PORTS=1,,256"},
        SettingsCase{"BadPortTemperature", "TEMP_1=warm",
                     "InitiateDriver fails: not degrees Celsius like 25.0625 or -10: PALLIX400_SIM_TEMP_1=warm"},
        SettingsCase{"BadTemperature", "TEMP=25,5",
                     "InitiateDriver fails: not degrees Celsius like 25.0625 or -10: PALLIX400_SIM_TEMP=25,5"},
        SettingsCase{"BadFault", "FAULT=nosensor",
                     "InitiateDriver fails: not init, port, no-sensor or noise: PALLIX400_SIM_FAULT=nosensor"},
        SettingsCase{"BadNoise", "FAULT=noise NOISE=2",
                     "InitiateDriver fails: not a probability from 0 to 1 like 0.05: PALLIX400_SIM_NOISE=2"},
        SettingsCase{"TraceFileThatCannotBeMade", "TRACE=/nonexistent/dir/x.vcd",
                     "InitiateDriver fails: the trace file cannot be written (No such file or directory): "},
        SettingsCase{"TraceToADevice", "TRACE=/dev/null",
                     "InitiateDriver fails: the trace goes to regular files only: PALLIX400_SIM_TRACE=/dev/null"},
        SettingsCase{"ALongValueIsCutAfterTheReason", "FAULT=no-sensor-and-no-adapter-and-no-cable-and-no-power-at-all",
                     "InitiateDriver fails: not init, port, no-sensor or noise: PALLIX400_SIM_FAULT=no-sensor-and-"}),
    ::testing::PrintToStringParamName());

TEST_F(Simulator, RefusesANullAddressForTheInputs)
{
    OpenDriver();
    EXPECT_NE(ErrorText(ReadTestpins(nullptr)).find("null address"), std::string::npos);
}

// The text of an unknown code, "unknown error code 7", is 20 bytes long; the
// buffer is 22 bytes of '#' beforehand.
struct CopyCase {
    const char* name;
    int32_t size;
    std::string buffer;
    friend std::ostream& operator<<(std::ostream& out, const CopyCase& row) { return out << row.name; }
};

class CopyErrorTextWithSize : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyErrorTextWithSize, CopiesAtMostThatManyBytesAndReturnsTheFullLength)
{
    std::string buffer(22, '#');
    EXPECT_EQ(CopyErrorText(7, buffer.data(), GetParam().size), 20);
    EXPECT_EQ(buffer, GetParam().buffer);
    EXPECT_EQ(CopyErrorText(7, nullptr, GetParam().size), 20) << "a null buffer gets nothing but the length";
}

INSTANTIATE_TEST_SUITE_P(Sizes, CopyErrorTextWithSize,
                         ::testing::Values(CopyCase{"RoomForTheTerminator", 22, {"unknown error code 7\0#", 22}},
                                           CopyCase{"ExactlyTheText", 20, "unknown error code 7##"},
                                           CopyCase{"Truncating", 4, "unkn##################"},
                                           CopyCase{"Zero", 0, std::string(22, '#')},
                                           CopyCase{"Negative", -5, std::string(22, '#')}),
                         ::testing::PrintToStringParamName());

TEST_F(Simulator, DeselectingMidFrameRestartsItAndEachFrameHoldsTheTemperatureAtItsSelection)
{
    Control{}.Temperature(25.0);
    OpenDriver();
    ReadCycle(5);
    EXPECT_EQ(Reading(ReadCycle(17, [] { Control{}.Temperature(-12.5); })), 400);
    EXPECT_EQ(Reading(ReadCycle()), -200);
}

// The time stamps of a VCD file, in order.
std::vector<int64_t> TimeStamps(const std::string& vcd)
{
    std::istringstream in{vcd};
    std::vector<int64_t> times;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('#')) {
            times.push_back(std::stoll(line.substr(1)));
        }
    }
    return times;
}

TEST(VcdWriter, WritesOnlyChangesEachUnderATimeStampLaterThanTheOneBeforeSoNoEdgeIsLost)
{
    std::ostringstream out;
    Pallix400Sim::VcdWriter writer{out};
    writer.Start(Pallix400Sim::PinLevels{});
    writer.Record(500, Pallix400Sim::PinLevels{false, true, true});
    writer.Record(600, Pallix400Sim::PinLevels{false, true, true});  // nothing changed
    writer.Record(700, Pallix400Sim::PinLevels{false, false, true});
    writer.Record(700, Pallix400Sim::PinLevels{false, true, true});    // the same instant
    writer.Record(650, Pallix400Sim::PinLevels{false, false, false});  // the clock went back
    EXPECT_EQ(TimeStamps(out.str()), (std::vector<int64_t>{0, 500, 700, 701, 702}));
}

class Trace : public Simulator {
protected:
    void TearDown() override
    {
        Simulator::TearDown();
        std::remove(path_.c_str());
    }
    const std::string path_ = ::testing::TempDir() + "sim_trace_" + std::to_string(getpid()) + ".vcd";
};

TEST_F(Trace, ToAFifoIsRefusedAtStartRatherThanBlocking)
{
    ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0);
    SetEnvironment("PALLIX400_SIM_TRACE", path_);
    const std::string text = ErrorText(InitiateDriver(Pallix400Api::kInitiateMode));
    EXPECT_EQ(text.rfind("the trace goes to regular files only", 0), 0U) << text;
}

TEST_F(Trace, AFailedWriteIsReportedOnceAndTheReadingsGoOnWithoutIt)
{
    SetEnvironment("PALLIX400_SIM_TRACE", path_);
    Control{}.Temperature(25.0);
    OpenDriver();
    // A file size limit makes the writes fail as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit unlimited = limit;
    limit.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &limit);
    testing::internal::CaptureStderr();
    for (int cycle = 0; cycle < 20; ++cycle) {
        EXPECT_EQ(Reading(ReadCycle()), 400);
    }
    const std::string messages = testing::internal::GetCapturedStderr();
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_EQ(messages,
              "libPallix400 (simulated): writing the trace to " + path_ + " failed (File too large); tracing stops\n");
}

}  // namespace
