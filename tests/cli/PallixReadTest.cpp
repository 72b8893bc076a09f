#include "PallixRead.h"

#include "ScriptedDriver.h"
#include "SimulatedClock.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace std::chrono_literals;

struct PaceCase {
    const char* name;
    std::vector<const char*> arguments;
    std::vector<std::chrono::milliseconds> starts;  // when each reading starts
};

// Each reading takes its 300 ms on the simulated clock; the interval runs
// from the start of one to the start of the next, or, shorter than a reading,
// they run back to back. Short and long options alike.
const PaceCase kCases[] = {
    {"LongOptions", {"--count", "3", "--interval", "2"}, {0ms, 2000ms, 4000ms}},
    {"ShortOptions", {"-c", "3", "-i", "0.5"}, {0ms, 500ms, 1000ms}},
    {"ShortOptionsJoined", {"-c3", "-i0.1"}, {0ms, 300ms, 600ms}},
    {"LongOptionsWithValuesJoined", {"--count=2", "--interval=0"}, {0ms, 300ms}},
};

class Pacing : public testing::TestWithParam<PaceCase> {};

TEST_P(Pacing, StartsEachReadingAnIntervalAfterTheOneBefore)
{
    ScriptedDriver driver;
    SimulatedClock clock;
    std::vector<std::chrono::milliseconds> starts;
    platform::ReplaceSleep([&](std::chrono::milliseconds duration) {
        starts.push_back(std::chrono::duration_cast<std::chrono::milliseconds>(clock.now.time_since_epoch()));
        clock.now += duration;
    });
    std::vector<char*> argv = {const_cast<char*>("pallix-read")};
    for (const char* argument : GetParam().arguments) {
        argv.push_back(const_cast<char*>(argument));
    }
    for (std::size_t reading = 0; reading < GetParam().starts.size(); ++reading) {
        driver.Frame(400);
    }
    argv.push_back(nullptr);
    EXPECT_EQ(RunPallixRead(static_cast<int>(argv.size() - 1), argv.data(), driver.Driver()), 0);
    EXPECT_EQ(starts, GetParam().starts);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, Pacing, testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
