#include "SimTestSupport.h"

#include "SimSettings.h"

#include <algorithm>
#include <array>

namespace SimTest {

void ClearSettings()
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

std::vector<int> ReadCycle(int bits, const std::function<void()>& whileSelected)
{
    std::vector<int> samples;
    EXPECT_EQ(WriteTestpins(3), 1);
    EXPECT_EQ(WriteTestpins(1), 1);
    if (whileSelected) {
        whileSelected();
    }
    for (int bit = 0; bit < bits; ++bit) {
        int32_t inputs = -1;
        EXPECT_EQ(WriteTestpins(0), 1);
        EXPECT_EQ(ReadTestpins(&inputs), 1);
        samples.push_back(inputs & Pallix400::kDataBit);
        EXPECT_EQ(WriteTestpins(1), 1);
    }
    EXPECT_EQ(WriteTestpins(3), 1);
    return samples;
}

Frame Decode(const std::vector<int>& bits)
{
    EXPECT_EQ(bits.size(), 17U);
    Frame frame;
    for (std::size_t i = 0; i < std::min<std::size_t>(bits.size(), 17); ++i) {
        int32_t& field = i < 13 ? frame.raw : frame.trailer;
        field = field * 2 + bits[i];
    }
    if (frame.raw >= 4096) {
        frame.raw -= 8192;  // the sign bit weighs -4096
    }
    return frame;
}

}  // namespace SimTest
