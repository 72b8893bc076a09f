// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>

// The simulated driver's error codes and their messages.
namespace Pallix400Sim {

enum ErrorCode : int32_t {
    kUnsupportedMode = -1,  // InitiateDriver with a mode other than 3
    kBadSetting = -2,       // a setting in the environment is not understood
    kInitFault = -3,        // the simulated fault "init"
    kNotReady = -4,         // the driver is not initiated or no port is selected
    kNullPointer = -5,      // an address argument is null
    kNotProvided = -6,      // bus transfers are not simulated
};

// The message for `code`; `settingError` is the message for kBadSetting.
std::string ErrorMessage(int32_t code, const std::string& settingError);

// Copies at most `size` bytes of `message` into `buffer`, with a terminating
// NUL only if it still fits within `size`. A null buffer or a negative size
// copies nothing. Returns the message's full length.
int32_t CopyText(const std::string& message, char* buffer, int32_t size);

}  // namespace Pallix400Sim
