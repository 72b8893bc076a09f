#include "basExampleFunctions.h"

#include "DriverText.h"
#include "Pallix400.h"
#include "Sleep.h"

#include <array>

namespace basExampleFunctions {

bool bDriverReady = false;

namespace {

constexpr int32_t kPort = 1;
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

bool OpenAdapter(std::string& statusLog)
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
    if (Pallix400::SetPort(kPort) == 0) {
        opened = false;
        AppendLine(statusLog, "Can not set Port" + std::to_string(kPort));
    }
    AppendLine(statusLog, "Port: " + std::to_string(Pallix400::GetPort()));
    return opened;
}

bool IsOdd(const int32_t& value)
{
    return (static_cast<uint32_t>(value) & 1U) != 0;
}

// Frame, 17 bits, most significant first, one per clock:
//   bit  1      sign (weight -4096)
//   bits 2..13  magnitude, weight 2048 down to 1
//   bits 14..17 trailer, must read 0110
// The reading is magnitude - 4096 * sign, in 1/16 degree Celsius. The data line
// is sampled while the clock is low, right after its falling edge.
int16_t ReadBits()
{
    int32_t sample = 0;  // one variable for the whole frame: a driver that skips a write repeats the last bit
    auto clockBit = [&sample]() -> int16_t {
        Pallix400::WriteTestpins(kSelectedClockLow);
        Pallix400::ReadTestpins(&sample);  // its result says nothing about the sample; a bad one shows in the trailer
        const int16_t bit = IsOdd(sample) ? 1 : 0;
        Pallix400::WriteTestpins(kSelectedClockHigh);
        return bit;
    };

    const int16_t sign = clockBit() != 0 ? -4096 : 0;
    int16_t magnitude = 0;
    for (int i = 0; i < 12; ++i) {
        magnitude = static_cast<int16_t>(magnitude * 2 + clockBit());
    }
    int16_t trailer = 0;
    for (int i = 0; i < 4; ++i) {
        trailer = static_cast<int16_t>(trailer * 2 + clockBit());
    }
    if (trailer != 0b0110) {
        return static_cast<int16_t>(kNoReading);
    }
    return static_cast<int16_t>(magnitude + sign);
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

}  // namespace basExampleFunctions
