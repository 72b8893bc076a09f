// SPDX-License-Identifier: MIT

#include "RuntimeError.h"

#include <new>

namespace {
constexpr int kInternalError = 51;
}

RuntimeError RuntimeError::From(const std::exception_ptr& exception)
{
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return RuntimeError(OutOfMemory, "Out of memory");
    } catch (const std::exception& other) {
        return RuntimeError(kInternalError, other.what());
    } catch (...) {
        return RuntimeError(kInternalError, "Internal error");
    }
}
