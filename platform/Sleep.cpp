// SPDX-License-Identifier: MIT

#include "Sleep.h"

#include <thread>
#include <utility>

namespace platform {
namespace {

SleepFunction& Installed()
{
    static SleepFunction installed;
    return installed;
}

Clock& InstalledClock()
{
    static Clock clock;
    return clock;
}

void Pass(std::chrono::nanoseconds duration)
{
    if (PassOnReplacedClock(duration)) {
        return;
    }
    if (duration > duration.zero()) {
        std::this_thread::sleep_for(duration);
    } else {
        std::this_thread::yield();
    }
}

// The wait itself, never shorter than asked for and hardly longer. A system
// wakes a sleeper late by its timer's slack and its own latency (or, on some,
// up to a tick early), and each reading would pay that: the sleep stops a
// millisecond short and the rest is waited out watching the clock.
void Wait(std::chrono::milliseconds duration)
{
    constexpr auto kWatched = std::chrono::milliseconds(1);
    const auto deadline = Now() + duration;
    for (auto left = deadline - kWatched - Now(); left > left.zero(); left = deadline - kWatched - Now()) {
        Pass(left);
    }
    while (Now() < deadline) {
        Pass(std::chrono::nanoseconds::zero());
    }
}

}  // namespace

void Sleep(std::chrono::milliseconds duration)
{
    if (const SleepFunction& replacement = Installed()) {
        replacement(duration);
    } else {
        Wait(duration);
    }
}

SleepFunction ReplaceSleep(SleepFunction replacement)
{
    return std::exchange(Installed(), std::move(replacement));
}

Clock ReplaceClock(Clock replacement)
{
    return std::exchange(InstalledClock(), std::move(replacement));
}

std::chrono::steady_clock::time_point Now()
{
    const Clock& clock = InstalledClock();
    return clock.now ? clock.now() : std::chrono::steady_clock::now();
}

bool PassOnReplacedClock(std::chrono::nanoseconds duration)
{
    const Clock& clock = InstalledClock();
    if (!clock.pass) {
        return false;
    }
    clock.pass(duration);
    return true;
}

}  // namespace platform
