// SPDX-License-Identifier: MIT

#include "Sleep.h"

#include "SimulatedClock.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// With no wait installed in its place, the program's wait goes by the clock:
// it never ends before its deadline, however late or early its naps end (or
// at once), nor much after it.
class SettleWait : public testing::TestWithParam<std::chrono::microseconds> {};

TEST_P(SettleWait, LastsUntilItsDeadlineAndHardlyLonger)
{
    SimulatedClock clock(GetParam());
    platform::Sleep(300ms);
    EXPECT_GE(clock.now.time_since_epoch(), 300ms);
    EXPECT_LE(clock.now.time_since_epoch(), 300ms + 10us + std::max(GetParam() - 1ms, 0us));
}

INSTANTIATE_TEST_SUITE_P(NapsEndingLateOrEarly, SettleWait, testing::Values(0ms, 2ms, -5ms, -300ms));

}  // namespace
