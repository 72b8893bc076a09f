#include "ErrorText.h"
#include "SimDriver.h"

#include <Pallix400Api.h>
#include <type_traits>

// The library's C entry points: the driver's 32 operations, forwarded to the
// one simulated adapter. Everything else in the library is hidden.
#define PALLIX400_SIM_EXPORT extern "C" __attribute__((visibility("default")))

using Pallix400Sim::kNotProvided;
using Pallix400Sim::SimDriver;

PALLIX400_SIM_EXPORT int32_t GetHardwareVersion()
{
    return Pallix400Sim::kHardwareVersion;
}

PALLIX400_SIM_EXPORT int32_t GetDllVersion()
{
    return Pallix400Sim::kDllVersion;
}

PALLIX400_SIM_EXPORT int32_t CheckPortAvailable(int32_t port)
{
    return SimDriver::Instance().CheckPortAvailable(port);
}

PALLIX400_SIM_EXPORT int32_t SetPort(int32_t port)
{
    return SimDriver::Instance().SetPort(port);
}

PALLIX400_SIM_EXPORT int32_t GetPort()
{
    return SimDriver::Instance().GetPort();
}

PALLIX400_SIM_EXPORT int32_t CopyErrorText(int32_t code, char* buffer, int32_t size)
{
    return SimDriver::Instance().CopyErrorText(code, buffer, size);
}

PALLIX400_SIM_EXPORT int32_t InitiateDriver(int32_t mode)
{
    return SimDriver::Instance().InitiateDriver(mode);
}

PALLIX400_SIM_EXPORT int32_t GetInterfaceVersion()
{
    return Pallix400Sim::kInterfaceVersion;
}

PALLIX400_SIM_EXPORT int32_t ReadTestpins(int32_t* inputs)
{
    return SimDriver::Instance().ReadTestpins(inputs);
}

PALLIX400_SIM_EXPORT int32_t WriteTestpins(int32_t outputs)
{
    return SimDriver::Instance().WriteTestpins(outputs);
}

PALLIX400_SIM_EXPORT int32_t CopyI2cErrorText(int32_t code, char* buffer, int32_t size)
{
    return SimDriver::Instance().CopyErrorText(code, buffer, size);
}

// The adapter's serial-bus transfers: the simulator has no bus, so each
// answers kNotProvided, which CopyErrorText explains.
// clang-format off
PALLIX400_SIM_EXPORT int32_t Start() { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t Stop2() { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t GetTransmissionStatus() { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t SetNumberOfMessages(int32_t) { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t SetBaudrate(int32_t) { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t GetBaudrate() { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t StoreMasterData(int32_t, int32_t, int32_t*, int32_t) { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t AddMasterData(int32_t, int32_t*, int32_t) { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t StoreMasterConditionData(int32_t, int32_t) { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t AddMasterConditionData(int32_t, int32_t) { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t GetMasterTransmissionData(int32_t, int32_t*, int32_t) { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t SendRecMaster() { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t SendRecMasterCondition() { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t StoreSlaveData(int32_t*, int32_t) { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t GetSlaveTransmissionData(int32_t*, int32_t) { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t SetEnableHardwareBuffer(int32_t) { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t GetEnableHardwareBuffer() { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t SetEnableSendAndReceiveBuffer(int32_t) { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t GetEnableSendAndReceiveBuffer() { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t SetSlaveAddress(int32_t) { return kNotProvided; }
PALLIX400_SIM_EXPORT int32_t GetSlaveAddress() { return kNotProvided; }
// clang-format on

// Every operation of the driver's list is here, with exactly its declared type.
#define PALLIX400_SIM_CHECK(name, params, args)                         \
    static_assert(std::is_same_v<decltype(name), Pallix400_##name##_t>, \
                  #name " must have the type the driver library declares for it");
PALLIX400_OPERATIONS(PALLIX400_SIM_CHECK)
#undef PALLIX400_SIM_CHECK
