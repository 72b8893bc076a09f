// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

// The driver library's operations, in the order the library declares them.
// Every argument and result is a 32-bit integer or points to 32-bit integers or
// 8-bit characters. X(name, parameters, arguments) is expanded once for the
// typed function pointers, once for the program's calls and once for the
// simulator's exports, so the three cannot drift apart.
#define PALLIX400_OPERATIONS(X)                                                                          \
    X(GetHardwareVersion, (), ())                                                                        \
    X(GetDllVersion, (), ())                                                                             \
    X(CheckPortAvailable, (int32_t port), (port))                                                        \
    X(SetPort, (int32_t port), (port))                                                                   \
    X(GetPort, (), ())                                                                                   \
    X(CopyErrorText, (int32_t code, char* buffer, int32_t size), (code, buffer, size))                   \
    X(InitiateDriver, (int32_t mode), (mode))                                                            \
    X(Start, (), ())                                                                                     \
    X(Stop2, (), ())                                                                                     \
    X(GetTransmissionStatus, (), ())                                                                     \
    X(SetNumberOfMessages, (int32_t count), (count))                                                     \
    X(GetInterfaceVersion, (), ())                                                                       \
    X(ReadTestpins, (int32_t * inputs), (inputs))                                                        \
    X(WriteTestpins, (int32_t outputs), (outputs))                                                       \
    X(CopyI2cErrorText, (int32_t code, char* buffer, int32_t size), (code, buffer, size))                \
    X(SetBaudrate, (int32_t baudrate), (baudrate))                                                       \
    X(GetBaudrate, (), ())                                                                               \
    X(StoreMasterData, (int32_t message, int32_t address, int32_t * data, int32_t count),                \
      (message, address, data, count))                                                                   \
    X(AddMasterData, (int32_t message, int32_t * data, int32_t count), (message, data, count))           \
    X(StoreMasterConditionData, (int32_t message, int32_t condition), (message, condition))              \
    X(AddMasterConditionData, (int32_t message, int32_t condition), (message, condition))                \
    X(GetMasterTransmissionData, (int32_t message, int32_t * data, int32_t size), (message, data, size)) \
    X(SendRecMaster, (), ())                                                                             \
    X(SendRecMasterCondition, (), ())                                                                    \
    X(StoreSlaveData, (int32_t * data, int32_t count), (data, count))                                    \
    X(GetSlaveTransmissionData, (int32_t * data, int32_t size), (data, size))                            \
    X(SetEnableHardwareBuffer, (int32_t enable), (enable))                                               \
    X(GetEnableHardwareBuffer, (), ())                                                                   \
    X(SetEnableSendAndReceiveBuffer, (int32_t enable), (enable))                                         \
    X(GetEnableSendAndReceiveBuffer, (), ())                                                             \
    X(SetSlaveAddress, (int32_t address), (address))                                                     \
    X(GetSlaveAddress, (), ())

// The calling convention of every operation: the standard one of 32-bit
// Windows, where the adapter's own driver is a DLL; the platform's on Linux.
#if defined(_WIN32) && !defined(_WIN64)
#define PALLIX400_CALL __stdcall
#else
#define PALLIX400_CALL
#endif

// How a driver library (the simulator, the tests' own) exports an operation.
#ifdef _WIN32
#define PALLIX400_EXPORT extern "C" __declspec(dllexport)
#else
#define PALLIX400_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// The function type of each operation as the library exports it: Pallix400_<name>_t.
extern "C" {
#define PALLIX400_FUNCTION_TYPE(name, params, args) typedef int32_t PALLIX400_CALL Pallix400_##name##_t params;
PALLIX400_OPERATIONS(PALLIX400_FUNCTION_TYPE)
#undef PALLIX400_FUNCTION_TYPE
}

// Facts about the driver that the program, the simulator and the tests share.
namespace Pallix400Api {
#ifdef _WIN32
inline constexpr const char* kLibraryName = "Pallix400.dll";
#else
inline constexpr const char* kLibraryName = "libPallix400.so";
#endif
inline constexpr int32_t kInitiateMode = 3;  // the mode the program initiates the driver with
inline constexpr int32_t kDriverReady = 1;   // InitiateDriver's answer when all went well
inline constexpr int32_t kErrorTextSize = 100;

// Test-pin outputs: bit 0 drives the sensor's clock, bit 1 its chip select (active low).
inline constexpr int32_t kClockBit = 1 << 0;
inline constexpr int32_t kChipSelectBit = 1 << 1;
// Test-pin inputs: bit 0 is the sensor's data line.
inline constexpr int32_t kDataBit = 1 << 0;
}  // namespace Pallix400Api
