// SPDX-License-Identifier: MIT

#include "basExampleFunctions.h"

#include "DriverText.h"
#include "SensorFrame.h"
#include "Sleep.h"

#include <array>
#include <utility>

namespace {

constexpr std::chrono::milliseconds kSettleTime{300};

// Test-pin output patterns.
constexpr int32_t kIdle = Pallix400Api::kChipSelectBit | Pallix400Api::kClockBit;  // deselected, clock high
constexpr int32_t kSelectedClockHigh = Pallix400Api::kClockBit;
constexpr int32_t kSelectedClockLow = 0;

void AppendLine(std::string& statusLog, const std::string& line)
{
    statusLog += line;
    statusLog += "\r\n";
}

}  // namespace

basExampleFunctions::basExampleFunctions(Pallix400 driver)
    : driver_(std::move(driver))
{
}

bool basExampleFunctions::OpenAdapter(std::string& statusLog, int32_t port)
{
    bool opened = true;
    const int32_t code = driver_.InitiateDriver(Pallix400Api::kInitiateMode);
    if (code != Pallix400Api::kDriverReady) {
        // Zero-filled, so a driver that writes less than it claims leaves no garbage.
        std::array<char, Pallix400Api::kErrorTextSize> buffer{};
        const int32_t length = driver_.CopyErrorText(code, buffer.data(), Pallix400Api::kErrorTextSize);
        AppendLine(statusLog, "Error: InitiateDriver: " + DriverTextPrefix(buffer.data(), buffer.size(), length));
        return false;
    }
    if (driver_.SetPort(port) == 0) {
        opened = false;
        AppendLine(statusLog, "Can not set Port" + std::to_string(port));
    }
    AppendLine(statusLog, "Port: " + std::to_string(driver_.GetPort()));
    return opened;
}

bool basExampleFunctions::IsOdd(const int32_t& value)
{
    return (static_cast<uint32_t>(value) & 1U) != 0;
}

// The data line is sampled while the clock is low, right after its falling
// edge; the frame is judged only once all its bits are in.
int16_t basExampleFunctions::ReadBits()
{
    int32_t sample = 0;  // one variable for the whole frame: a driver that skips a write repeats the last bit
    uint32_t frame = 0;
    for (int bit = 0; bit < SensorFrame::kBits; ++bit) {
        driver_.WriteTestpins(kSelectedClockLow);
        driver_.ReadTestpins(&sample);  // its result says nothing about the sample; a bad one shows in the trailer
        frame = frame << 1 | (IsOdd(sample) ? 1U : 0U);
        driver_.WriteTestpins(kSelectedClockHigh);
    }
    return static_cast<int16_t>(SensorFrame::Decode(frame).value_or(kNoReading));
}

int32_t basExampleFunctions::ReadTemperature()
{
    if (!bDriverReady) {
        return kNoReading;
    }
    driver_.WriteTestpins(kIdle);
    platform::Sleep(kSettleTime);
    driver_.WriteTestpins(kSelectedClockHigh);
    const int32_t reading = ReadBits();
    driver_.WriteTestpins(kIdle);
    return reading;
}

void basExampleFunctions::LeaveSensorIdle() noexcept
{
    try {
        driver_.WriteTestpins(kIdle);
    } catch (...) {
        // The driver cannot even take a pattern: there is nothing left to do.
    }
}
