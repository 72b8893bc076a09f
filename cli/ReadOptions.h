// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

// What pallix-read was asked to do.
struct ReadOptions {
    enum class Format { Text, Csv, Json, Prometheus, Influx };
    enum class Action { Read, Help, Version };

    Action action = Action::Read;
    std::optional<long> count = 1;         // empty: read until interrupted
    std::chrono::nanoseconds interval{0};  // from the start of one reading to the start of the next
    Format format = Format::Text;
    std::optional<std::string> output;  // the file each reading replaces; empty: standard output
    int32_t offset = 0;                 // added to every temperature, in 1/10000 degree Celsius
    int port = 1;                       // the adapter's port, 1 to 255
    std::optional<std::string> name;    // tells this reader's series apart; UTF-8, no control character
    int retries = 0;                    // more frames after a rejected one
    int confirm = 1;                    // valid frames in a row that must agree; 1: the first valid one
};

// The command line's options, or the one-line reason it is not understood,
// naming the argument at fault.
struct ParsedOptions {
    ReadOptions options;
    std::string error;
};

ParsedOptions ParseReadOptions(int argc, char* argv[]);

// The synopsis, and the help with every option.
extern const char* const kReadUsage;
extern const char* const kReadHelp;
