#pragma once

#include <chrono>

// The user's interrupt (Ctrl+C) and a request to end the program are caught,
// so that the program ends between readings, never with the sensor selected.
namespace platform {

void CatchInterrupts();

// The exit status an interrupt caught so far asks for (130 for an interrupt,
// 143 for a request to end), or 0 when none came.
int InterruptStatus();

// Waits `duration`, or less when an interrupt comes.
void WaitUnlessInterrupted(std::chrono::nanoseconds duration);

}  // namespace platform
