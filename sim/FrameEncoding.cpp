#include "FrameEncoding.h"

#include <algorithm>
#include <cmath>

namespace Pallix400Sim {

int32_t RawFromCelsius(double celsius)
{
    if (std::isnan(celsius)) {
        return 0;
    }
    const double counts =
        std::clamp(celsius / kCelsiusPerCount, static_cast<double>(kRawMinimum), static_cast<double>(kRawMaximum));
    return static_cast<int32_t>(std::lround(counts));
}

uint32_t EncodeFrame(int32_t raw)
{
    const auto value = static_cast<uint32_t>(std::clamp(raw, kRawMinimum, kRawMaximum)) & 0x1FFFU;
    return (value << 4) | kTrailer;
}

bool FrameBit(uint32_t frame, int position)
{
    if (position < 0 || position >= kFrameBits) {
        return false;
    }
    return ((frame >> (kFrameBits - 1 - position)) & 1U) != 0;
}

}  // namespace Pallix400Sim
