#include "SimTestSupport.h"

#include <sstream>

namespace {

// What the program gets from the simulator with these settings: the call that
// fails, or the reading of one read cycle ("no reading" and the 17 bits when
// the frame is rejected).
struct SettingsCase : SimTest::Case {
    const char* settings;  // NAME=value ..., each name after PALLIX400_SIM_
    const char* outcome;   // how the outcome starts
};

class Settings : public SimTest::SimulatorCase<SettingsCase> {};

TEST_P(Settings, GiveTheProgramWhatTheAdapterWould)
{
    std::istringstream settings{GetParam().settings};
    for (std::string setting; settings >> setting;) {
        const std::size_t equals = setting.find('=');
        SetEnvironment(("PALLIX400_SIM_" + setting.substr(0, equals)).c_str(), setting.substr(equals + 1));
    }
    Pallix400Sim::Control{}.Seed(42);
    std::string outcome;
    if (const int32_t code = InitiateDriver(Pallix400::kInitiateMode); code != Pallix400::kDriverReady) {
        const std::string message = SimTest::ErrorText(code);
        EXPECT_LE(message.size(), 100U) << "more than the program reads: " << message;
        outcome = "InitiateDriver fails: " + message;
    } else if (SetPort(1) == 0) {
        outcome = "SetPort fails";
    } else {
        const std::string bits = SimTest::ReadCycle();
        const std::optional<int32_t> reading = SimTest::Reading(bits);
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
        SettingsCase{"InitFault", "FAULT=init", "InitiateDriver fails: simulated fault"},
        SettingsCase{"PortFault", "FAULT=port", "SetPort fails"},
        SettingsCase{"NoSensorLeavesTheLineHigh", "FAULT=no-sensor", "no reading 11111111111111111"},
        SettingsCase{"NoiseNever", "TEMP=25 FAULT=noise NOISE=0", "400"},
        SettingsCase{"NoiseOnEveryBit", "TEMP=25 FAULT=noise NOISE=1", "no reading 11110011011111001"},
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

}  // namespace
