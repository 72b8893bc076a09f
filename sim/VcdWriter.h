// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <ostream>

// Writes the sensor's three lines as a Value Change Dump: wires cs, sclk and
// miso, time in nanoseconds. Readable by GTKWave and by PulseView, whose SPI
// decoder takes it as mode 3 (CPOL 1, CPHA 1), 17-bit words, MSB first, CS
// active low.
namespace Pallix400Sim {

struct PinLevels {
    bool chipSelect = true;
    bool clock = true;
    bool data = true;

    friend bool operator==(const PinLevels&, const PinLevels&) = default;
};

class VcdWriter {
public:
    explicit VcdWriter(std::ostream& out);

    // The declarations and the levels at time 0.
    void Start(const PinLevels& levels);
    // The lines that changed, at `nanoseconds` after the start. Each call that
    // changes something gets its own time stamp: one later than the previous
    // one when the clock has not moved on, so that no edge is lost.
    void Record(int64_t nanoseconds, const PinLevels& levels);
    void Flush();

private:
    void Write(char identifier, bool level);

    std::ostream& out_;
    PinLevels levels_;
    int64_t lastTime_ = 0;
};

}  // namespace Pallix400Sim
