#include "Pallix400Sim.h"
#include "SimSettings.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Pallix400Sim::Fault;
using Pallix400Sim::Settings;

Settings Read(const std::map<std::string, std::string>& environment)
{
    return Pallix400Sim::ReadSettings([&environment](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    });
}

TEST(SettingsParsing, NothingSetMeansDriftingRoomNoFaultDefaultNoiseAndNoTrace)
{
    const Settings settings = Read({});
    EXPECT_FALSE(settings.temperature);
    EXPECT_EQ(settings.fault, Fault::None);
    EXPECT_DOUBLE_EQ(settings.noiseProbability, Pallix400Sim::kDefaultNoiseProbability);
    EXPECT_TRUE(settings.tracePath.empty());
    EXPECT_TRUE(settings.error.empty());
}

TEST(SettingsParsing, EmptyValuesCountAsUnset)
{
    const Settings settings = Read({{"PALLIX400_SIM_TEMP", ""}, {"PALLIX400_SIM_FAULT", ""},
                                    {"PALLIX400_SIM_NOISE", ""}, {"PALLIX400_SIM_TRACE", ""}});
    EXPECT_FALSE(settings.temperature);
    EXPECT_EQ(settings.fault, Fault::None);
    EXPECT_TRUE(settings.error.empty()) << settings.error;
}

TEST(SettingsParsing, TakesEachValueThatParses)
{
    const Settings settings = Read({{"PALLIX400_SIM_TEMP", "-10.5"}, {"PALLIX400_SIM_FAULT", "noise"},
                                    {"PALLIX400_SIM_NOISE", "0.25"}, {"PALLIX400_SIM_TRACE", "/tmp/t.vcd"}});
    ASSERT_TRUE(settings.temperature);
    EXPECT_DOUBLE_EQ(*settings.temperature, -10.5);
    EXPECT_EQ(settings.fault, Fault::Noise);
    EXPECT_DOUBLE_EQ(settings.noiseProbability, 0.25);
    EXPECT_EQ(settings.tracePath, "/tmp/t.vcd");
    EXPECT_TRUE(settings.error.empty()) << settings.error;
}

TEST(SettingsParsing, ReportsTheFirstSettingThatDoesNotParse)
{
    const Settings settings = Read({{"PALLIX400_SIM_FAULT", "nois"}, {"PALLIX400_SIM_NOISE", "x"}});
    EXPECT_EQ(settings.error, "PALLIX400_SIM_FAULT=nois is not understood: use init, port, no-sensor or noise");
}

struct TextCase {
    const char* text;
    std::optional<double> value;
    friend std::ostream& operator<<(std::ostream& out, const TextCase& c) { return out << '"' << c.text << '"'; }
};

class CelsiusText : public ::testing::TestWithParam<TextCase> {};

TEST_P(CelsiusText, ParsesOnlyPlainDecimalNumbers)
{
    EXPECT_EQ(Pallix400Sim::ParseCelsius(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, CelsiusText,
                         ::testing::Values(TextCase{"25.0625", 25.0625}, TextCase{"-10", -10.0},
                                           TextCase{"+3.5", 3.5}, TextCase{"0", 0.0}, TextCase{"300", 300.0},
                                           TextCase{"abc", std::nullopt}, TextCase{"25,5", std::nullopt},
                                           TextCase{"25 ", std::nullopt}, TextCase{" 25", std::nullopt},
                                           TextCase{"25C", std::nullopt}, TextCase{"nan", std::nullopt},
                                           TextCase{"inf", std::nullopt}, TextCase{"+-1", std::nullopt},
                                           TextCase{"-", std::nullopt}, TextCase{"1e3", std::nullopt}));

class ProbabilityText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ProbabilityText, AcceptsNumbersFromZeroToOne)
{
    EXPECT_EQ(Pallix400Sim::ParseProbability(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ProbabilityText,
                         ::testing::Values(TextCase{"0", 0.0}, TextCase{"1", 1.0}, TextCase{"0.05", 0.05},
                                           TextCase{"2", std::nullopt}, TextCase{"-0.1", std::nullopt},
                                           TextCase{"1.0001", std::nullopt}, TextCase{"half", std::nullopt}));

TEST(FaultText, NamesEachFaultAndNothingElse)
{
    EXPECT_EQ(Pallix400Sim::ParseFault(""), Fault::None);
    EXPECT_EQ(Pallix400Sim::ParseFault("init"), Fault::Init);
    EXPECT_EQ(Pallix400Sim::ParseFault("port"), Fault::Port);
    EXPECT_EQ(Pallix400Sim::ParseFault("no-sensor"), Fault::NoSensor);
    EXPECT_EQ(Pallix400Sim::ParseFault("noise"), Fault::Noise);
    EXPECT_EQ(Pallix400Sim::ParseFault("Init"), std::nullopt);
    EXPECT_EQ(Pallix400Sim::ParseFault("bogus"), std::nullopt);
}

struct BadSettingCase {
    const char* name;
    const char* value;
    const char* reason;  // what the message says after the setting
    friend std::ostream& operator<<(std::ostream& out, const BadSettingCase& c)
    {
        return out << c.name << "=" << c.value;
    }
};

std::string SettingName(const ::testing::TestParamInfo<BadSettingCase>& test)
{
    return std::string{test.param.name}.substr(std::string{"PALLIX400_SIM_"}.size());
}

class BadSetting : public SimTest::SimulatorTest, public ::testing::WithParamInterface<BadSettingCase> {};

TEST_P(BadSetting, MakesInitiateDriverFailWithAMessageNamingTheSettingAndValue)
{
    SetEnvironment(GetParam().name, GetParam().value);
    const int32_t code = InitiateDriver(Pallix400::kInitiateMode);
    EXPECT_NE(code, Pallix400::kDriverReady);
    const std::string text = SimTest::ErrorText(code);
    EXPECT_EQ(text.rfind(std::string{GetParam().name} + "=" + GetParam().value + " ", 0), 0U) << text;
    EXPECT_NE(text.find(GetParam().reason), std::string::npos) << text;
}

TEST_P(BadSetting, LeavesTheDriverNotInitiatedForEveryOtherCall)
{
    SetEnvironment(GetParam().name, GetParam().value);
    EXPECT_EQ(GetPort(), 0);
    EXPECT_NE(InitiateDriver(Pallix400::kInitiateMode), Pallix400::kDriverReady);
    EXPECT_EQ(SetPort(1), 0);
    int32_t inputs = 7;
    EXPECT_NE(ReadTestpins(&inputs), 1);
    EXPECT_EQ(inputs, 7);
}

TEST_P(BadSetting, IsForgottenOnceTheEnvironmentIsMendedAndTheSimulatorReset)
{
    SetEnvironment(GetParam().name, GetParam().value);
    ASSERT_NE(InitiateDriver(Pallix400::kInitiateMode), Pallix400::kDriverReady);
    unsetenv(GetParam().name);
    Pallix400Sim::Control{}.Reset();
    EXPECT_EQ(InitiateDriver(Pallix400::kInitiateMode), Pallix400::kDriverReady);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, BadSetting,
    ::testing::Values(BadSettingCase{"PALLIX400_SIM_TEMP", "abc", "is not understood: use degrees Celsius"},
                      BadSettingCase{"PALLIX400_SIM_FAULT", "bogus",
                                     "is not understood: use init, port, no-sensor or noise"},
                      BadSettingCase{"PALLIX400_SIM_NOISE", "2", "is not understood: use a probability from 0 to 1"},
                      BadSettingCase{"PALLIX400_SIM_TRACE", "/nonexistent/dir/x.vcd",
                                     "cannot be opened: No such file or directory"}),
    SettingName);

using EnvironmentFault = SimTest::SimulatorTest;

TEST_F(EnvironmentFault, InitMakesInitiateDriverFailWithAnExplanation)
{
    SetEnvironment("PALLIX400_SIM_FAULT", "init");
    const int32_t code = InitiateDriver(Pallix400::kInitiateMode);
    EXPECT_NE(code, Pallix400::kDriverReady);
    EXPECT_NE(SimTest::ErrorText(code).find("simulated fault"), std::string::npos) << SimTest::ErrorText(code);
    EXPECT_EQ(SetPort(1), 0);
}

TEST_F(EnvironmentFault, PortMakesSetPortFailAndKeepsThePinsClosed)
{
    SetEnvironment("PALLIX400_SIM_FAULT", "port");
    ASSERT_EQ(InitiateDriver(Pallix400::kInitiateMode), Pallix400::kDriverReady);
    EXPECT_EQ(SetPort(1), 0);
    EXPECT_EQ(GetPort(), 0);
    EXPECT_NE(WriteTestpins(3), 1);
}

TEST_F(EnvironmentFault, NoSensorLeavesTheDataLineHigh)
{
    SetEnvironment("PALLIX400_SIM_FAULT", "no-sensor");
    SimTest::OpenDriver();
    EXPECT_EQ(SimTest::ReadCycle(), std::vector<int>(17, 1));
}

TEST_F(EnvironmentFault, NoiseAtProbabilityOneFlipsEveryBit)
{
    SetEnvironment("PALLIX400_SIM_TEMP", "25");
    SetEnvironment("PALLIX400_SIM_FAULT", "noise");
    SetEnvironment("PALLIX400_SIM_NOISE", "1");
    SimTest::OpenDriver();
    const SimTest::Frame frame = SimTest::Decode(SimTest::ReadCycle());
    EXPECT_EQ(frame.trailer, 0b1001);
    EXPECT_EQ(frame.raw, -4096 + (~400 & 0xFFF));
}

TEST_F(EnvironmentFault, TemperatureFromTheEnvironmentIsWhatTheSensorReads)
{
    SetEnvironment("PALLIX400_SIM_TEMP", "-10");
    SimTest::OpenDriver();
    EXPECT_EQ(SimTest::Decode(SimTest::ReadCycle()).raw, -160);
}

}  // namespace
