#include "DynamicLibrary.h"

#include "RuntimeError.h"

#include <dlfcn.h>

// The only place that talks to the platform's loader.
namespace {

std::string LastLoaderError()
{
    const char* text = dlerror();
    return text != nullptr ? text : "unknown loader error";
}

}  // namespace

DynamicLibrary DynamicLibrary::Open(const std::string& name)
{
    dlerror();  // drop a stale message
    DynamicLibrary library;
    library.handle_.reset(dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!library) {
        throw RuntimeError(RuntimeError::LibraryNotLoaded, "File not found: " + LastLoaderError());
    }
    return library;
}

void* DynamicLibrary::Find(const char* name, std::string& reason) const
{
    dlerror();
    void* address = dlsym(handle_.get(), name);
    if (address == nullptr) {
        reason = LastLoaderError();
    }
    return address;
}

void DynamicLibrary::Closer::operator()(void* handle) const noexcept
{
    dlclose(handle);
}
