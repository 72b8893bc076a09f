#include "DriverOperations.h"
#include "Pallix400Sim.h"

#include <type_traits>

// The library's C entry points, one per operation of the driver's list, each
// of exactly the type the program looks it up as.
#define PALLIX400_SIM_EXPORT(name, params, args)                        \
    extern "C" PALLIX400_SIM_API int32_t name params                    \
    {                                                                   \
        return Pallix400Sim::DriverOperations::name args;               \
    }                                                                   \
    static_assert(std::is_same_v<decltype(name), Pallix400_##name##_t>, \
                  #name " must have the type the driver library declares for it");
PALLIX400_OPERATIONS(PALLIX400_SIM_EXPORT)
#undef PALLIX400_SIM_EXPORT
