// SPDX-License-Identifier: MIT

#include "ErrorText.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace Pallix400Sim {

std::string ErrorMessage(int32_t code, const std::string& settingError)
{
    switch (code) {
    case kUnsupportedMode:
        return "the simulated driver supports InitiateDriver mode 3 only";
    case kBadSetting:
        return settingError.empty() ? std::string{"a setting of the simulated driver is not understood"} : settingError;
    case kInitFault:
        return "simulated fault: the driver could not be initiated (PALLIX400_SIM_FAULT=init)";
    case kNotReady:
        return "the driver is not ready: call InitiateDriver(3) and SetPort(1) first";
    case kNullPointer:
        return "a null address was passed where the driver needs one";
    case kNotProvided:
        return "bus transfers are not provided by the simulator: only the test pins are simulated";
    default:
        return "unknown error code " + std::to_string(code);
    }
}

int32_t CopyText(const std::string& message, char* buffer, int32_t size)
{
    if (buffer != nullptr && size > 0) {
        const auto room = static_cast<std::size_t>(size);
        const std::size_t count = std::min(message.size(), room);
        std::memcpy(buffer, message.data(), count);
        if (count < room) {
            buffer[count] = '\0';
        }
    }
    const std::size_t limit = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::min(message.size(), limit));
}

}  // namespace Pallix400Sim
