// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <random>

// The temperature of a room without a fixed setting: about 22 degrees Celsius,
// drifting slowly by up to 0.8 degrees over a quarter of an hour, plus a
// little sensor noise, so that two readings 300 ms apart usually differ by a
// count or so. The same seed and the same times give the same values.
namespace Pallix400Sim {

class RoomTemperature {
public:
    static constexpr double kMean = 22.0;
    static constexpr double kDrift = 0.8;          // degrees either side of the mean
    static constexpr double kDriftPeriod = 900.0;  // seconds
    static constexpr double kNoise = 0.04;         // standard deviation in degrees
    static constexpr double kNoiseLimit = 0.15;    // no sample strays further

    explicit RoomTemperature(uint32_t seed);

    // Degrees Celsius at `seconds` after the simulator started.
    double At(double seconds);

private:
    std::mt19937 engine_;
    double phase_;
};

}  // namespace Pallix400Sim
