// SPDX-License-Identifier: MIT

#include "Pallix400Sim.h"
#include "SimDriver.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace Pallix400Sim {

Control& Control::Reset()
{
    SimDriver::Instance().Reset();
    return *this;
}

Control& Control::Temperature(double celsius)
{
    if (!std::isfinite(celsius)) {
        throw std::invalid_argument("Pallix400Sim::Control::Temperature: " + std::to_string(celsius) +
                                    " is not a finite temperature");
    }
    SimDriver::Instance().SetTemperature(celsius);
    return *this;
}

Control& Control::Noise(double probability)
{
    if (!(probability >= 0.0 && probability <= 1.0)) {
        throw std::invalid_argument("Pallix400Sim::Control::Noise: " + std::to_string(probability) +
                                    " is not a probability from 0 to 1");
    }
    SimDriver::Instance().SetNoise(probability);
    return *this;
}

Control& Control::Seed(uint32_t seed)
{
    SimDriver::Instance().Seed(seed);
    return *this;
}

}  // namespace Pallix400Sim
