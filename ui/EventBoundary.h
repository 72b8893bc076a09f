#pragma once

#include "RuntimeError.h"

#include <exception>
#include <utility>

// Where the event loop hands control to the program. No exception may cross
// back into Qt: an error that a handler does not trap is shown to the user
// with its number and description, and the program then ends with status 1.
namespace EventBoundary {

inline constexpr int kExitStatus = 1;

// The error `exception` stands for, as the user is told about it.
RuntimeError AsRuntimeError(const std::exception_ptr& exception);

// Shows the report of an untrapped error and makes the event loop exit.
void ReportUntrapped(const std::exception_ptr& exception) noexcept;

// Runs one event handler. False when it ended with an untrapped error, which
// has then been reported.
template <typename Handler>
bool Run(Handler&& handler) noexcept
{
    return RunReportingUntrapped(std::forward<Handler>(handler), ReportUntrapped);
}

}  // namespace EventBoundary
