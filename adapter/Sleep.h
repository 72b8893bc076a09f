#pragma once

#include <chrono>
#include <functional>

// The program's one way to wait. Tests put a function of their own in its
// place so that reads run without the real wait.
namespace platform {

using SleepFunction = std::function<void(std::chrono::milliseconds)>;

void Sleep(std::chrono::milliseconds duration);

// Installs `replacement` (an empty function restores the real wait) and
// returns what was installed before.
SleepFunction ReplaceSleep(SleepFunction replacement);

}  // namespace platform
