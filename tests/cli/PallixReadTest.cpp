// SPDX-License-Identifier: MIT

#include "PallixRead.h"

#include "ScriptedDriver.h"
#include "SimulatedClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr int32_t kRejected = 9999;  // a frame whose trailer is wrong

class PallixRead : public testing::Test {
protected:
    // pallix-read with `arguments` against `frames`: its exit status, and its
    // standard output in `output`.
    int Run(const std::vector<const char*>& arguments, const std::vector<int32_t>& frames)
    {
        for (const int32_t frame : frames) {
            frame == kRejected ? driver.Frame(400, 0b1111) : driver.Frame(frame);
        }
        std::vector<char*> argv = {const_cast<char*>("pallix-read")};
        for (const char* argument : arguments) {
            argv.push_back(const_cast<char*>(argument));
        }
        argv.push_back(nullptr);
        testing::internal::CaptureStdout();
        const int status = RunPallixRead(static_cast<int>(argv.size() - 1), argv.data(), driver.Driver());
        output = testing::internal::GetCapturedStdout();
        return status;
    }

    // Chip-select cycles: each selects the sensor after the idle pattern.
    long Cycles() const
    {
        const std::vector<int32_t> patterns = driver.Patterns();
        long cycles = 0;
        for (std::size_t at = 1; at < patterns.size(); ++at) {
            cycles += patterns[at - 1] == 3 && patterns[at] == 1 ? 1 : 0;
        }
        return cycles;
    }

    ScriptedDriver driver;
    std::string output;
};

struct FramesCase {
    const char* name;
    std::vector<const char*> arguments;
    std::vector<int32_t> frames;
    int status;
    const char* output;
    long cycles;
};

// A reading ends with its first valid frame, or once N agreeing valid frames
// in a row hold; it never reads a frame that could no longer make such a run.
// clang-format off
const FramesCase kFramesCases[] = {
    {"OneFrameWithoutRetries", {}, {kRejected, 400}, 1, "error: no valid frame from the sensor\n", 1},
    {"RetriesUntilAValidFrame", {"--retries", "2"}, {kRejected, kRejected, 400}, 0, "25 °C\n", 3},
    {"RetriesRunOut", {"-r", "2"}, {kRejected, kRejected, kRejected, 400}, 1, "error: no valid frame from the sensor\n", 3},
    {"ConfirmedByAJitterOfOne", {"--confirm", "2"}, {400, 401, 500}, 0, "25.0625 °C\n", 2},
    {"FarOffFramesDisagree", {"--confirm", "2"}, {400, 402}, 1, "error: frames from the sensor disagree\n", 2},
    {"AFarOffFrameStartsANewRun", {"--confirm", "2", "--retries", "1"}, {400, 402, 402}, 0, "25.125 °C\n", 3},
    {"TheRunIsTheLastFramesRead", {"--confirm", "3", "--retries", "2"}, {400, 400, 410, 410, 409}, 0, "25.5625 °C\n", 5},
    {"StopsWhenNoRunCanFit", {"--confirm", "3", "--retries", "2"}, {kRejected, 400, 400, kRejected, 400}, 1,
     "error: no valid frame from the sensor\n", 4},
};
// clang-format on

class Frames : public PallixRead, public testing::WithParamInterface<FramesCase> {};

TEST_P(Frames, TakeAsManyChipSelectCyclesAsTheReadingNeeds)
{
    EXPECT_EQ(Run(GetParam().arguments, GetParam().frames), GetParam().status);
    EXPECT_EQ(output, GetParam().output);
    EXPECT_EQ(Cycles(), GetParam().cycles);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, Frames, testing::ValuesIn(kFramesCases),
                         [](const auto& test) { return std::string(test.param.name); });

struct PaceCase {
    const char* name;
    std::vector<const char*> arguments;
    std::vector<int32_t> frames;
    std::vector<std::chrono::milliseconds> waits;  // when each frame's wait starts
};

// Each frame waits its 300 ms on the simulated clock; the interval runs from
// the start of one reading to the start of the next, retries included, or,
// shorter than a reading, they run back to back.
const PaceCase kPaceCases[] = {
    {"LongOptions", {"--count", "3", "--interval", "2"}, {400, 400, 400}, {0ms, 2000ms, 4000ms}},
    {"ShortOptionsJoined", {"-c3", "-i0.1"}, {400, 400, 400}, {0ms, 300ms, 600ms}},
    {"LongOptionsWithValuesJoined", {"--count=2", "--interval=0"}, {400, 400}, {0ms, 300ms}},
    {"Retries",
     {"-c", "2", "-i", "1", "-r", "2"},
     {kRejected, 400, kRejected, kRejected, 400},
     {0ms, 300ms, 1000ms, 1300ms, 1600ms}},
};

class Pacing : public PallixRead, public testing::WithParamInterface<PaceCase> {};

TEST_P(Pacing, StartsEachReadingAnIntervalAfterTheOneBefore)
{
    SimulatedClock clock;
    std::vector<std::chrono::milliseconds> waits;
    platform::ReplaceSleep([&](std::chrono::milliseconds duration) {
        waits.push_back(std::chrono::duration_cast<std::chrono::milliseconds>(clock.now.time_since_epoch()));
        clock.now += duration;
    });
    EXPECT_EQ(Run(GetParam().arguments, GetParam().frames), 0);
    EXPECT_EQ(waits, GetParam().waits);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, Pacing, testing::ValuesIn(kPaceCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(PallixRead, OpensThePortTheCommandLineNames)
{
    driver.setPortResult = 0;
    driver.getPortResult = 0;
    testing::internal::CaptureStderr();
    EXPECT_EQ(Run({"--port", "255"}, {}), 3);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Can not set Port255\nPort: 0\n");
    EXPECT_NE(std::find(driver.calls.begin(), driver.calls.end(), "SetPort(255)"), driver.calls.end());
}

}  // namespace
