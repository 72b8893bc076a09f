#include "Sleep.h"

#ifdef __linux__
#include <sys/prctl.h>
#endif

#include <thread>
#include <utility>

namespace platform {
namespace {

SleepFunction& Installed()
{
    static SleepFunction installed;
    return installed;
}

// The wait itself, never shorter than asked for: a system's sleep may end up
// to a timer tick early. On Linux the timer's default slack (50 us) is set
// aside for it, so it ends later only by the time the system takes to wake
// the program.
void Wait(std::chrono::milliseconds duration)
{
    const auto deadline = std::chrono::steady_clock::now() + duration;
#ifdef __linux__
    const int slack = prctl(PR_GET_TIMERSLACK);
    prctl(PR_SET_TIMERSLACK, 1UL);
#endif
    for (auto left = deadline - std::chrono::steady_clock::now(); left > left.zero();
         left = deadline - std::chrono::steady_clock::now()) {
        std::this_thread::sleep_for(left);
    }
#ifdef __linux__
    if (slack > 0) {
        prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(slack));
    }
#endif
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
