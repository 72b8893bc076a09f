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

}  // namespace

void Sleep(std::chrono::milliseconds duration)
{
    if (const SleepFunction& replacement = Installed()) {
        replacement(duration);
    } else {
        std::this_thread::sleep_for(duration);
    }
}

SleepFunction ReplaceSleep(SleepFunction replacement)
{
    return std::exchange(Installed(), std::move(replacement));
}

}  // namespace platform
