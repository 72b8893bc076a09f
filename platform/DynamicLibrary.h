// SPDX-License-Identifier: MIT

#pragma once

#include <memory>
#include <string>

namespace platform {

// A shared library opened with the system loader, closed when the last owner
// lets it go.
class DynamicLibrary {
public:
    // Why a library could not be opened: the loader found no file of that
    // name, or found one it could not load. `text` is the loader's own.
    struct Failure {
        bool notFound = false;
        std::string text;
    };

    DynamicLibrary() = default;
    // `name` is a bare file name, found through the loader's standard search,
    // or a path. On failure the handle is empty and `failure` says why.
    static DynamicLibrary Open(const std::string& name, Failure& failure);

    explicit operator bool() const noexcept { return handle_ != nullptr; }

    // The address of the named symbol, or null with the loader's reason in `reason`.
    void* Find(const char* name, std::string& reason) const;

private:
    struct Closer {
        void operator()(void* handle) const noexcept;
    };
    std::unique_ptr<void, Closer> handle_;
};

}  // namespace platform
