#include "DriverOperations.h"

#include "ErrorText.h"
#include "SimDriver.h"

// The operations the simulator provides: driver, port, versions, error texts
// and the test pins. The bus transfers are in BusOperations.cpp.
namespace Pallix400Sim {

int32_t DriverOperations::GetHardwareVersion()
{
    return kHardwareVersion;
}

int32_t DriverOperations::GetDllVersion()
{
    return kDllVersion;
}

int32_t DriverOperations::GetInterfaceVersion()
{
    return kInterfaceVersion;
}

int32_t DriverOperations::CheckPortAvailable(int32_t port)
{
    return port == 1 ? 1 : 0;
}

int32_t DriverOperations::SetPort(int32_t port)
{
    return SimDriver::Instance().SetPort(port);
}

int32_t DriverOperations::GetPort()
{
    return SimDriver::Instance().GetPort();
}

int32_t DriverOperations::CopyErrorText(int32_t code, char* buffer, int32_t size)
{
    return SimDriver::Instance().CopyErrorText(code, buffer, size);
}

int32_t DriverOperations::CopyI2cErrorText(int32_t code, char* buffer, int32_t size)
{
    return SimDriver::Instance().CopyErrorText(code, buffer, size);
}

int32_t DriverOperations::InitiateDriver(int32_t mode)
{
    return SimDriver::Instance().InitiateDriver(mode);
}

int32_t DriverOperations::ReadTestpins(int32_t* inputs)
{
    return SimDriver::Instance().ReadTestpins(inputs);
}

int32_t DriverOperations::WriteTestpins(int32_t outputs)
{
    return SimDriver::Instance().WriteTestpins(outputs);
}

}  // namespace Pallix400Sim
