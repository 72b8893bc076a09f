// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

// Control of the simulated driver from tests that link it into their own
// process. Every setter acts on the one simulator in the process at once and
// returns *this, so a test sets exactly what it needs:
//
//     Pallix400Sim::Control{}.Reset().Temperature(25.0).Seed(7);
//
// Faults come from the environment, as for any program (SimSettings.h).
namespace Pallix400Sim {

enum class Fault {
    None,
    Init,      // InitiateDriver fails with an error code and a message
    Port,      // SetPort fails: returns 0
    NoSensor,  // the data line stays high
    Noise,     // each bit the sensor shifts out flips with the noise probability
};

class Control {
public:
    // As freshly loaded: settings read again from the environment, driver not
    // initiated, port 0, pins idle, trace closed, sensor frame restarted.
    Control& Reset();
    // A fixed sensor temperature in degrees Celsius; throws std::invalid_argument
    // for a value that is not a finite number.
    Control& Temperature(double celsius);
    // A noisy data line: each bit the sensor sends flips with `probability`
    // (0 to 1); throws std::invalid_argument for any other value.
    Control& Noise(double probability);
    // Makes the noise and the room temperature's drift repeatable.
    Control& Seed(uint32_t seed);
};

}  // namespace Pallix400Sim
