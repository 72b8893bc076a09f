#pragma once

#include <stdexcept>
#include <string>

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

    int number() const noexcept { return number_; }
    std::string description() const { return what(); }

private:
    int number_;
};
