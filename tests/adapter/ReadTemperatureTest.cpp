#include "ScriptedDriver.h"
#include "basExampleFunctions.h"

#include <gtest/gtest.h>

namespace bef = basExampleFunctions;

namespace {

// The driver is ready for each test and not ready afterwards.
class ReadTemperature : public testing::Test {
protected:
    void SetUp() override { bef::bDriverReady = true; }
    void TearDown() override { bef::bDriverReady = false; }
    ScriptedDriver driver;
};

std::vector<int32_t> ExpectedPatterns()
{
    std::vector<int32_t> patterns = {3, 1};
    for (int bit = 0; bit < 17; ++bit) {
        patterns.push_back(0);
        patterns.push_back(1);
    }
    patterns.push_back(3);
    return patterns;
}

std::vector<int32_t> Bits(const std::string& bits)
{
    std::vector<int32_t> samples;
    for (char c : bits) {
        if (c == '0' || c == '1') {
            samples.push_back(c - '0');
        }
    }
    return samples;
}

TEST_F(ReadTemperature, WithoutAReadyDriverCallsNothingAndWaitsNot)
{
    bef::bDriverReady = false;
    EXPECT_EQ(bef::ReadTemperature(), bef::kNoReading);
    EXPECT_TRUE(driver.Calls().empty());
}

TEST_F(ReadTemperature, WritesIdleWaitsSelectsClocksSeventeenBitsAndDeselects)
{
    driver.Frame(400);
    EXPECT_EQ(bef::ReadTemperature(), 400);
    EXPECT_EQ(driver.Patterns(), ExpectedPatterns());

    const auto& calls = driver.Calls();
    ASSERT_GE(calls.size(), 4U);
    EXPECT_EQ(calls[0], "WriteTestpins(3)");
    EXPECT_EQ(calls[1], "Sleep(300)");
    EXPECT_EQ(calls[2], "WriteTestpins(1)");
    EXPECT_EQ(calls[3], "WriteTestpins(0)");
    EXPECT_EQ(calls[4], "ReadTestpins()");  // sampled while the clock is low
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "ReadTestpins()"), 17);
    EXPECT_EQ(calls.size(), 37U + 17U + 1U);
}

struct FrameCase {
    const char* name;
    const char* bits;  // sign | magnitude | trailer
    int32_t expected;
};

const FrameCase kFrames[] = {
    {"TwentyFiveDegrees", "0 000110010000 0110", 400},
    {"MinusOneCount", "1 111111111111 0110", -1},
    {"LowestReading", "1 000000000000 0110", -4096},
    {"HighestReading", "0 111111111111 0110", 4095},
    {"Zero", "0 000000000000 0110", 0},
    {"AllZeroSamplesAreRejected", "0 000000000000 0000", bef::kNoReading},
    {"AllOneSamplesAreRejected", "1 111111111111 1111", bef::kNoReading},
    {"TrailerOneOneOneIsRejected", "0 000110010000 0111", bef::kNoReading},
    {"TrailerOneOneOneZeroIsRejected", "1 000110010000 1110", bef::kNoReading},
    {"DriverThatNeverWritesTheSampleGivesNoReading", "", bef::kNoReading},
    {"SampleNotWrittenRepeatsThePreviousBit", "011", bef::kNoReading},  // trailer 1111
};

class ReadFrames : public ReadTemperature, public testing::WithParamInterface<FrameCase> {};

TEST_P(ReadFrames, DecodesOrRejectsTheFrame)
{
    driver.Samples(Bits(GetParam().bits));
    EXPECT_EQ(bef::ReadTemperature(), GetParam().expected);
    EXPECT_EQ(driver.Patterns(), ExpectedPatterns());  // rejected frames end deselected too
}

INSTANTIATE_TEST_SUITE_P(Frames, ReadFrames, testing::ValuesIn(kFrames),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(ReadTemperature, CountsOddSamplesIncludingNegativeOnesAsOneBits)
{
    // 400 with every 1 bit as -1, 3 or 1 and every 0 bit as -2, 2 or 0 in turn.
    const std::vector<int32_t> ones = {-1, 3, 1};
    const std::vector<int32_t> zeros = {-2, 2, 0};
    std::vector<int32_t> samples;
    std::size_t i = 0;
    for (int32_t bit : Bits("0 000110010000 0110")) {
        samples.push_back(bit != 0 ? ones[i % 3] : zeros[i % 3]);
        ++i;
    }
    driver.Samples(samples);
    EXPECT_EQ(bef::ReadTemperature(), 400);
}

TEST_F(ReadTemperature, OutOfRangeReadTestpinsResultNeitherFailsNorLeavesTheSensorSelected)
{
    driver.ReadTestpinsResult(70000).Frame(-1);
    EXPECT_EQ(bef::ReadTemperature(), -1);
    EXPECT_EQ(driver.Patterns().back(), 3);
}

TEST(IsOdd, LooksAtBitZeroOfTheTwosComplement)
{
    for (int32_t value : {-3, -1, 1, 3, 2147483647, static_cast<int32_t>(-2147483647)}) {
        EXPECT_TRUE(bef::IsOdd(value)) << value;
    }
    for (int32_t value : {-4, -2, 0, 2, static_cast<int32_t>(-2147483647 - 1)}) {
        EXPECT_FALSE(bef::IsOdd(value)) << value;
    }
}

}  // namespace
