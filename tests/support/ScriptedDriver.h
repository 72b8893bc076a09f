#pragma once

#include "Pallix400.h"
#include "Sleep.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// An in-process driver for tests: it serves scripted results and pin samples,
// records every call, and replaces the program's wait with a recorder. While
// one lives, the program talks to it instead of the driver library. One at a
// time.
class ScriptedDriver {
public:
    ScriptedDriver();
    ~ScriptedDriver();
    ScriptedDriver(const ScriptedDriver&) = delete;
    ScriptedDriver& operator=(const ScriptedDriver&) = delete;

    // What the driver answers; the defaults are a healthy adapter on port 1.
    ScriptedDriver& InitiateResult(int32_t code) { return Set(initiateResult_, code); }
    ScriptedDriver& SetPortResult(int32_t result) { return Set(setPortResult_, result); }
    ScriptedDriver& GetPortResult(int32_t port) { return Set(getPortResult_, port); }
    ScriptedDriver& ReadTestpinsResult(int32_t result) { return Set(readTestpinsResult_, result); }
    // CopyErrorText copies these bytes and returns `count`.
    ScriptedDriver& ErrorText(std::string bytes, int32_t count)
    {
        errorText_ = std::move(bytes);
        return Set(errorCount_, count);
    }
    // Samples ReadTestpins hands out in turn; once they run out it leaves the
    // caller's variable as it was.
    ScriptedDriver& Samples(const std::vector<int32_t>& samples);
    // The 17 samples of a valid frame for `raw`, followed by `trailer`.
    ScriptedDriver& Frame(int32_t raw, int32_t trailer = 0b0110);
    // Makes the named operation missing, as in a library that lacks it.
    ScriptedDriver& Without(const std::string& operation);

    // Calls in order, e.g. "InitiateDriver(3)", "CopyErrorText(7,100)", "SetPort(1)",
    // "GetPort()", "WriteTestpins(3)", "Sleep(300)", "ReadTestpins()".
    const std::vector<std::string>& Calls() const { return calls_; }
    std::vector<int32_t> Patterns() const;  // the WriteTestpins arguments in order
    void ClearCalls() { calls_.clear(); }

private:
    friend struct ScriptedDriverCalls;
    ScriptedDriver& Set(int32_t& field, int32_t value)
    {
        field = value;
        return *this;
    }
    Pallix400::Operations operations_;
    std::optional<Pallix400::ScopedDriver> installed_;
    platform::SleepFunction previousSleep_;
    std::vector<std::string> calls_;
    int32_t initiateResult_ = Pallix400::kDriverReady;
    std::string errorText_;
    int32_t errorCount_ = 0;
    int32_t setPortResult_ = 1;
    int32_t getPortResult_ = 1;
    int32_t readTestpinsResult_ = 1;
    std::vector<int32_t> samples_;
    std::size_t nextSample_ = 0;
};
