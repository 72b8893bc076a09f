// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <functional>

// The temperature sensor on the adapter's test pins. Output bit 1 is its chip
// select (active low), bit 0 its clock; its data line is input bit 0.
//
// Selecting the sensor latches a temperature and restarts the frame; the line
// stays released (1) until the first falling clock edge. Each falling edge
// while selected shifts the next frame bit onto the line, so the line changes
// on falling edges and is stable at rising edges (SPI mode 3). After the 17th
// bit the line reads 0. Deselected, the line is released and reads 1 (pulled
// up). A write that changes both lines is taken as chip select first.
namespace Pallix400Sim {

class SensorModel {
public:
    using TemperatureSource = std::function<double()>;  // degrees Celsius at selection
    using BitFlipper = std::function<bool()>;           // true: the next shifted bit flips

    SensorModel(TemperatureSource temperature, BitFlipper flipper);

    // Takes the new test-pin outputs.
    void Drive(int32_t outputs);
    bool DataLine() const;
    int32_t Outputs() const { return outputs_; }

    // Without a sensor the line is never driven and reads 1.
    void SetConnected(bool connected);
    // Pins idle (deselected, clock high), frame restarted.
    void Restart();

private:
    TemperatureSource temperature_;
    BitFlipper flipper_;
    bool connected_ = true;
    int32_t outputs_;
    uint32_t frame_ = 0;
    int nextBit_ = 0;
    bool line_ = true;
};

}  // namespace Pallix400Sim
