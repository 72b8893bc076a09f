// SPDX-License-Identifier: MIT

#include "ScriptedDriver.h"

#include "SensorFrame.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

ScriptedDriver* active = nullptr;

void Record(const std::string& call)
{
    active->calls.push_back(call);
}

}  // namespace

// The driver's entry points, with the calling convention a driver's have.
struct ScriptedDriverCalls {
    static int32_t PALLIX400_CALL InitiateDriver(int32_t mode)
    {
        Record("InitiateDriver(" + std::to_string(mode) + ")");
        return active->initiateResult;
    }
    static int32_t PALLIX400_CALL CopyErrorText(int32_t code, char* buffer, int32_t size)
    {
        Record("CopyErrorText(" + std::to_string(code) + "," + std::to_string(size) + ")");
        const std::string& text = active->errorText;
        std::memcpy(buffer, text.data(), std::min(text.size(), static_cast<std::size_t>(std::max(size, 0))));
        return active->errorCount;
    }
    static int32_t PALLIX400_CALL SetPort(int32_t port)
    {
        Record("SetPort(" + std::to_string(port) + ")");
        return active->setPortResult;
    }
    static int32_t PALLIX400_CALL GetPort()
    {
        Record("GetPort()");
        return active->getPortResult;
    }
    static int32_t PALLIX400_CALL WriteTestpins(int32_t pattern)
    {
        Record("WriteTestpins(" + std::to_string(pattern) + ")");
        return 1;
    }
    static int32_t PALLIX400_CALL ReadTestpins(int32_t* inputs)
    {
        Record("ReadTestpins()");
        if (active->nextSample_ < active->samples.size()) {
            *inputs = active->samples[active->nextSample_++];
        }
        return active->readTestpinsResult;
    }
};

ScriptedDriver::ScriptedDriver()
{
    if (active != nullptr) {
        throw std::logic_error("only one ScriptedDriver at a time");
    }
    active = this;
    operations_.InitiateDriver = &ScriptedDriverCalls::InitiateDriver;
    operations_.CopyErrorText = &ScriptedDriverCalls::CopyErrorText;
    operations_.SetPort = &ScriptedDriverCalls::SetPort;
    operations_.GetPort = &ScriptedDriverCalls::GetPort;
    operations_.WriteTestpins = &ScriptedDriverCalls::WriteTestpins;
    operations_.ReadTestpins = &ScriptedDriverCalls::ReadTestpins;
    previousSleep_ = platform::ReplaceSleep([](std::chrono::milliseconds duration) {
        Record("Sleep(" + std::to_string(static_cast<int32_t>(duration.count())) + ")");
    });
}

ScriptedDriver::~ScriptedDriver()
{
    platform::ReplaceSleep(std::move(previousSleep_));
    active = nullptr;
}

ScriptedDriver& ScriptedDriver::Frame(int32_t raw, uint32_t trailer)
{
    const uint32_t word = (SensorFrame::Encode(raw) & ~0xFU) | (trailer & 0xFU);
    for (int bit = SensorFrame::kBits - 1; bit >= 0; --bit) {
        samples.push_back(static_cast<int32_t>((word >> bit) & 1U));
    }
    return *this;
}

ScriptedDriver& ScriptedDriver::Without(const std::string& operation)
{
#define SCRIPTED_DRIVER_DROP(name, params, args) \
    if (operation == #name) {                    \
        operations_.name = nullptr;              \
    }
    PALLIX400_OPERATIONS(SCRIPTED_DRIVER_DROP)
#undef SCRIPTED_DRIVER_DROP
    return *this;
}

std::vector<int32_t> ScriptedDriver::Patterns() const
{
    std::vector<int32_t> patterns;
    const std::string prefix = "WriteTestpins(";
    for (const std::string& call : calls) {
        if (call.starts_with(prefix)) {
            patterns.push_back(std::stoi(call.substr(prefix.size())));
        }
    }
    return patterns;
}
