#pragma once

#include <memory>
#include <string>

// A shared library opened with the system loader, closed when the last owner
// lets it go.
class DynamicLibrary {
public:
    DynamicLibrary() = default;
    // RuntimeError 48 with the loader's own explanation when it cannot be opened.
    static DynamicLibrary Open(const std::string& name);

    explicit operator bool() const noexcept { return handle_ != nullptr; }

    // The address of the named symbol, or null with the loader's reason in `reason`.
    void* Find(const char* name, std::string& reason) const;

private:
    struct Closer {
        void operator()(void* handle) const noexcept;
    };
    std::unique_ptr<void, Closer> handle_;
};
