#pragma once

#include "RuntimeError.h"

#include <exception>
#include <utility>

// Where the message loop hands control to the program. No exception may
// cross back into the system's code: an error that a handler does not trap
// is shown with its number and description, and the message loop then ends
// with exit status 1.
namespace EventBoundary {

inline constexpr int kExitStatus = 1;

// Shows the report of an untrapped error and ends the message loop.
void ReportUntrapped(const std::exception_ptr& exception) noexcept;

// Runs one handler. False when it ended with an untrapped error, which has
// then been reported.
template <typename Handler>
bool Run(Handler&& handler) noexcept
{
    return RunReportingUntrapped(std::forward<Handler>(handler), ReportUntrapped);
}

// Dispatches the messages of the thread, the dialog keys (Tab, access keys)
// of `window` among them, until the loop is ended; returns the exit status.
int RunMessageLoop(void* window);

}  // namespace EventBoundary
