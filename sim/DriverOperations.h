#pragma once

#include <Pallix400Api.h>
#include <cstdint>

// The simulated driver's 32 operations, one static function each, with the
// parameters the driver library declares. Exports.cpp hands them out under
// their C names.
namespace Pallix400Sim {

// Version answers: hardware revision 2, driver version 1.00 (hundredths),
// interface version 1.
inline constexpr int32_t kHardwareVersion = 2;
inline constexpr int32_t kDllVersion = 100;
inline constexpr int32_t kInterfaceVersion = 1;

struct DriverOperations {
#define PALLIX400_SIM_DECLARE(name, params, args) static int32_t name params;
    PALLIX400_OPERATIONS(PALLIX400_SIM_DECLARE)
#undef PALLIX400_SIM_DECLARE
};

}  // namespace Pallix400Sim
