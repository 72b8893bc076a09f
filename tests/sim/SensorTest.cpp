#include "FrameEncoding.h"
#include "Pallix400Sim.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using Pallix400Sim::Control;
using Pallix400Sim::Fault;

constexpr int32_t kIdle = Pallix400::kChipSelectBit | Pallix400::kClockBit;
constexpr int32_t kSelected = Pallix400::kClockBit;

int32_t DataLine()
{
    int32_t inputs = -1;
    EXPECT_EQ(ReadTestpins(&inputs), 1);
    return inputs;
}

std::vector<int> FrameBits(int32_t raw)
{
    std::vector<int> bits;
    const uint32_t frame = Pallix400Sim::EncodeFrame(raw);
    for (int position = 0; position < Pallix400Sim::kFrameBits; ++position) {
        bits.push_back(Pallix400Sim::FrameBit(frame, position) ? 1 : 0);
    }
    return bits;
}

using Sensor = SimTest::SimulatorTest;

TEST_F(Sensor, DeselectingInTheMiddleOfAFrameRestartsIt)
{
    Control{}.Temperature(-12.5);
    SimTest::OpenDriver();
    SimTest::ReadCycle(5);
    const SimTest::Frame frame = SimTest::Decode(SimTest::ReadCycle());
    EXPECT_EQ(frame.raw, -200);
    EXPECT_EQ(frame.trailer, 0b0110);
}

TEST_F(Sensor, DataLineIsReleasedHighWhileDeselectedAndUntilTheFirstFallingEdge)
{
    Control{}.Temperature(0.0);  // a frame that starts with 0 bits
    SimTest::OpenDriver();
    ASSERT_EQ(WriteTestpins(kIdle), 1);
    EXPECT_EQ(DataLine(), 1);
    ASSERT_EQ(WriteTestpins(kSelected), 1);
    EXPECT_EQ(DataLine(), 1);
    ASSERT_EQ(WriteTestpins(0), 1);
    EXPECT_EQ(DataLine(), 0);
    ASSERT_EQ(WriteTestpins(kIdle), 1);
    EXPECT_EQ(DataLine(), 1);
}

TEST_F(Sensor, DataLineChangesOnlyOnAFallingClockEdge)
{
    Control{}.Temperature(-0.0625);  // sign bit 1 first, then ones
    SimTest::OpenDriver();
    ASSERT_EQ(WriteTestpins(kIdle), 1);
    ASSERT_EQ(WriteTestpins(kSelected), 1);
    ASSERT_EQ(WriteTestpins(0), 1);
    const int32_t first = DataLine();
    ASSERT_EQ(WriteTestpins(kSelected), 1);
    EXPECT_EQ(DataLine(), first) << "the rising edge must not shift a bit";
    ASSERT_EQ(WriteTestpins(kSelected), 1);
    EXPECT_EQ(DataLine(), first) << "writing the same level is no edge";
}

TEST_F(Sensor, DataLineReadsZeroAfterTheSeventeenthBit)
{
    Control{}.Temperature(-0.0625);
    SimTest::OpenDriver();
    const std::vector<int> samples = SimTest::ReadCycle(20);
    EXPECT_EQ(std::vector<int>(samples.begin(), samples.begin() + 17), FrameBits(-1));
    EXPECT_EQ(std::vector<int>(samples.begin() + 17, samples.end()), (std::vector<int>{0, 0, 0}));
}

TEST_F(Sensor, TemperatureIsLatchedWhenTheSensorIsSelected)
{
    Control{}.Temperature(25.0);
    SimTest::OpenDriver();
    ASSERT_EQ(WriteTestpins(kIdle), 1);
    ASSERT_EQ(WriteTestpins(kSelected), 1);
    Control{}.Temperature(-25.0);
    std::vector<int> samples;
    for (int bit = 0; bit < Pallix400Sim::kFrameBits; ++bit) {
        ASSERT_EQ(WriteTestpins(0), 1);
        samples.push_back(DataLine() & Pallix400::kDataBit);
        ASSERT_EQ(WriteTestpins(kSelected), 1);
    }
    ASSERT_EQ(WriteTestpins(kIdle), 1);
    EXPECT_EQ(SimTest::Decode(samples).raw, 400);
    EXPECT_EQ(SimTest::Decode(SimTest::ReadCycle()).raw, -400);
}

TEST_F(Sensor, WithoutAFixedTemperatureTheRoomReadsAboutTwentyTwoDegreesAndVaries)
{
    Control{}.Seed(7);
    SimTest::OpenDriver();
    std::set<int32_t> readings;
    for (int reading = 0; reading < 20; ++reading) {
        const SimTest::Frame frame = SimTest::Decode(SimTest::ReadCycle());
        EXPECT_EQ(frame.trailer, 0b0110);
        EXPECT_GE(frame.raw * Pallix400Sim::kCelsiusPerCount, 21.0);
        EXPECT_LE(frame.raw * Pallix400Sim::kCelsiusPerCount, 23.0);
        readings.insert(frame.raw);
    }
    EXPECT_GT(readings.size(), 1U) << "a real sensor's readings differ by a count or so";
    EXPECT_LT(*readings.rbegin() - *readings.begin(), 8) << "but only by a little";
}

struct NoiseCase {
    double probability;
    int minimumFlips;
    int maximumFlips;
    friend std::ostream& operator<<(std::ostream& out, const NoiseCase& c) { return out << "p=" << c.probability; }
};

class Noise : public SimTest::SimulatorTest, public ::testing::WithParamInterface<NoiseCase> {};

TEST_P(Noise, FlipsAShareOfTheBitsThatFollowsTheProbability)
{
    constexpr int kFrames = 20;
    Control{}.Temperature(25.0).Fault(Fault::Noise).NoiseProbability(GetParam().probability).Seed(42);
    SimTest::OpenDriver();
    const std::vector<int> clean = FrameBits(400);
    int flips = 0;
    for (int frame = 0; frame < kFrames; ++frame) {
        const std::vector<int> samples = SimTest::ReadCycle();
        for (std::size_t bit = 0; bit < samples.size(); ++bit) {
            flips += samples[bit] != clean[bit] ? 1 : 0;
        }
    }
    EXPECT_GE(flips, GetParam().minimumFlips);
    EXPECT_LE(flips, GetParam().maximumFlips);
}

// 340 bits in all; the bounds for 0.3 lie far outside any likely count.
INSTANTIATE_TEST_SUITE_P(Probabilities, Noise,
                         ::testing::Values(NoiseCase{0.0, 0, 0}, NoiseCase{0.3, 40, 180}, NoiseCase{1.0, 340, 340}));

TEST_F(Sensor, NoiseWithTheSameSeedRepeats)
{
    auto read = [] {
        Control{}.Temperature(25.0).Fault(Fault::Noise).NoiseProbability(0.5).Seed(1234);
        std::vector<int> samples;
        for (int frame = 0; frame < 5; ++frame) {
            const std::vector<int> bits = SimTest::ReadCycle();
            samples.insert(samples.end(), bits.begin(), bits.end());
        }
        return samples;
    };
    SimTest::OpenDriver();
    const std::vector<int> first = read();
    EXPECT_EQ(read(), first);
}

TEST_F(Sensor, NoiseUsesTheDefaultProbabilityFromTheEnvironment)
{
    SetEnvironment("PALLIX400_SIM_FAULT", "noise");
    Control{}.Temperature(25.0).Seed(3);
    SimTest::OpenDriver();
    int flips = 0;
    for (int frame = 0; frame < 40; ++frame) {
        const std::vector<int> samples = SimTest::ReadCycle();
        const std::vector<int> clean = FrameBits(400);
        flips += static_cast<int>(std::mismatch(samples.begin(), samples.end(), clean.begin()).first != samples.end());
    }
    EXPECT_GT(flips, 0) << "at 5 % some of 40 frames are disturbed";
    EXPECT_LT(flips, 40) << "at 5 % not every frame is disturbed";
}

TEST(ControlArguments, ImpossibleValuesAreRefusedWithAMessage)
{
    EXPECT_THROW(Control{}.NoiseProbability(1.5), std::invalid_argument);
    EXPECT_THROW(Control{}.NoiseProbability(-0.1), std::invalid_argument);
    EXPECT_THROW(Control{}.Temperature(std::numeric_limits<double>::infinity()), std::invalid_argument);
}

}  // namespace
