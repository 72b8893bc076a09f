#pragma once

#include "ReadOptions.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

// One reading as pallix-read prints it: when it was taken, and the raw value
// in 1/16 degree Celsius, or none when no valid frame came back. Numbers are
// always written with a decimal point: the output is for machines too.
struct Reading {
    std::chrono::system_clock::time_point time;
    std::optional<int32_t> raw;
};

// The line printed before the first reading, with its line end; empty when
// the format has none.
std::string FormatHeader(ReadOptions::Format format);

// The reading's line, with its line end.
std::string FormatReading(const Reading& reading, ReadOptions::Format format);

// UTC in ISO 8601 with milliseconds, e.g. 2026-12-07T09:30:00.250Z.
std::string Iso8601(std::chrono::system_clock::time_point time);
