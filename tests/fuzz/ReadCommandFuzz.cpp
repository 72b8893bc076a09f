// SPDX-License-Identifier: MIT

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
        return input->ConsumeBool() ? Pallix400Api::kDriverReady : Answer();
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
    const int missing = input->ConsumeIntegralInRange(0, 8);
    driver.InitiateDriver = missing == 1 ? nullptr : driver.InitiateDriver;
    driver.CopyErrorText = missing == 2 ? nullptr : driver.CopyErrorText;
    driver.SetPort = missing == 3 ? nullptr : driver.SetPort;
    driver.GetPort = missing == 4 ? nullptr : driver.GetPort;
    driver.WriteTestpins = missing == 5 ? nullptr : driver.WriteTestpins;
    driver.ReadTestpins = missing == 6 ? nullptr : driver.ReadTestpins;
    return driver;
}

void Require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "read command fuzz: %s\ncalls: %s\n", what, calls.c_str());
        std::abort();
    }
}

// Every line break is CR LF, and the log ends with one.
bool WholeLines(const std::string& log)
{
    for (std::size_t at = log.find_first_of("\r\n"); at != std::string::npos; at = log.find_first_of("\r\n", at + 2)) {
        if (log.compare(at, 2, "\r\n") != 0) {
            return false;
        }
    }
    return log.empty() || log.ends_with("\r\n");
}

// The calls of one press: the open when the connection was closed (ending at
// a failure), then the read cycle, whole or cut short by a missing operation
// and then followed by the idle pattern once.
bool InOrder(const std::string& press, bool wasOpen)
{
    std::string whole = wasOpen ? "3Z1" : "ISG3Z1";
    for (int bit = 0; bit < SensorFrame::kBits; ++bit) {
        whole += "0R1";
    }
    whole += "3";
    if (whole.starts_with(press) || (!wasOpen && std::string("IC").starts_with(press))) {
        return true;
    }
    return press.ends_with('3') && whole.starts_with(press.substr(0, press.size() - 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    input = &provider;
    platform::ReplaceSleep([](std::chrono::milliseconds) { calls += 'Z'; });
    const Pallix400::Operations driver = FuzzedDriver();
    basExampleFunctions adapter{Pallix400(driver)};
    const std::string separator = provider.ConsumeRandomLengthString(4);
    for (int press = provider.ConsumeIntegralInRange(1, 3); press > 0; --press) {
        const bool wasOpen = adapter.bDriverReady;
        calls.clear();
        const ReadCommandResult result = RunReadCommand(adapter, separator);
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
