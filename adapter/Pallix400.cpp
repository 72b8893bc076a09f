#include "Pallix400.h"

#include "DynamicLibrary.h"
#include "RuntimeError.h"

#include <utility>

namespace Pallix400 {
namespace {

// The program has one thread; the loader's state is touched only from it.
struct Loader {
    std::string libraryName = kLibraryName;
    DynamicLibrary library;
    Operations found;
    const Operations* substitute = nullptr;
};

Loader& TheLoader()
{
    static Loader loader;
    return loader;
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
            loader.library = DynamicLibrary::Open(loader.libraryName);
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

void ResetLoader(const std::string& library)
{
    Loader& loader = TheLoader();
    loader.found = Operations{};
    loader.library = DynamicLibrary{};
    loader.libraryName = library;
}

}  // namespace Pallix400
