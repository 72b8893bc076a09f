// SPDX-License-Identifier: MIT

#include "RoomTemperature.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Pallix400Sim {

RoomTemperature::RoomTemperature(uint32_t seed)
    : engine_(seed)
    , phase_(std::uniform_real_distribution<double>(0.0, 2.0 * std::numbers::pi)(engine_))
{
}

double RoomTemperature::At(double seconds)
{
    const double drift = kDrift * std::sin(2.0 * std::numbers::pi * seconds / kDriftPeriod + phase_);
    const double noise = std::clamp(std::normal_distribution<double>(0.0, kNoise)(engine_), -kNoiseLimit, kNoiseLimit);
    return kMean + drift + noise;
}

}  // namespace Pallix400Sim
