// SPDX-License-Identifier: MIT

#pragma once

#include "Sleep.h"

#include <algorithm>
#include <chrono>

// A steady clock whose time passes only while the program waits, and at once;
// installed while it lives. Each nap ends `late` after its time (before it,
// when negative, as a system's sleep may), yet lets a microsecond pass at
// least; a yield lets 10 microseconds pass.
class SimulatedClock {
public:
    explicit SimulatedClock(std::chrono::microseconds late = {})
        : previous_(platform::ReplaceClock({[this] { return now; },
                                            [this, late](std::chrono::nanoseconds duration) {
                                                using std::chrono::microseconds;
                                                const auto nap =
                                                    std::chrono::duration_cast<microseconds>(duration) + late;
                                                now += duration.count() > 0 ? std::max(nap, microseconds(1))
                                                                            : microseconds(10);
                                            }}))
    {
    }
    ~SimulatedClock() { platform::ReplaceClock(std::move(previous_)); }

    std::chrono::steady_clock::time_point now{};

private:
    platform::Clock previous_;
};
