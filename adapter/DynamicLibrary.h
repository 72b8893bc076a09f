#pragma once

#include <string>
#include <utility>

// A shared library opened with the system loader, closed when the handle goes.
// Failures raise RuntimeError with the library or symbol name and the
// loader's own explanation.
class DynamicLibrary {
public:
    DynamicLibrary() noexcept = default;
    static DynamicLibrary Open(const std::string& name);  // RuntimeError 48

    DynamicLibrary(DynamicLibrary&& other) noexcept
        : handle_(std::exchange(other.handle_, nullptr))
    {
    }
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;
    ~DynamicLibrary();

    explicit operator bool() const noexcept { return handle_ != nullptr; }

    // The named function, typed as the caller declares it. RuntimeError 453.
    template <typename Function>
    Function* Symbol(const char* name) const
    {
        return reinterpret_cast<Function*>(FindSymbol(name));
    }

private:
    explicit DynamicLibrary(void* handle) noexcept
        : handle_(handle)
    {
    }
    void* FindSymbol(const char* name) const;

    void* handle_ = nullptr;
};
