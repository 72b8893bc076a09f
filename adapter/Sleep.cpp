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

// The wait itself, never shorter than asked for and hardly longer. A system
// wakes a sleeper late by its timer's slack and its own latency (or, on some,
// up to a tick early), and each reading would pay that: the sleep stops a
// millisecond short and the rest is waited out watching the clock.
void Wait(std::chrono::milliseconds duration)
{
    using Clock = std::chrono::steady_clock;
    constexpr auto kWatched = std::chrono::milliseconds(1);
    const auto deadline = Clock::now() + duration;
    for (auto left = deadline - kWatched - Clock::now(); left > left.zero();
         left = deadline - kWatched - Clock::now()) {
        std::this_thread::sleep_for(left);
    }
    while (Clock::now() < deadline) {
        std::this_thread::yield();
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

}  // namespace platform
