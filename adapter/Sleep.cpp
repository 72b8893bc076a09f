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

// The wait itself. On Linux the timer's default slack (50 us) is set aside
// for it: the wait may then end later only by the time the system takes to
// wake the program.
void Wait(std::chrono::milliseconds duration)
{
#ifdef __linux__
    const int slack = prctl(PR_GET_TIMERSLACK);
    prctl(PR_SET_TIMERSLACK, 1UL);
    std::this_thread::sleep_for(duration);
    if (slack > 0) {
        prctl(PR_SET_TIMERSLACK, static_cast<unsigned long>(slack));
    }
#else
    std::this_thread::sleep_for(duration);
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
