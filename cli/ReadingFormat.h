// SPDX-License-Identifier: MIT

#pragma once

#include "ReadOptions.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One reading as pallix-read prints it: when it was taken, and the raw value
// in 1/16 degree Celsius, or none when no valid frame came back. Numbers are
// always written with a decimal point: the output is for machines too.
struct Reading {
    std::chrono::system_clock::time_point time;
    std::optional<int32_t> raw;
    int32_t offset = 0;               // the calibration offset added to the temperature, in 1/10000 degree
    std::optional<std::string> name;  // the series' name, shown in json, prometheus and influx
    bool simulated = false;           // taken from the simulated adapter
    bool framesDisagree = false;      // rejected because no frames agreed, not for a bad last frame
};

// The format of that name on the command line, if there is one.
std::optional<ReadOptions::Format> FormatNamed(std::string_view name);

// The line printed before the first reading, with its line end; empty when
// the format has none.
std::string FormatHeader(ReadOptions::Format format);

// The reading's lines, with their line ends.
std::string FormatReading(const Reading& reading, ReadOptions::Format format);

// The temperature with the offset added, in degrees: exact, no trailing zeros.
std::string CelsiusText(int32_t raw, int32_t offset);

// UTC in ISO 8601 with milliseconds, e.g. 2026-12-07T09:30:00.250Z.
std::string Iso8601(std::chrono::system_clock::time_point time);
