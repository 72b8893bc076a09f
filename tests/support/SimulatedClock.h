#pragma once

#include "Sleep.h"

#include <algorithm>
#include <chrono>

// A steady clock whose time passes only while the program waits, and at once;
// installed while it lives. A nap of d lets d x `scale` + `late` pass (at
// least a microsecond), as a system's sleep ends a little early or late; a
// yield lets 10 microseconds pass.
class SimulatedClock {
public:
    explicit SimulatedClock(double scale = 1.0, std::chrono::nanoseconds late = {})
    {
        previous_ = platform::ReplaceClock({[this] { return now; },
                                            [this, scale, late](std::chrono::nanoseconds duration) {
                                                using std::chrono::microseconds;
                                                const auto nap = duration.count() > 0
                                                                     ? std::chrono::duration_cast<microseconds>(
                                                                           duration * scale + late)
                                                                     : microseconds(10);
                                                now += std::max(nap, microseconds(1));
                                            }});
    }
    ~SimulatedClock() { platform::ReplaceClock(std::move(previous_)); }
    SimulatedClock(const SimulatedClock&) = delete;
    SimulatedClock& operator=(const SimulatedClock&) = delete;

    std::chrono::steady_clock::time_point now{};

private:
    platform::Clock previous_;
};
