#include "ReadCommand.h"

#include "FrameRun.h"
#include "Pallix400.h"
#include "RuntimeError.h"
#include "SensorFrame.h"
#include "basExampleFunctions.h"

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

ReadCommandResult RunReadCommand(std::string_view decimalSeparator, const ReadPlan& plan)
{
    using namespace basExampleFunctions;
    ReadCommandResult result;
    bool readingStarted = false;
    try {
        if (!bDriverReady && OpenAdapter(result.statusLog, plan.port)) {
            bDriverReady = true;
        }
        if (bDriverReady) {
            readingStarted = true;
            const FrameRun run = ReadFrameRun(plan.confirm, plan.retries, [] {
                const int32_t raw = ReadTemperature();
                return raw == kNoReading ? std::nullopt : std::optional(raw);
            });
            result.raw = run.raw;
            result.framesDisagree = run.framesDisagree;
            result.temperature = result.raw ? FormatCelsius(*result.raw, decimalSeparator) : "Error";
        }
    } catch (const RuntimeError& error) {
        // A driver library or operation that cannot be loaded must not end the
        // program: say why in the log, and let the next press try again.
        if (readingStarted) {
            LeaveSensorIdle();
            result.temperature = "Error";
        }
        result.statusLog += "Error: " + error.description() + "\r\n";
    }
    if (Pallix400::TakeSimulatorNotice()) {
        result.statusLog.insert(0,
                                std::string("Simulated adapter: no ") + Pallix400::kLibraryName + " is installed\r\n");
    }
    return result;
}
