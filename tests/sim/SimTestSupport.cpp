#include "SimTestSupport.h"

#include "Pallix400Sim.h"
#include "SimSettings.h"

#include <array>
#include <cstdlib>

namespace SimTest {

namespace {
constexpr std::array kVariables{Pallix400Sim::kTemperatureVariable, Pallix400Sim::kFaultVariable,
                                Pallix400Sim::kNoiseVariable, Pallix400Sim::kTraceVariable};
}

std::string ErrorText(int32_t code)
{
    std::array<char, 400> buffer{};
    const int32_t length = CopyErrorText(code, buffer.data(), static_cast<int32_t>(buffer.size()));
    EXPECT_GE(length, 0);
    EXPECT_LT(length, static_cast<int32_t>(buffer.size()));
    return std::string(buffer.data(), static_cast<std::size_t>(std::max(length, 0)));
}

void OpenDriver()
{
    ASSERT_EQ(InitiateDriver(Pallix400::kInitiateMode), Pallix400::kDriverReady)
        << ErrorText(InitiateDriver(Pallix400::kInitiateMode));
    ASSERT_NE(SetPort(1), 0);
}

std::vector<int> ReadCycle(int bits)
{
    constexpr int32_t idle = Pallix400::kChipSelectBit | Pallix400::kClockBit;
    constexpr int32_t selected = Pallix400::kClockBit;
    std::vector<int> samples;
    EXPECT_EQ(WriteTestpins(idle), 1);
    EXPECT_EQ(WriteTestpins(selected), 1);
    int32_t inputs = 0;
    for (int bit = 0; bit < bits; ++bit) {
        EXPECT_EQ(WriteTestpins(0), 1);
        EXPECT_EQ(ReadTestpins(&inputs), 1);
        samples.push_back((inputs & Pallix400::kDataBit) != 0 ? 1 : 0);
        EXPECT_EQ(WriteTestpins(selected), 1);
    }
    EXPECT_EQ(WriteTestpins(idle), 1);
    return samples;
}

Frame Decode(const std::vector<int>& bits)
{
    EXPECT_EQ(bits.size(), 17U);
    Frame frame;
    if (bits.size() != 17U) {
        return frame;
    }
    int32_t magnitude = 0;
    for (std::size_t i = 1; i <= 12; ++i) {
        magnitude = magnitude * 2 + bits[i];
    }
    for (std::size_t i = 13; i <= 16; ++i) {
        frame.trailer = frame.trailer * 2 + bits[i];
    }
    frame.raw = magnitude - 4096 * bits[0];
    return frame;
}

void SimulatorTest::SetUp()
{
    for (const char* name : kVariables) {
        const char* value = std::getenv(name);
        saved_[name] = value == nullptr ? std::nullopt : std::optional<std::string>{value};
        unsetenv(name);
    }
    Pallix400Sim::Control{}.Reset();
}

void SimulatorTest::TearDown()
{
    for (const auto& [name, value] : saved_) {
        if (value) {
            setenv(name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }
    Pallix400Sim::Control{}.Reset();
}

void SimulatorTest::SetEnvironment(const std::string& name, const std::string& value)
{
    setenv(name.c_str(), value.c_str(), 1);
    Pallix400Sim::Control{}.Reset();
}

}  // namespace SimTest
