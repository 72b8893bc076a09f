// SPDX-License-Identifier: MIT

#pragma once

#include <exception>
#include <stdexcept>
#include <string>
#include <utility>

// An error with the number and description a user is shown. The numbers are
// the classic ones, so a report reads the same whatever front end shows it.
class RuntimeError : public std::runtime_error {
public:
    enum Number : int {
        InvalidArgument = 5,
        OutOfMemory = 7,
        LibraryNotLoaded = 48,
        FileNotFound = 53,
        PermissionDenied = 70,
        EntryPointNotFound = 453,
    };

    RuntimeError(int number, const std::string& description)
        : std::runtime_error(description)
        , number_(number)
    {
    }

    // The error an exception stands for, as the user is told about it: a
    // RuntimeError as it is, anything else as an internal error (51) or
    // out of memory (7).
    static RuntimeError From(const std::exception_ptr& exception);

    int number() const noexcept { return number_; }
    std::string description() const { return what(); }

private:
    int number_;
};

// Runs an event handler so that no error leaves it: one that does is handed
// to `report` (which tells the user and ends the program). False then.
template <typename Handler, typename Report>
bool RunReportingUntrapped(Handler&& handler, Report&& report) noexcept
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (...) {
        std::forward<Report>(report)(std::current_exception());
        return false;
    }
}
