// SPDX-License-Identifier: MIT

#pragma once

#include "Pallix400Sim.h"
#include "RoomTemperature.h"
#include "SensorModel.h"
#include "SimSettings.h"
#include "TraceFile.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <string>

// The one simulated adapter of the process: driver state, the selected port
// among those with an adapter, test pins, the sensor on them and the trace. Every call is serialised.
namespace Pallix400Sim {

// Version answers: hardware revision 2, driver version 1.00 (hundredths),
// interface version 1.
inline constexpr int32_t kHardwareVersion = 2;
inline constexpr int32_t kDllVersion = 100;
inline constexpr int32_t kInterfaceVersion = 1;

class SimDriver {
public:
    static SimDriver& Instance();

    int32_t InitiateDriver(int32_t mode);
    int32_t CheckPortAvailable(int32_t port);
    int32_t SetPort(int32_t port);
    int32_t GetPort();
    int32_t WriteTestpins(int32_t outputs);
    int32_t ReadTestpins(int32_t* inputs);
    int32_t CopyErrorText(int32_t code, char* buffer, int32_t size);

    void Reset();
    void SetTemperature(double celsius);
    void SetNoise(double probability);
    void Seed(uint32_t seed);

private:
    SimDriver();

    void ResetLocked();
    void SeedLocked(uint32_t seed);
    bool Ready() const { return initiated_ && port_ != 0; }
    double SensorTemperature();
    bool FlipBit();
    PinLevels Levels() const;

    std::mutex mutex_;
    Settings settings_;
    std::string traceError_;
    bool initiated_ = false;
    int32_t port_ = 0;
    std::chrono::steady_clock::time_point start_;
    RoomTemperature room_;
    std::mt19937 noise_;
    SensorModel sensor_;
    std::unique_ptr<TraceFile> trace_;
};

}  // namespace Pallix400Sim
