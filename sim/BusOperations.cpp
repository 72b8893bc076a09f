#include "DriverOperations.h"
#include "ErrorText.h"

// The serial-bus transfers of the real adapter. The simulator has no bus:
// each answers kNotProvided, which CopyErrorText explains.
namespace Pallix400Sim {

int32_t DriverOperations::Start()
{
    return kNotProvided;
}
int32_t DriverOperations::Stop2()
{
    return kNotProvided;
}
int32_t DriverOperations::GetTransmissionStatus()
{
    return kNotProvided;
}
int32_t DriverOperations::SetNumberOfMessages(int32_t)
{
    return kNotProvided;
}
int32_t DriverOperations::SetBaudrate(int32_t)
{
    return kNotProvided;
}
int32_t DriverOperations::GetBaudrate()
{
    return kNotProvided;
}
int32_t DriverOperations::StoreMasterData(int32_t, int32_t, int32_t*, int32_t)
{
    return kNotProvided;
}
int32_t DriverOperations::AddMasterData(int32_t, int32_t*, int32_t)
{
    return kNotProvided;
}
int32_t DriverOperations::StoreMasterConditionData(int32_t, int32_t)
{
    return kNotProvided;
}
int32_t DriverOperations::AddMasterConditionData(int32_t, int32_t)
{
    return kNotProvided;
}
int32_t DriverOperations::GetMasterTransmissionData(int32_t, int32_t*, int32_t)
{
    return kNotProvided;
}
int32_t DriverOperations::SendRecMaster()
{
    return kNotProvided;
}
int32_t DriverOperations::SendRecMasterCondition()
{
    return kNotProvided;
}
int32_t DriverOperations::StoreSlaveData(int32_t*, int32_t)
{
    return kNotProvided;
}
int32_t DriverOperations::GetSlaveTransmissionData(int32_t*, int32_t)
{
    return kNotProvided;
}
int32_t DriverOperations::SetEnableHardwareBuffer(int32_t)
{
    return kNotProvided;
}
int32_t DriverOperations::GetEnableHardwareBuffer()
{
    return kNotProvided;
}
int32_t DriverOperations::SetEnableSendAndReceiveBuffer(int32_t)
{
    return kNotProvided;
}
int32_t DriverOperations::GetEnableSendAndReceiveBuffer()
{
    return kNotProvided;
}
int32_t DriverOperations::SetSlaveAddress(int32_t)
{
    return kNotProvided;
}
int32_t DriverOperations::GetSlaveAddress()
{
    return kNotProvided;
}

}  // namespace Pallix400Sim
