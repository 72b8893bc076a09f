// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>

// The temperature sensor's answer on its data line: 17 bits, most significant
// first, one per clock.
//
//   bit 16       sign: a 1 makes the reading negative (weight -4096)
//   bits 15..4   magnitude, weight 2048 down to 1
//   bits 3..0    trailer, always 0110; any other value rejects the frame
//
// The reading is magnitude - 4096 x sign: a 13-bit two's-complement count of
// 1/16 degree Celsius, from -4096 (-256 degrees) to 4095 (255.9375 degrees).
namespace SensorFrame {

inline constexpr int kBits = 17;
inline constexpr uint32_t kTrailer = 0b0110;
inline constexpr int32_t kMinimum = -4096;
inline constexpr int32_t kMaximum = 4095;
inline constexpr double kCelsiusPerCount = 0.0625;

// The reading in the low 17 bits of `frame`; empty when the trailer is wrong.
constexpr std::optional<int32_t> Decode(uint32_t frame)
{
    if ((frame & 0xFU) != kTrailer) {
        return std::nullopt;
    }
    const auto magnitude = static_cast<int32_t>((frame >> 4) & 0xFFFU);
    const bool negative = ((frame >> 16) & 1U) != 0;
    return negative ? magnitude + kMinimum : magnitude;
}

// The frame that carries `raw`, clamped to kMinimum..kMaximum first.
constexpr uint32_t Encode(int32_t raw)
{
    const int32_t clamped = raw < kMinimum ? kMinimum : raw > kMaximum ? kMaximum : raw;
    return (static_cast<uint32_t>(clamped) & 0x1FFFU) << 4 | kTrailer;
}

}  // namespace SensorFrame
