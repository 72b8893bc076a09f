#include "basExampleFunctions.h"

#include "DriverText.h"
#include "Pallix400.h"
#include "SensorFrame.h"
#include "Sleep.h"

#include <array>

namespace basExampleFunctions {

bool bDriverReady = false;

namespace {

constexpr std::chrono::milliseconds kSettleTime{300};

// Test-pin output patterns.
constexpr int32_t kIdle = Pallix400::kChipSelectBit | Pallix400::kClockBit;  // deselected, clock high
constexpr int32_t kSelectedClockHigh = Pallix400::kClockBit;
constexpr int32_t kSelectedClockLow = 0;

void AppendLine(std::string& statusLog, const std::string& line)
{
    statusLog += line;
    statusLog += "\r\n";
}

}  // namespace

bool OpenAdapter(std::string& statusLog, int32_t port)
{
    bool opened = true;
    const int32_t code = Pallix400::InitiateDriver(Pallix400::kInitiateMode);
    if (code != Pallix400::kDriverReady) {
        // Zero-filled, so a driver that writes less than it claims leaves no garbage.
        std::array<char, Pallix400::kErrorTextSize> buffer{};
        const int32_t length = Pallix400::CopyErrorText(code, buffer.data(), Pallix400::kErrorTextSize);
        AppendLine(statusLog, "Error: InitiateDriver: " + DriverTextPrefix(buffer.data(), buffer.size(), length));
        return false;
    }
    if (Pallix400::SetPort(port) == 0) {
        opened = false;
        AppendLine(statusLog, "Can not set Port" + std::to_string(port));
    }
    AppendLine(statusLog, "Port: " + std::to_string(Pallix400::GetPort()));
    return opened;
}

bool IsOdd(const int32_t& value)
{
    return (static_cast<uint32_t>(value) & 1U) != 0;
}

// The data line is sampled while the clock is low, right after its falling
// edge; the frame is judged only once all its bits are in.
int16_t ReadBits()
{
    int32_t sample = 0;  // one variable for the whole frame: a driver that skips a write repeats the last bit
    uint32_t frame = 0;
    for (int bit = 0; bit < SensorFrame::kBits; ++bit) {
        Pallix400::WriteTestpins(kSelectedClockLow);
        Pallix400::ReadTestpins(&sample);  // its result says nothing about the sample; a bad one shows in the trailer
        frame = frame << 1 | (IsOdd(sample) ? 1U : 0U);
        Pallix400::WriteTestpins(kSelectedClockHigh);
    }
    return static_cast<int16_t>(SensorFrame::Decode(frame).value_or(kNoReading));
}

int32_t ReadTemperature()
{
    if (!bDriverReady) {
        return kNoReading;
    }
    Pallix400::WriteTestpins(kIdle);
    platform::Sleep(kSettleTime);
    Pallix400::WriteTestpins(kSelectedClockHigh);
    const int32_t reading = ReadBits();
    Pallix400::WriteTestpins(kIdle);
    return reading;
}

void LeaveSensorIdle() noexcept
{
    try {
        Pallix400::WriteTestpins(kIdle);
    } catch (...) {
        // The driver cannot even take a pattern: there is nothing left to do.
    }
}

}  // namespace basExampleFunctions
