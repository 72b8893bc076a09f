// SPDX-License-Identifier: MIT

#include "ScriptedDriver.h"
#include "basExampleFunctions.h"

#include <gtest/gtest.h>

using bef = basExampleFunctions;

namespace {

// The driver is ready for each test.
class ReadTemperature : public testing::Test {
protected:
    void SetUp() override { adapter.bDriverReady = true; }
    ScriptedDriver driver;
    basExampleFunctions adapter{driver.Driver()};
};

// 3, 1, seventeen times (0, 1), 3.
const std::vector<int32_t> kPatterns = {3, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0,
                                        1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 3};

// One sample per '0' or '1' of `bits`, as `zero` or `one`.
std::vector<int32_t> Samples(const std::string& bits, int32_t zero = 0, int32_t one = 1)
{
    std::vector<int32_t> samples;
    for (char c : bits) {
        if (c == '0' || c == '1') {
            samples.push_back(c == '1' ? one : zero);
        }
    }
    return samples;
}

TEST_F(ReadTemperature, WithoutAReadyDriverCallsNothingAndWaitsNot)
{
    adapter.bDriverReady = false;
    EXPECT_EQ(adapter.ReadTemperature(), bef::kNoReading);
    EXPECT_TRUE(driver.calls.empty());
}

TEST_F(ReadTemperature, WritesIdleWaitsSelectsClocksSeventeenBitsAndDeselects)
{
    driver.Frame(400);
    EXPECT_EQ(adapter.ReadTemperature(), 400);
    EXPECT_EQ(driver.Patterns(), kPatterns);

    const auto& calls = driver.calls;
    ASSERT_EQ(calls.size(), 37U + 17U + 1U);
    const std::vector<std::string> start = {"WriteTestpins(3)", "Sleep(300)", "WriteTestpins(1)", "WriteTestpins(0)",
                                            "ReadTestpins()"};  // sampled while the clock is low
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 5), start);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "ReadTestpins()"), 17);
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
    {"SampleNotWrittenRepeatsThePreviousBit", "0 000110010000 011", bef::kNoReading},  // trailer 0111
};

class ReadFrames : public ReadTemperature, public testing::WithParamInterface<FrameCase> {};

TEST_P(ReadFrames, DecodesOrRejectsTheFrame)
{
    driver.samples = Samples(GetParam().bits);
    EXPECT_EQ(adapter.ReadTemperature(), GetParam().expected);
    EXPECT_EQ(driver.Patterns(), kPatterns);  // rejected frames end deselected too
}

INSTANTIATE_TEST_SUITE_P(Frames, ReadFrames, testing::ValuesIn(kFrames),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(ReadTemperature, TakesEveryOddSampleForAOneBitAndEveryEvenOneForAZero)
{
    driver.samples = Samples("0 000110010000 0110", -2, -1);
    EXPECT_EQ(adapter.ReadTemperature(), 400);
}

}  // namespace
