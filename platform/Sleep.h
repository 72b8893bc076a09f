// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <functional>

// The program's one way to wait, and the clock its waits go by. Tests put a
// function of their own in place of the wait so that reads run without it,
// or a simulated clock in place of the system's to see a wait last as long
// as it must.
namespace platform {

using SleepFunction = std::function<void(std::chrono::milliseconds)>;

void Sleep(std::chrono::milliseconds duration);

// Installs `replacement` (an empty function restores the real wait) and
// returns what was installed before.
SleepFunction ReplaceSleep(SleepFunction replacement);

// A steady clock and the way its time passes while the program waits.
struct Clock {
    std::function<std::chrono::steady_clock::time_point()> now;
    // Lets about `duration` pass (a system's sleep may end a little early or
    // late); zero only lets other threads run.
    std::function<void(std::chrono::nanoseconds)> pass;
};

// Installs `replacement` for every wait (empty members restore the system's
// clock) and returns what was installed before.
Clock ReplaceClock(Clock replacement);

std::chrono::steady_clock::time_point Now();

// On a replaced clock lets `duration` pass and returns true; on the system's
// returns false at once, and the caller waits in its own way.
bool PassOnReplacedClock(std::chrono::nanoseconds duration);

}  // namespace platform
