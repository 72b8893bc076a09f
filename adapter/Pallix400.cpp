// SPDX-License-Identifier: MIT

#include "Pallix400.h"

#include "ExecutableDirectory.h"
#include "RuntimeError.h"

#include <algorithm>
#include <utility>

Pallix400::Pallix400()
    : Pallix400(Pallix400Api::kLibraryName, BundledSimulator())
{
}

Pallix400::Pallix400(std::string library, std::string fallback)
    : libraryName_(std::move(library))
    , fallback_(std::move(fallback))
{
}

Pallix400::Pallix400(const Operations& driver)
    : given_(true)
    , found_(driver)
{
}

platform::DynamicLibrary Pallix400::OpenDriver()
{
    using platform::DynamicLibrary;
    DynamicLibrary::Failure failure;
    DynamicLibrary driver = DynamicLibrary::Open(libraryName_, failure);
    if (!driver && failure.notFound && !fallback_.empty()) {
        driver = DynamicLibrary::Open(fallback_, failure);
        usesSimulator_ = static_cast<bool>(driver);
    }
    if (!driver && failure.notFound) {
        throw RuntimeError(RuntimeError::FileNotFound, "File not found: " + libraryName_);
    }
    if (!driver) {
        throw RuntimeError(RuntimeError::LibraryNotLoaded, "Cannot load the driver library: " + failure.text);
    }
    return driver;
}

template <typename Function>
Function* Pallix400::Resolve(Function* Operations::*operation, const char* name)
{
    if (Function* function = found_.*operation) {
        return function;
    }
    std::string reason = "the driver does not provide it";
    if (!given_) {
        if (!library_) {
            library_ = OpenDriver();
        }
        if (void* symbol = library_.Find(name, reason)) {
            return found_.*operation = reinterpret_cast<Function*>(symbol);
        }
    }
    throw RuntimeError(RuntimeError::EntryPointNotFound, std::string("Entry point ") + name + " not found: " + reason);
}

#define PALLIX400_DEFINE(name, params, args)           \
    int32_t Pallix400::name params                     \
    {                                                  \
        return Resolve(&Operations::name, #name) args; \
    }
PALLIX400_OPERATIONS(PALLIX400_DEFINE)
#undef PALLIX400_DEFINE

std::string Pallix400::BundledSimulator()
{
    const std::string directory = platform::ExecutableDirectory();
    if (directory.empty()) {
        return {};
    }
    std::string path = directory + "/" + PALLIX_SIMULATOR_RELATIVE_PATH;
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');  // a full path for the loader has backslashes
#endif
    return path;
}
