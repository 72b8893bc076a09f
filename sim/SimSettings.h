// SPDX-License-Identifier: MIT

#pragma once

#include "Pallix400Sim.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

// The simulator's settings from the environment. A value that does not parse
// is never ignored: it leaves a message that InitiateDriver reports.
namespace Pallix400Sim {

inline constexpr const char* kTemperatureVariable = "PALLIX400_SIM_TEMP";
inline constexpr const char* kFaultVariable = "PALLIX400_SIM_FAULT";
inline constexpr const char* kNoiseVariable = "PALLIX400_SIM_NOISE";
inline constexpr const char* kTraceVariable = "PALLIX400_SIM_TRACE";
inline constexpr const char* kPortsVariable = "PALLIX400_SIM_PORTS";
inline constexpr const char* kPortTemperaturePrefix = "PALLIX400_SIM_TEMP_";  // and the port's number
inline constexpr double kDefaultNoiseProbability = 0.05;

struct Settings {
    std::optional<double> temperature;           // fixed degrees Celsius; none: the room drifts
    std::set<int32_t> ports{1};                  // the ports with an adapter, 1 to 255
    std::map<int32_t, double> portTemperatures;  // fixed degrees Celsius of a port's sensor, before `temperature`
    Pallix400Sim::Fault fault = Pallix400Sim::Fault::None;
    double noiseProbability = kDefaultNoiseProbability;
    std::string tracePath;  // empty: no trace
    std::string error;      // the first setting that did not parse; empty when all did
};

// Looks a variable up; null when it is not set. An empty value counts as unset.
using EnvironmentLookup = std::function<const char*(const char* name)>;

Settings ReadSettings(const EnvironmentLookup& lookup);

// "<reason>: NAME=value", cut to the 100 characters the program reads of an
// error text and ended with "..." when longer, so the reason always shows.
std::string SettingError(const std::string& reason, const char* name, const std::string& value);

}  // namespace Pallix400Sim
