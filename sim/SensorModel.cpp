#include "SensorModel.h"

#include "FrameEncoding.h"

#include <Pallix400Api.h>
#include <utility>

namespace Pallix400Sim {

namespace {
constexpr int32_t kIdle = Pallix400::kChipSelectBit | Pallix400::kClockBit;
constexpr int32_t kPinMask = Pallix400::kChipSelectBit | Pallix400::kClockBit;

bool IsSet(int32_t outputs, int32_t bit)
{
    return (outputs & bit) != 0;
}
}  // namespace

SensorModel::SensorModel(TemperatureSource temperature, BitFlipper flipper)
    : temperature_(std::move(temperature))
    , flipper_(std::move(flipper))
    , outputs_(kIdle)
{
}

bool SensorModel::Drive(int32_t outputs)
{
    const bool before = DataLine();
    const int32_t previous = outputs_;
    outputs_ = outputs & kPinMask;

    const bool wasSelected = !IsSet(previous, Pallix400::kChipSelectBit);
    const bool selected = !IsSet(outputs_, Pallix400::kChipSelectBit);
    if (selected && !wasSelected) {
        frame_ = connected_ ? EncodeFrame(RawFromCelsius(temperature_())) : 0U;
        nextBit_ = 0;
    } else if (!selected && wasSelected) {
        line_ = true;
    }

    const bool clockFell = IsSet(previous, Pallix400::kClockBit) && !IsSet(outputs_, Pallix400::kClockBit);
    if (selected && clockFell) {
        bool bit = FrameBit(frame_, nextBit_);
        if (nextBit_ < kFrameBits) {
            ++nextBit_;
        }
        if (connected_ && flipper_()) {
            bit = !bit;
        }
        line_ = bit;
    }
    return DataLine() != before;
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
