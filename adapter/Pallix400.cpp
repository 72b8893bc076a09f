#include "Pallix400.h"

#include "DynamicLibrary.h"
#include "RuntimeError.h"

#include <algorithm>
#include <utility>

namespace Pallix400 {
namespace {

// The program has one thread; the loader's state is touched only from it.
struct Loader {
    std::string libraryName = kLibraryName;
    std::string fallback = BundledSimulator();
    bool simulatorNotice = false;
    DynamicLibrary library;
    Operations found;
    const Operations* substitute = nullptr;
};

Loader& TheLoader()
{
    static Loader loader;
    return loader;
}

DynamicLibrary OpenDriver(Loader& loader)
{
    DynamicLibrary::Failure failure;
    DynamicLibrary driver = DynamicLibrary::Open(loader.libraryName, failure);
    if (!driver && failure.notFound && !loader.fallback.empty()) {
        driver = DynamicLibrary::Open(loader.fallback, failure);
        loader.simulatorNotice = static_cast<bool>(driver);
    }
    if (!driver && failure.notFound) {
        throw RuntimeError(RuntimeError::FileNotFound, "File not found: " + loader.libraryName);
    }
    if (!driver) {
        throw RuntimeError(RuntimeError::LibraryNotLoaded, "Cannot load the driver library: " + failure.text);
    }
    return driver;
}

template <typename Function>
Function* Resolve(Function* Operations::*operation, const char* name)
{
    Loader& loader = TheLoader();
    const Operations& table = loader.substitute != nullptr ? *loader.substitute : loader.found;
    if (Function* function = table.*operation) {
        return function;
    }
    std::string reason = "the driver does not provide it";
    if (loader.substitute == nullptr) {
        if (!loader.library) {
            loader.library = OpenDriver(loader);
        }
        if (void* symbol = loader.library.Find(name, reason)) {
            return loader.found.*operation = reinterpret_cast<Function*>(symbol);
        }
    }
    throw RuntimeError(RuntimeError::EntryPointNotFound, std::string("Entry point ") + name + " not found: " + reason);
}

}  // namespace

#define PALLIX400_DEFINE(name, params, args)           \
    int32_t name params                                \
    {                                                  \
        return Resolve(&Operations::name, #name) args; \
    }
PALLIX400_OPERATIONS(PALLIX400_DEFINE)
#undef PALLIX400_DEFINE

ScopedDriver::ScopedDriver(const Operations& driver) noexcept
    : previous_(std::exchange(TheLoader().substitute, &driver))
{
}

ScopedDriver::~ScopedDriver()
{
    TheLoader().substitute = previous_;
}

std::string BundledSimulator()
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

void ResetLoader(const std::string& library, const std::string& fallback)
{
    Loader& loader = TheLoader();
    loader.found = Operations{};
    loader.library = DynamicLibrary{};
    loader.libraryName = library;
    loader.fallback = fallback;
    loader.simulatorNotice = false;
}

bool TakeSimulatorNotice()
{
    return std::exchange(TheLoader().simulatorNotice, false);
}

}  // namespace Pallix400
