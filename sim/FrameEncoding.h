#pragma once

#include <cstdint>

// The sensor's 17-bit answer: the 13-bit two's-complement temperature in
// 1/16 degree Celsius (sign first, then 12 magnitude bits, most significant
// first), then the trailer 0, 1, 1, 0.
namespace Pallix400Sim {

inline constexpr int kFrameBits = 17;
inline constexpr int32_t kRawMinimum = -4096;
inline constexpr int32_t kRawMaximum = 4095;
inline constexpr double kCelsiusPerCount = 0.0625;
inline constexpr uint32_t kTrailer = 0b0110;

// Degrees Celsius to counts, rounded to the nearest count and clamped to the
// frame's range. A value that is not a number gives 0.
int32_t RawFromCelsius(double celsius);

// The frame for a raw value already within range; bit 16 is sent first.
uint32_t EncodeFrame(int32_t raw);

// The frame's bit at position 0 (the sign, sent first) to 16 (the trailer's
// last bit); 0 past the end.
bool FrameBit(uint32_t frame, int position);

}  // namespace Pallix400Sim
