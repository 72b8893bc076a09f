// The read command against a driver whose every answer, count, error text and
// pin sample comes from the fuzzer's input, and whose operations may be
// missing. Whatever the driver does, the program must not fail, the reading
// must be the no-reading value or lie within -4096..4095, the status log must
// be whole lines ending in CR LF, the calls must come in their order, and a
// reading that wrote any pattern must leave the pins idle.
#include "Pallix400.h"
#include "ReadCommand.h"
#include "SensorFrame.h"
#include "Sleep.h"
#include "basExampleFunctions.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

FuzzedDataProvider* input = nullptr;
std::string calls;  // I C S G R, a pattern's digit, Z for the wait

int32_t Answer()
{
    return input->ConsumeBool() ? input->ConsumeIntegralInRange<int32_t>(-2, 2) : input->ConsumeIntegral<int32_t>();
}

Pallix400::Operations FuzzedDriver()
{
    Pallix400::Operations driver;
    driver.InitiateDriver = [](int32_t) {
        calls += 'I';
        return input->ConsumeBool() ? Pallix400::kDriverReady : Answer();
    };
    driver.CopyErrorText = [](int32_t, char* buffer, int32_t size) {
        calls += 'C';
        const std::string text = input->ConsumeBytesAsString(
            input->ConsumeIntegralInRange<std::size_t>(0, static_cast<std::size_t>(std::max(size, 0))));
        std::memcpy(buffer, text.data(), text.size());
        return Answer();
    };
    driver.SetPort = [](int32_t) {
        calls += 'S';
        return Answer();
    };
    driver.GetPort = [] {
        calls += 'G';
        return Answer();
    };
    driver.WriteTestpins = [](int32_t pattern) {
        calls += static_cast<char>('0' + pattern);
        return Answer();
    };
    driver.ReadTestpins = [](int32_t* inputs) {
        calls += 'R';
        if (input->ConsumeBool()) {  // a driver may leave the sample alone
            *inputs = input->ConsumeIntegral<int32_t>();
        }
        return Answer();
    };
    // Any one operation may be missing from the library.
    switch (input->ConsumeIntegralInRange(0, 8)) {
    case 1:
        driver.InitiateDriver = nullptr;
        break;
    case 2:
        driver.CopyErrorText = nullptr;
        break;
    case 3:
        driver.SetPort = nullptr;
        break;
    case 4:
        driver.GetPort = nullptr;
        break;
    case 5:
        driver.WriteTestpins = nullptr;
        break;
    case 6:
        driver.ReadTestpins = nullptr;
        break;
    default:
        break;
    }
    return driver;
}

void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "read command fuzz: %s\ncalls: %s\n", what, calls.c_str());
        std::abort();
    }
}

bool WholeLines(const std::string& log)
{
    for (std::size_t i = 0; i < log.size(); ++i) {
        if ((log[i] == '\r') != (i + 1 < log.size() && log[i + 1] == '\n') && log[i] != '\n') {
            return false;
        }
        if (log[i] == '\n' && (i == 0 || log[i - 1] != '\r')) {
            return false;
        }
    }
    return log.empty() || log.ends_with("\r\n");
}

// The calls of one press: the open (when the connection was closed), then the
// read cycle, either whole or cut short by an error and then followed by the
// idle pattern once.
bool InOrder(const std::string& press, bool wasOpen)
{
    std::string cycle = "3Z1";
    for (int bit = 0; bit < SensorFrame::kBits; ++bit) {
        cycle += "0R1";
    }
    cycle += "3";
    std::size_t at = 0;
    if (!wasOpen) {
        if (press.starts_with("IC") || press == "I" || press.empty()) {
            return press.size() <= 2;  // a failed initiation ends the press
        }
        if (!press.starts_with("IS")) {
            return false;
        }
        at = press.starts_with("ISG") ? 3 : 2;
        if (at == 2) {
            return press.size() == 2;  // GetPort missing ends the press
        }
    }
    const std::string reading = press.substr(at);
    if (cycle.starts_with(reading)) {
        return true;  // whole, or cut short before its first pattern
    }
    return reading.ends_with('3') && cycle.starts_with(reading.substr(0, reading.size() - 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    input = &provider;
    platform::ReplaceSleep([](std::chrono::milliseconds) { calls += 'Z'; });
    const Pallix400::Operations driver = FuzzedDriver();
    const Pallix400::ScopedDriver installed(driver);
    basExampleFunctions::bDriverReady = false;
    const std::string separator = provider.ConsumeRandomLengthString(4);
    for (int press = provider.ConsumeIntegralInRange(1, 3); press > 0; --press) {
        const bool wasOpen = basExampleFunctions::bDriverReady;
        calls.clear();
        const ReadCommandResult result = RunReadCommand(separator);
        Require(!result.raw || (*result.raw >= SensorFrame::kMinimum && *result.raw <= SensorFrame::kMaximum),
                "a reading outside the sensor's range");
        Require(WholeLines(result.statusLog), "a status log that is not whole CR LF lines");
        Require(InOrder(calls, wasOpen), "calls out of order");
        const std::size_t lastPattern = calls.find_last_of("013");
        Require(lastPattern == std::string::npos || calls[lastPattern] == '3' || driver.WriteTestpins == nullptr,
                "a reading that left the sensor selected");
    }
    return 0;
}
