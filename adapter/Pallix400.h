#pragma once

#include "Pallix400Api.h"

#include <string>

// The program's calls into the driver library. The library is opened by its
// bare name at the first call of any operation, so LD_LIBRARY_PATH comes
// first, then the program's RUNPATH, then the system's library paths. Each
// operation is looked up at its first call and kept. A library that cannot be
// opened raises RuntimeError 48, a missing operation RuntimeError 453; both
// carry the loader's own text, and the next call tries again.
namespace Pallix400 {

// One typed pointer per operation; null where a driver does not provide it.
struct Operations {
#define PALLIX400_POINTER(name, params, args) Pallix400_##name##_t* name = nullptr;
    PALLIX400_OPERATIONS(PALLIX400_POINTER)
#undef PALLIX400_POINTER
};

#define PALLIX400_DECLARE(name, params, args) int32_t name params;
PALLIX400_OPERATIONS(PALLIX400_DECLARE)
#undef PALLIX400_DECLARE

// While one lives, every call goes to `driver` instead of the loaded library.
// An operation `driver` leaves null raises RuntimeError 453 like a missing one.
class ScopedDriver {
public:
    explicit ScopedDriver(const Operations& driver) noexcept;
    ~ScopedDriver();
    ScopedDriver(const ScopedDriver&) = delete;
    ScopedDriver& operator=(const ScopedDriver&) = delete;

private:
    const Operations* previous_;
};

// Forgets the loaded library and every operation found in it; the next call
// opens `library` (a bare name or a path).
void ResetLoader(const std::string& library = kLibraryName);

}  // namespace Pallix400
