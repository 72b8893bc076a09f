// SPDX-License-Identifier: MIT

#include "SensorModel.h"

#include <Pallix400Api.h>
#include <SensorFrame.h>
#include <algorithm>
#include <cmath>
#include <utility>

namespace Pallix400Sim {

namespace {
constexpr int32_t kIdle = Pallix400Api::kChipSelectBit | Pallix400Api::kClockBit;
constexpr int32_t kPinMask = Pallix400Api::kChipSelectBit | Pallix400Api::kClockBit;

bool IsSet(int32_t outputs, int32_t bit)
{
    return (outputs & bit) != 0;
}

// The sensor quantises to the nearest count of its range; not a number reads 0.
int32_t Quantise(double celsius)
{
    if (std::isnan(celsius)) {
        return 0;
    }
    const double counts =
        std::clamp(celsius / SensorFrame::kCelsiusPerCount, static_cast<double>(SensorFrame::kMinimum),
                   static_cast<double>(SensorFrame::kMaximum));
    return static_cast<int32_t>(std::lround(counts));
}
}  // namespace

SensorModel::SensorModel(TemperatureSource temperature, BitFlipper flipper)
    : temperature_(std::move(temperature))
    , flipper_(std::move(flipper))
    , outputs_(kIdle)
{
}

void SensorModel::Drive(int32_t outputs)
{
    const int32_t previous = outputs_;
    outputs_ = outputs & kPinMask;

    const bool wasSelected = !IsSet(previous, Pallix400Api::kChipSelectBit);
    const bool selected = !IsSet(outputs_, Pallix400Api::kChipSelectBit);
    if (selected && !wasSelected) {
        frame_ = connected_ ? SensorFrame::Encode(Quantise(temperature_())) : 0U;
        nextBit_ = 0;
    } else if (!selected && wasSelected) {
        line_ = true;
    }

    const bool clockFell = IsSet(previous, Pallix400Api::kClockBit) && !IsSet(outputs_, Pallix400Api::kClockBit);
    if (selected && clockFell) {
        // Bit 16 goes first; past the last bit the line reads 0.
        bool bit = nextBit_ < SensorFrame::kBits && ((frame_ >> (SensorFrame::kBits - 1 - nextBit_)) & 1U) != 0;
        if (nextBit_ < SensorFrame::kBits) {
            ++nextBit_;
        }
        if (connected_ && flipper_()) {
            bit = !bit;
        }
        line_ = bit;
    }
}

bool SensorModel::DataLine() const
{
    return connected_ ? line_ : true;
}

void SensorModel::SetConnected(bool connected)
{
    connected_ = connected;
}

void SensorModel::Restart()
{
    outputs_ = kIdle;
    frame_ = 0;
    nextBit_ = 0;
    line_ = true;
}

}  // namespace Pallix400Sim
