#include "SimTestSupport.h"

#include "SimSettings.h"

#include <SensorFrame.h>
#include <array>

namespace SimTest {

void SimulatorTest::ClearSettings()
{
    for (const char* name : {Pallix400Sim::kTemperatureVariable, Pallix400Sim::kFaultVariable,
                             Pallix400Sim::kNoiseVariable, Pallix400Sim::kTraceVariable}) {
        unsetenv(name);
    }
    Pallix400Sim::Control{}.Reset();
}

std::string ErrorText(int32_t code, Pallix400_CopyErrorText_t* copy)
{
    std::array<char, 401> buffer{};  // the last byte stays the terminator
    EXPECT_GT(copy(code, buffer.data(), 400), 0);
    return buffer.data();
}

void OpenDriver()
{
    const int32_t code = InitiateDriver(Pallix400::kInitiateMode);
    ASSERT_EQ(code, Pallix400::kDriverReady) << ErrorText(code);
    ASSERT_NE(SetPort(1), 0);
}

std::string ReadCycle(int bits, const std::function<void()>& whileSelected)
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
        samples += (inputs & Pallix400::kDataBit) != 0 ? '1' : '0';
        EXPECT_EQ(WriteTestpins(1), 1);
    }
    EXPECT_EQ(WriteTestpins(3), 1);
    return samples;
}

std::optional<int32_t> Reading(const std::string& bits)
{
    EXPECT_EQ(bits.size(), static_cast<std::size_t>(SensorFrame::kBits)) << bits;
    return SensorFrame::Decode(static_cast<uint32_t>(std::stoul(bits, nullptr, 2)));
}

}  // namespace SimTest
