// SPDX-License-Identifier: MIT

#pragma once

#include "Pallix400.h"

#include <cstdint>
#include <string>

// Opening the adapter and reading the SPI temperature sensor wired to its
// test pins, one bit at a time, through the driver it owns.
class basExampleFunctions {
public:
    // ReadTemperature's answer when no valid frame came back; outside every reading.
    static constexpr int32_t kNoReading = -9999;

    explicit basExampleFunctions(Pallix400 driver = Pallix400());

    Pallix400& Driver() noexcept { return driver_; }

    // Whether the driver is initiated and the port selected. Set by the read
    // command once OpenAdapter succeeds; nothing clears it while the program runs.
    bool bDriverReady = false;

    // Initiates the driver and selects `port` (the window's is 1), appending
    // one line per event to `statusLog` (each ended by CR LF). True when both
    // succeeded.
    bool OpenAdapter(std::string& statusLog, int32_t port = 1);

    // One read cycle: raw reading in 1/16 degree Celsius (-4096..4095), or
    // kNoReading when the driver is not ready or the frame was rejected.
    int32_t ReadTemperature();

    // After a reading broke off with an error: writes the idle pattern once, if
    // the driver can take it, so that the sensor is never left selected.
    void LeaveSensorIdle() noexcept;

    // Clocks the 17-bit frame in; the sensor must already be selected.
    int16_t ReadBits();

    // True when bit 0 of the two's-complement value is set (so -1 is odd).
    static bool IsOdd(const int32_t& value);

private:
    Pallix400 driver_;
};
