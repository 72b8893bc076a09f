#pragma once

#include "Pallix400Api.h"

#include <string>

// The program's calls into the driver library. At the first call of any
// operation the library is opened by its bare name, through the loader's
// standard search only (LD_LIBRARY_PATH, then the system's library cache and
// directories), so an installed driver always wins. Only when that search
// finds none is the simulator shipped with the program opened, by its full
// path. Each operation is looked up at its first call and kept.
// Failures raise RuntimeError and the next call tries again: no library
// anywhere 53, a library that cannot be loaded 48, a missing operation 453.
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

// The simulator shipped with the program, by its full path; empty when the
// program's own place is unknown.
std::string BundledSimulator();

// Forgets the loaded library and every operation found in it. The next call
// opens `library` (a bare name or a path) or, when no file of that name is
// found, `fallback` (empty: none).
void ResetLoader(const std::string& library = kLibraryName, const std::string& fallback = BundledSimulator());

// True once after a call has had to open the fallback simulator.
bool TakeSimulatorNotice();

}  // namespace Pallix400
