// SPDX-License-Identifier: MIT

#include "SimDriver.h"

#include "ErrorText.h"

#include <Pallix400Api.h>
#include <cstdlib>

namespace Pallix400Sim {

namespace {
uint32_t FreshSeed()
{
    try {
        return std::random_device{}();
    } catch (const std::exception&) {
        return static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
}

// The environment is read when the library is loaded.
[[maybe_unused]] const bool loaded = (SimDriver::Instance(), true);
}  // namespace

SimDriver& SimDriver::Instance()
{
    static SimDriver driver;
    return driver;
}

SimDriver::SimDriver()
    : room_(0)
    , sensor_([this] { return SensorTemperature(); }, [this] { return FlipBit(); })
{
    ResetLocked();
}

int32_t SimDriver::InitiateDriver(int32_t mode)
{
    std::lock_guard lock{mutex_};
    initiated_ = false;
    port_ = 0;
    if (!settings_.error.empty()) {
        return kBadSetting;
    }
    if (mode != Pallix400Api::kInitiateMode) {
        return kUnsupportedMode;
    }
    if (settings_.fault == Fault::Init) {
        return kInitFault;
    }
    if (!settings_.tracePath.empty() && !trace_) {
        std::string reason;
        trace_ = TraceFile::Open(settings_.tracePath, Levels(), reason);
        if (!trace_) {
            traceError_ = SettingError(reason, kTraceVariable, settings_.tracePath);
            return kBadSetting;
        }
        traceError_.clear();
    }
    initiated_ = true;
    return Pallix400Api::kDriverReady;
}

int32_t SimDriver::CheckPortAvailable(int32_t port)
{
    std::lock_guard lock{mutex_};
    return settings_.ports.contains(port) ? 1 : 0;
}

int32_t SimDriver::SetPort(int32_t port)
{
    std::lock_guard lock{mutex_};
    if (!initiated_ || settings_.fault == Fault::Port || !settings_.ports.contains(port)) {
        return 0;
    }
    port_ = port;
    return 1;
}

int32_t SimDriver::GetPort()
{
    std::lock_guard lock{mutex_};
    return port_;
}

int32_t SimDriver::WriteTestpins(int32_t outputs)
{
    std::lock_guard lock{mutex_};
    if (!Ready()) {
        return kNotReady;
    }
    const bool wasSelected = (sensor_.Outputs() & Pallix400Api::kChipSelectBit) == 0;
    sensor_.Drive(outputs);
    if (trace_) {
        trace_->Record(Levels());
        // Flushed at each deselect, so the file is usable while the program runs.
        if (wasSelected && (sensor_.Outputs() & Pallix400Api::kChipSelectBit) != 0) {
            if (!trace_->Flush()) {
                trace_.reset();  // reported once; the readings go on without it
            }
        }
    }
    return 1;
}

int32_t SimDriver::ReadTestpins(int32_t* inputs)
{
    std::lock_guard lock{mutex_};
    if (inputs == nullptr) {
        return kNullPointer;
    }
    if (!Ready()) {
        return kNotReady;
    }
    *inputs = sensor_.DataLine() ? Pallix400Api::kDataBit : 0;
    return 1;
}

int32_t SimDriver::CopyErrorText(int32_t code, char* buffer, int32_t size)
{
    std::string message;
    {
        std::lock_guard lock{mutex_};
        message = ErrorMessage(code, settings_.error.empty() ? traceError_ : settings_.error);
    }
    return CopyText(message, buffer, size);
}

void SimDriver::Reset()
{
    std::lock_guard lock{mutex_};
    ResetLocked();
}

void SimDriver::SetTemperature(double celsius)
{
    std::lock_guard lock{mutex_};
    settings_.temperature = celsius;
}

void SimDriver::SetNoise(double probability)
{
    std::lock_guard lock{mutex_};
    settings_.fault = Fault::Noise;
    settings_.noiseProbability = probability;
}

void SimDriver::Seed(uint32_t seed)
{
    std::lock_guard lock{mutex_};
    SeedLocked(seed);
}

void SimDriver::ResetLocked()
{
    trace_.reset();
    settings_ = ReadSettings([](const char* name) { return std::getenv(name); });
    traceError_.clear();
    initiated_ = false;
    port_ = 0;
    start_ = std::chrono::steady_clock::now();
    SeedLocked(FreshSeed());
    sensor_.Restart();
    sensor_.SetConnected(settings_.fault != Fault::NoSensor);
}

void SimDriver::SeedLocked(uint32_t seed)
{
    room_ = RoomTemperature{seed};
    noise_.seed(seed ^ 0x5EED5EEDU);
}

double SimDriver::SensorTemperature()
{
    if (const auto fixed = settings_.portTemperatures.find(port_); fixed != settings_.portTemperatures.end()) {
        return fixed->second;
    }
    if (settings_.temperature) {
        return *settings_.temperature;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
    return room_.At(elapsed.count());
}

bool SimDriver::FlipBit()
{
    return settings_.fault == Fault::Noise && std::bernoulli_distribution{settings_.noiseProbability}(noise_);
}

PinLevels SimDriver::Levels() const
{
    const int32_t outputs = sensor_.Outputs();
    return PinLevels{(outputs & Pallix400Api::kChipSelectBit) != 0, (outputs & Pallix400Api::kClockBit) != 0,
                     sensor_.DataLine()};
}

}  // namespace Pallix400Sim
