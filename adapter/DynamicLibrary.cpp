#include "DynamicLibrary.h"

#include "RuntimeError.h"

#include <dlfcn.h>

// The only place that talks to the platform's loader.
namespace {

void* OpenLibrary(const char* name) noexcept
{
    return dlopen(name, RTLD_NOW | RTLD_LOCAL);
}

void* FindInLibrary(void* handle, const char* symbol) noexcept
{
    return dlsym(handle, symbol);
}

void CloseLibrary(void* handle) noexcept
{
    dlclose(handle);
}

std::string LastLoaderError() noexcept
{
    const char* text = dlerror();
    return text != nullptr ? text : "unknown loader error";
}

}  // namespace

DynamicLibrary DynamicLibrary::Open(const std::string& name)
{
    LastLoaderError();  // drop a stale message
    void* handle = OpenLibrary(name.c_str());
    if (handle == nullptr) {
        throw RuntimeError(RuntimeError::LibraryNotLoaded, "File not found: " + LastLoaderError());
    }
    return DynamicLibrary(handle);
}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept
{
    if (this != &other) {
        if (handle_ != nullptr) {
            CloseLibrary(handle_);
        }
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

DynamicLibrary::~DynamicLibrary()
{
    if (handle_ != nullptr) {
        CloseLibrary(handle_);
    }
}

void* DynamicLibrary::FindSymbol(const char* name) const
{
    LastLoaderError();
    void* address = handle_ != nullptr ? FindInLibrary(handle_, name) : nullptr;
    if (address == nullptr) {
        const std::string reason = handle_ != nullptr ? LastLoaderError() : "no library is open";
        throw RuntimeError(RuntimeError::EntryPointNotFound,
                           std::string("Entry point ") + name + " not found: " + reason);
    }
    return address;
}
