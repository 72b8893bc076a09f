#include "Sleep.h"

#include "SimulatedClock.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

struct NapCase {
    const char* name;
    double scale;                   // how much of each nap passes ...
    std::chrono::nanoseconds late;  // ... and how much more
};

class SettleWait : public testing::TestWithParam<NapCase> {};

// With no wait installed in its place, the program's wait goes by the clock:
// it never ends before its deadline, however its naps end, nor much after.
TEST_P(SettleWait, LastsUntilItsDeadlineAndHardlyLonger)
{
    SimulatedClock clock(GetParam().scale, GetParam().late);
    const auto start = clock.now;
    platform::Sleep(300ms);
    EXPECT_GE(clock.now - start, 300ms);
    EXPECT_LE(clock.now - start, 300ms + 10us + std::max(GetParam().late - 1ms, 0ns));
}

INSTANTIATE_TEST_SUITE_P(Naps, SettleWait,
                         testing::Values(NapCase{"Exact", 1.0, 0ns}, NapCase{"WakingLate", 1.0, 2ms},
                                         NapCase{"WakingEarly", 0.9, 0ns}, NapCase{"WakingAtOnce", 0.0, 0ns}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
