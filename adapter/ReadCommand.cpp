// SPDX-License-Identifier: MIT

#include "ReadCommand.h"

#include "FrameRun.h"
#include "RuntimeError.h"
#include "SensorFrame.h"

#include <charconv>

std::string FormatCelsius(int32_t raw, std::string_view decimalSeparator)
{
    const double celsius = static_cast<double>(raw) * SensorFrame::kCelsiusPerCount;
    char digits[32];
    // Every reading is an exact multiple of 1/16 well inside 15 significant
    // digits, so this never rounds; general format drops trailing zeros.
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, celsius, std::chars_format::general, 15);
    std::string text(digits, error == std::errc{} ? end : digits);
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, decimalSeparator);
    }
    return text;
}

std::string SimulatorNotice()
{
    return std::string("Simulated adapter: no ") + Pallix400Api::kLibraryName + " is installed\r\n";
}

ReadCommandResult RunReadCommand(basExampleFunctions& adapter, std::string_view decimalSeparator, const ReadPlan& plan)
{
    ReadCommandResult result;
    bool readingStarted = false;
    try {
        if (!adapter.bDriverReady && adapter.OpenAdapter(result.statusLog, plan.port)) {
            adapter.bDriverReady = true;
        }
        if (adapter.bDriverReady) {
            readingStarted = true;
            const FrameRun run = ReadFrameRun(plan.confirm, plan.retries, [&adapter] {
                const int32_t raw = adapter.ReadTemperature();
                return raw == basExampleFunctions::kNoReading ? std::nullopt : std::optional(raw);
            });
            result.raw = run.raw;
            result.framesDisagree = run.framesDisagree;
            result.temperature = result.raw ? FormatCelsius(*result.raw, decimalSeparator) : "Error";
        }
    } catch (const RuntimeError& error) {
        // A driver library or operation that cannot be loaded must not end the
        // program: say why in the log, and let the next press try again.
        if (readingStarted) {
            adapter.LeaveSensorIdle();
            result.temperature = "Error";
        }
        result.statusLog += "Error: " + error.description() + "\r\n";
    }
    // Every reading from the simulator is as simulated as the first.
    if (adapter.Driver().UsesSimulator()) {
        result.statusLog.insert(0, SimulatorNotice());
    }
    return result;
}
