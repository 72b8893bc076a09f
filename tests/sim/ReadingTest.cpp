#include "Pallix400Sim.h"
#include "SimTestSupport.h"

#include <set>
#include <string>

namespace {

using Pallix400Sim::Control;
using Reading = SimTest::SimulatorTest;

struct TemperatureCase : SimTest::Case {
    const char* celsius;  // as set in the environment
    int32_t raw;          // what the program decodes, in 1/16 degree
};

class TemperatureSetting : public SimTest::SimulatorCase<TemperatureCase> {};

TEST_P(TemperatureSetting, ReadsBackQuantisedAndClampedWhenClockedLikeTheProgram)
{
    SetEnvironment("PALLIX400_SIM_TEMP", GetParam().celsius);
    SimTest::OpenDriver();
    const SimTest::Frame frame = SimTest::Decode(SimTest::ReadCycle());
    EXPECT_EQ(frame.raw, GetParam().raw);
    EXPECT_EQ(frame.trailer, 0b0110);
}

INSTANTIATE_TEST_SUITE_P(
    Temperatures, TemperatureSetting,
    ::testing::Values(TemperatureCase{"Zero", "0", 0}, TemperatureCase{"Whole", "25", 400},
                      TemperatureCase{"SixteenthsExactly", "+25.0625", 401},
                      TemperatureCase{"RoundedDown", "25.03", 400}, TemperatureCase{"RoundedUp", "25.04", 401},
                      TemperatureCase{"Negative", "-10", -160}, TemperatureCase{"NegativeRoundedToZero", "-0.03", 0},
                      TemperatureCase{"NegativeRoundedToMinusOne", "-0.04", -1},
                      TemperatureCase{"Highest", "255.9375", 4095}, TemperatureCase{"ClampedToTheHighest", "300", 4095},
                      TemperatureCase{"Lowest", "-256", -4096}, TemperatureCase{"ClampedToTheLowest", "-300", -4096}),
    ::testing::PrintToStringParamName());

TEST_F(Reading, DeselectingMidFrameRestartsItAndEachFrameHoldsTheTemperatureAtItsSelection)
{
    Control{}.Temperature(25.0);
    SimTest::OpenDriver();
    SimTest::ReadCycle(5);
    EXPECT_EQ(SimTest::Decode(SimTest::ReadCycle(17, [] { Control{}.Temperature(-12.5); })).raw, 400);
    EXPECT_EQ(SimTest::Decode(SimTest::ReadCycle()).raw, -200);
}

TEST_F(Reading, WithoutAFixedTemperatureTheRoomReadsAboutTwentyTwoDegreesAndVariesALittle)
{
    Control{}.Seed(7);
    SimTest::OpenDriver();
    std::set<int32_t> readings;
    for (int reading = 0; reading < 20; ++reading) {
        readings.insert(SimTest::Decode(SimTest::ReadCycle()).raw);
    }
    EXPECT_GE(*readings.begin(), 21 * 16);
    EXPECT_LE(*readings.rbegin(), 23 * 16);
    EXPECT_GT(readings.size(), 1U);
}

// What the program gets from a fault set in the environment, at 25 degrees:
// which call fails, or the 17 samples of one read cycle.
struct FaultCase : SimTest::Case {
    const char* fault;
    const char* noise;
    const char* outcome;  // how the outcome starts
};

class FaultSetting : public SimTest::SimulatorCase<FaultCase> {};

TEST_P(FaultSetting, GivesTheProgramWhatThatFaultWouldOnTheAdapter)
{
    SetEnvironment("PALLIX400_SIM_TEMP", "25");
    SetEnvironment("PALLIX400_SIM_FAULT", GetParam().fault);
    SetEnvironment("PALLIX400_SIM_NOISE", GetParam().noise);
    Control{}.Seed(42);
    std::string outcome;
    if (const int32_t code = InitiateDriver(Pallix400::kInitiateMode); code != Pallix400::kDriverReady) {
        outcome = "InitiateDriver fails: " + SimTest::ErrorText(code);
    } else if (SetPort(1) == 0) {
        outcome = "SetPort fails";
    } else {
        for (const int bit : SimTest::ReadCycle()) {
            outcome += bit != 0 ? '1' : '0';
        }
    }
    EXPECT_EQ(outcome.rfind(GetParam().outcome, 0), 0U) << outcome;
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultSetting,
                         ::testing::Values(FaultCase{"None", "", "",
                                                     "0"
                                                     "000110010000"
                                                     "0110"},
                                           FaultCase{"Init", "init", "", "InitiateDriver fails: simulated fault"},
                                           FaultCase{"Port", "port", "", "SetPort fails"},
                                           FaultCase{"NoSensor", "no-sensor", "",
                                                     "1"
                                                     "111111111111"
                                                     "1111"},
                                           FaultCase{"NoiseNever", "noise", "0",
                                                     "0"
                                                     "000110010000"
                                                     "0110"},
                                           FaultCase{"NoiseAlways", "noise", "1",
                                                     "1"
                                                     "111001101111"
                                                     "1001"}),
                         ::testing::PrintToStringParamName());

}  // namespace
