// SPDX-License-Identifier: MIT

#include "ErrorText.h"
#include "SimDriver.h"

#include <Pallix400Api.h>
#include <type_traits>

// The library's C entry points: the driver's 32 operations, forwarded to the
// one simulated adapter. Everything else in the library is hidden.

using Pallix400Sim::kNotProvided;
using Pallix400Sim::SimDriver;

PALLIX400_EXPORT int32_t PALLIX400_CALL GetHardwareVersion()
{
    return Pallix400Sim::kHardwareVersion;
}

PALLIX400_EXPORT int32_t PALLIX400_CALL GetDllVersion()
{
    return Pallix400Sim::kDllVersion;
}

PALLIX400_EXPORT int32_t PALLIX400_CALL CheckPortAvailable(int32_t port)
{
    return SimDriver::Instance().CheckPortAvailable(port);
}

PALLIX400_EXPORT int32_t PALLIX400_CALL SetPort(int32_t port)
{
    return SimDriver::Instance().SetPort(port);
}

PALLIX400_EXPORT int32_t PALLIX400_CALL GetPort()
{
    return SimDriver::Instance().GetPort();
}

PALLIX400_EXPORT int32_t PALLIX400_CALL CopyErrorText(int32_t code, char* buffer, int32_t size)
{
    return SimDriver::Instance().CopyErrorText(code, buffer, size);
}

PALLIX400_EXPORT int32_t PALLIX400_CALL InitiateDriver(int32_t mode)
{
    return SimDriver::Instance().InitiateDriver(mode);
}

PALLIX400_EXPORT int32_t PALLIX400_CALL GetInterfaceVersion()
{
    return Pallix400Sim::kInterfaceVersion;
}

PALLIX400_EXPORT int32_t PALLIX400_CALL ReadTestpins(int32_t* inputs)
{
    return SimDriver::Instance().ReadTestpins(inputs);
}

PALLIX400_EXPORT int32_t PALLIX400_CALL WriteTestpins(int32_t outputs)
{
    return SimDriver::Instance().WriteTestpins(outputs);
}

PALLIX400_EXPORT int32_t PALLIX400_CALL CopyI2cErrorText(int32_t code, char* buffer, int32_t size)
{
    return SimDriver::Instance().CopyErrorText(code, buffer, size);
}

// The adapter's serial-bus transfers: the simulator has no bus, so each
// answers kNotProvided, which CopyErrorText explains.
// clang-format off
PALLIX400_EXPORT int32_t PALLIX400_CALL Start() { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL Stop2() { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL GetTransmissionStatus() { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL SetNumberOfMessages(int32_t) { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL SetBaudrate(int32_t) { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL GetBaudrate() { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL StoreMasterData(int32_t, int32_t, int32_t*, int32_t) { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL AddMasterData(int32_t, int32_t*, int32_t) { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL StoreMasterConditionData(int32_t, int32_t) { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL AddMasterConditionData(int32_t, int32_t) { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL GetMasterTransmissionData(int32_t, int32_t*, int32_t) { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL SendRecMaster() { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL SendRecMasterCondition() { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL StoreSlaveData(int32_t*, int32_t) { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL GetSlaveTransmissionData(int32_t*, int32_t) { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL SetEnableHardwareBuffer(int32_t) { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL GetEnableHardwareBuffer() { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL SetEnableSendAndReceiveBuffer(int32_t) { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL GetEnableSendAndReceiveBuffer() { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL SetSlaveAddress(int32_t) { return kNotProvided; }
PALLIX400_EXPORT int32_t PALLIX400_CALL GetSlaveAddress() { return kNotProvided; }
// clang-format on

// Every operation of the driver's list is here, with exactly its declared type.
#define PALLIX400_SIM_CHECK(name, params, args)                         \
    static_assert(std::is_same_v<decltype(name), Pallix400_##name##_t>, \
                  #name " must have the type the driver library declares for it");
PALLIX400_OPERATIONS(PALLIX400_SIM_CHECK)
#undef PALLIX400_SIM_CHECK
