// SPDX-License-Identifier: MIT

#pragma once

#include "DynamicLibrary.h"
#include "Pallix400Api.h"

#include <string>

// The driver library and the program's calls into it. At the first call of
// any operation the library is opened by its bare name, through the loader's
// standard search only (LD_LIBRARY_PATH, then the system's library cache and
// directories), so an installed driver always wins. Only when that search
// finds none is the simulator shipped with the program opened, by its full
// path. Each operation is looked up at its first call and kept.
// Failures raise RuntimeError and the next call tries again: no library
// anywhere 53, a library that cannot be loaded 48, a missing operation 453.
class Pallix400 {
public:
    // One typed pointer per operation; null where a driver does not provide it.
    struct Operations {
#define PALLIX400_POINTER(name, params, args) Pallix400_##name##_t* name = nullptr;
        PALLIX400_OPERATIONS(PALLIX400_POINTER)
#undef PALLIX400_POINTER
    };

    // The driver by its library name, the bundled simulator when none is found.
    Pallix400();
    // `library` is a bare name or a path; when no file of that name is found,
    // `fallback` is opened instead (empty: none).
    Pallix400(std::string library, std::string fallback);
    // Every call goes to `driver` and nothing is loaded; an operation it leaves
    // null raises RuntimeError 453 like a missing one.
    explicit Pallix400(const Operations& driver);

#define PALLIX400_DECLARE(name, params, args) int32_t name params;
    PALLIX400_OPERATIONS(PALLIX400_DECLARE)
#undef PALLIX400_DECLARE

    // True while the library in use is the fallback simulator.
    bool UsesSimulator() const noexcept
    {
        return usesSimulator_;
    }

    // The simulator shipped with the program, by its full path; empty when the
    // program's own place is unknown.
    static std::string BundledSimulator();

private:
    template <typename Function>
    Function* Resolve(Function* Operations::*operation, const char* name);
    platform::DynamicLibrary OpenDriver();

    std::string libraryName_;
    std::string fallback_;
    bool given_ = false;  // the operations came with the object: nothing is loaded
    bool usesSimulator_ = false;
    platform::DynamicLibrary library_;
    Operations found_;
};
