// SPDX-License-Identifier: MIT

#include "SimSettings.h"

#include <Pallix400Api.h>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace Pallix400Sim {

namespace {

// A plain decimal number with a decimal point, independent of the locale.
std::optional<double> ParseDecimal(const std::string& text)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') {
        ++first;
        if (first != last && *first == '-') {
            return std::nullopt;
        }
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (first == last || error != std::errc{} || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string Value(const EnvironmentLookup& lookup, const char* name)
{
    const char* value = lookup(name);
    return value == nullptr ? std::string{} : std::string{value};
}

std::optional<Pallix400Sim::Fault> ParseFault(const std::string& text)
{
    using Pallix400Sim::Fault;
    if (text.empty()) {
        return Fault::None;
    }
    if (text == "init") {
        return Fault::Init;
    }
    if (text == "port") {
        return Fault::Port;
    }
    if (text == "no-sensor") {
        return Fault::NoSensor;
    }
    if (text == "noise") {
        return Fault::Noise;
    }
    return std::nullopt;
}

std::optional<double> ParseProbability(const std::string& text)
{
    const std::optional<double> value = ParseDecimal(text);
    if (!value || *value < 0.0 || *value > 1.0) {
        return std::nullopt;
    }
    return value;
}

// A comma-separated list of ports from 1 to 255.
std::optional<std::set<int32_t>> ParsePorts(const std::string& text)
{
    constexpr int32_t kHighestPort = 255;
    std::set<int32_t> ports;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        int32_t port = 0;
        const auto [end, error] = std::from_chars(text.data() + start, text.data() + comma, port);
        if (error != std::errc{} || end != text.data() + comma || port < 1 || port > kHighestPort) {
            return std::nullopt;
        }
        ports.insert(port);
        start = comma + 1;
    }
    return ports;
}

}  // namespace

std::string SettingError(const std::string& reason, const char* name, const std::string& value)
{
    std::string message = reason + ": " + name + "=" + value;
    const auto room = static_cast<std::size_t>(Pallix400Api::kErrorTextSize);
    if (message.size() > room) {
        std::size_t cut = room - 3;
        while (cut > 0 && (static_cast<unsigned char>(message[cut]) & 0xC0U) == 0x80U) {
            --cut;  // not inside a character of the value
        }
        message = message.substr(0, cut) + "...";
    }
    return message;
}

Settings ReadSettings(const EnvironmentLookup& lookup)
{
    Settings settings;
    auto fail = [&settings](std::string message) {
        if (settings.error.empty()) {
            settings.error = std::move(message);
        }
    };

    if (const std::string text = Value(lookup, kTemperatureVariable); !text.empty()) {
        settings.temperature = ParseDecimal(text);
        if (!settings.temperature) {
            fail(SettingError("not degrees Celsius like 25.0625 or -10", kTemperatureVariable, text));
        }
    }
    const std::string faultText = Value(lookup, kFaultVariable);
    if (const auto fault = ParseFault(faultText)) {
        settings.fault = *fault;
    } else {
        fail(SettingError("not init, port, no-sensor or noise", kFaultVariable, faultText));
    }
    if (const std::string text = Value(lookup, kNoiseVariable); !text.empty()) {
        if (const auto probability = ParseProbability(text)) {
            settings.noiseProbability = *probability;
        } else {
            fail(SettingError("not a probability from 0 to 1 like 0.05", kNoiseVariable, text));
        }
    }
    if (const std::string text = Value(lookup, kPortsVariable); !text.empty()) {
        if (const auto ports = ParsePorts(text)) {
            settings.ports = *ports;
        } else {
            fail(SettingError("not ports from 1 to 255 like 1,2", kPortsVariable, text));
        }
    }
    for (const int32_t port : settings.ports) {
        const std::string name = kPortTemperaturePrefix + std::to_string(port);
        if (const std::string text = Value(lookup, name.c_str()); !text.empty()) {
            if (const auto temperature = ParseDecimal(text)) {
                settings.portTemperatures[port] = *temperature;
            } else {
                fail(SettingError("not degrees Celsius like 25.0625 or -10", name.c_str(), text));
            }
        }
    }
    settings.tracePath = Value(lookup, kTraceVariable);
    return settings;
}

}  // namespace Pallix400Sim
