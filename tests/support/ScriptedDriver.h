// SPDX-License-Identifier: MIT

#pragma once

#include "Pallix400.h"
#include "Sleep.h"

#include <cstdint>
#include <string>
#include <vector>

// An in-process driver for tests: it serves scripted answers and pin samples,
// records every call, and replaces the program's wait with a recorder. A
// Pallix400 made by Driver() talks to it instead of a driver library. One at
// a time.
class ScriptedDriver {
public:
    ScriptedDriver();
    ~ScriptedDriver();
    ScriptedDriver(const ScriptedDriver&) = delete;
    ScriptedDriver& operator=(const ScriptedDriver&) = delete;

    // What the driver answers; the defaults are a healthy adapter on port 1.
    int32_t initiateResult = Pallix400Api::kDriverReady;
    std::string errorText;   // the bytes CopyErrorText copies ...
    int32_t errorCount = 0;  // ... and what it returns
    int32_t setPortResult = 1;
    int32_t getPortResult = 1;
    int32_t readTestpinsResult = 1;
    // Samples ReadTestpins hands out in turn; once they run out it leaves the
    // caller's variable as it was.
    std::vector<int32_t> samples;

    // Appends the 17 samples of a frame for `raw` with `trailer`.
    ScriptedDriver& Frame(int32_t raw, uint32_t trailer = 0b0110);
    // Makes the named operation missing, as in a library that lacks it, for
    // the drivers made from now on.
    ScriptedDriver& Without(const std::string& operation);
    // A driver whose every call comes here.
    Pallix400 Driver() const { return Pallix400(operations_); }

    // Calls in order, e.g. "InitiateDriver(3)", "CopyErrorText(7,100)", "SetPort(1)",
    // "GetPort()", "WriteTestpins(3)", "Sleep(300)", "ReadTestpins()".
    std::vector<std::string> calls;
    std::vector<int32_t> Patterns() const;  // the WriteTestpins arguments in order

private:
    friend struct ScriptedDriverCalls;
    Pallix400::Operations operations_;
    platform::SleepFunction previousSleep_;
    std::size_t nextSample_ = 0;
};
