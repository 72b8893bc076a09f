#include "ScriptedDriver.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {
ScriptedDriver* active = nullptr;

ScriptedDriver& Active()
{
    if (active == nullptr) {
        throw std::logic_error("no ScriptedDriver is installed");
    }
    return *active;
}
}  // namespace

// The driver's entry points: plain functions, as a library exports them.
struct ScriptedDriverCalls {
    static void Record(std::string call) { Active().calls_.push_back(std::move(call)); }

    static int32_t InitiateDriver(int32_t mode)
    {
        Record("InitiateDriver(" + std::to_string(mode) + ")");
        return Active().initiateResult_;
    }
    static int32_t CopyErrorText(int32_t code, char* buffer, int32_t size)
    {
        Record("CopyErrorText(" + std::to_string(code) + "," + std::to_string(size) + ")");
        const std::string& text = Active().errorText_;
        std::memcpy(buffer, text.data(), std::min(text.size(), static_cast<std::size_t>(std::max(size, 0))));
        return Active().errorCount_;
    }
    static int32_t SetPort(int32_t port)
    {
        Record("SetPort(" + std::to_string(port) + ")");
        return Active().setPortResult_;
    }
    static int32_t GetPort()
    {
        Record("GetPort()");
        return Active().getPortResult_;
    }
    static int32_t WriteTestpins(int32_t pattern)
    {
        Record("WriteTestpins(" + std::to_string(pattern) + ")");
        return 1;
    }
    static int32_t ReadTestpins(int32_t* inputs)
    {
        Record("ReadTestpins()");
        ScriptedDriver& driver = Active();
        if (driver.nextSample_ < driver.samples_.size()) {
            *inputs = driver.samples_[driver.nextSample_++];
        }
        return driver.readTestpinsResult_;
    }
};

ScriptedDriver::ScriptedDriver()
{
    if (active != nullptr) {
        throw std::logic_error("only one ScriptedDriver at a time");
    }
    operations_.InitiateDriver = &ScriptedDriverCalls::InitiateDriver;
    operations_.CopyErrorText = &ScriptedDriverCalls::CopyErrorText;
    operations_.SetPort = &ScriptedDriverCalls::SetPort;
    operations_.GetPort = &ScriptedDriverCalls::GetPort;
    operations_.WriteTestpins = &ScriptedDriverCalls::WriteTestpins;
    operations_.ReadTestpins = &ScriptedDriverCalls::ReadTestpins;
    active = this;
    installed_.emplace(operations_);
    previousSleep_ = platform::ReplaceSleep([](std::chrono::milliseconds duration) {
        ScriptedDriverCalls::Record("Sleep(" + std::to_string(duration.count()) + ")");
    });
}

ScriptedDriver::~ScriptedDriver()
{
    platform::ReplaceSleep(std::move(previousSleep_));
    installed_.reset();
    active = nullptr;
}

ScriptedDriver& ScriptedDriver::Samples(const std::vector<int32_t>& samples)
{
    samples_.insert(samples_.end(), samples.begin(), samples.end());
    return *this;
}

ScriptedDriver& ScriptedDriver::Frame(int32_t raw, int32_t trailer)
{
    // 13-bit two's complement, most significant bit first, then the 4-bit trailer.
    const auto word = static_cast<uint32_t>(((raw & 0x1FFF) << 4) | (trailer & 0xF));
    for (int bit = 16; bit >= 0; --bit) {
        samples_.push_back(static_cast<int32_t>((word >> bit) & 1U));
    }
    return *this;
}

ScriptedDriver& ScriptedDriver::Without(const std::string& operation)
{
#define SCRIPTED_DRIVER_DROP(name, params, args) \
    if (operation == #name)                      \
        operations_.name = nullptr;
    PALLIX400_OPERATIONS(SCRIPTED_DRIVER_DROP)
#undef SCRIPTED_DRIVER_DROP
    return *this;
}

std::vector<int32_t> ScriptedDriver::Patterns() const
{
    std::vector<int32_t> patterns;
    const std::string prefix = "WriteTestpins(";
    for (const std::string& call : calls_) {
        if (call.rfind(prefix, 0) == 0) {
            patterns.push_back(std::stoi(call.substr(prefix.size())));
        }
    }
    return patterns;
}
