// SPDX-License-Identifier: MIT

#pragma once

#include "basExampleFunctions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What one press of the read button does, apart from the window: open the
// adapter until that succeeds, take a reading once it is open, and say what
// the two boxes of the window get.
struct ReadCommandResult {
    std::string statusLog;                   // this press's lines, each ended by CR LF
    std::optional<std::string> temperature;  // the temperature box's new text; empty: leave it
    std::optional<int32_t> raw;              // the reading in 1/16 degree, when a valid one was taken
    bool framesDisagree = false;             // rejected: valid frames that did not agree (FrameRun.h)
};

// Which port a reading opens, and how many frames it takes; the window's
// reading is the default, port 1 and one frame.
struct ReadPlan {
    int32_t port = 1;
    int confirm = 1;  // valid frames in a row that must agree
    int retries = 0;  // frames the reading may take beyond `confirm`
};

// One press on `adapter`; `decimalSeparator` is the user's, as UTF-8. While
// the simulator stands in for the driver, the log starts with SimulatorNotice().
ReadCommandResult RunReadCommand(basExampleFunctions& adapter, std::string_view decimalSeparator,
                                 const ReadPlan& plan = {});

// "Simulated adapter: no <driver library> is installed", ended by CR LF.
std::string SimulatorNotice();

// A raw reading (1/16 degree Celsius) in degrees as the user reads numbers:
// at most 15 significant digits, no trailing zeros, no group separators.
std::string FormatCelsius(int32_t raw, std::string_view decimalSeparator);
