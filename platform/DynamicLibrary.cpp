// SPDX-License-Identifier: MIT

#include "DynamicLibrary.h"

#ifdef _WIN32
#include "ExecutableDirectory.h"
#include "SystemError.h"
#include "WideText.h"

#include <windows.h>
#else
#include <dlfcn.h>
#include <locale.h>
#endif

#include <algorithm>
#include <array>
#include <iterator>

// The only place that talks to the platform's loader.
namespace platform {
namespace {

#ifdef _WIN32

bool IsFile(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// A bare name is looked for in the program's folder and the system's folders
// only, never in the current one; a path is taken as it is.
void* OpenLibrary(const std::string& name, DynamicLibrary::Failure& failure)
{
    const bool bare = name.find_first_of("\\/:") == std::string::npos;
    const std::wstring wide = WideText::FromUtf8(name);
    const DWORD flags = bare ? LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32
                             : LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32;
    HMODULE module = LoadLibraryExW(wide.c_str(), nullptr, flags);
    if (module == nullptr) {
        const DWORD error = GetLastError();
        failure.text = name + ": " + WindowsErrorText(error);
        // A missing dependency is "not found" too; only the library itself
        // missing from every place searched counts as not found.
        std::array<wchar_t, MAX_PATH> system{};
        GetSystemDirectoryW(system.data(), MAX_PATH);
        const std::wstring places[] = {
            bare ? WideText::FromUtf8(ExecutableDirectory()) + L"\\" + wide : wide,
            bare ? std::wstring(system.data()) + L"\\" + wide : std::wstring(),
        };
        failure.notFound = std::none_of(std::begin(places), std::end(places),
                                        [](const std::wstring& place) { return !place.empty() && IsFile(place); });
    }
    return reinterpret_cast<void*>(module);
}

void* FindSymbol(void* handle, const char* name, std::string& reason)
{
    FARPROC address = GetProcAddress(static_cast<HMODULE>(handle), name);
    if (address == nullptr) {
        reason = WindowsErrorText(GetLastError());
    }
    return reinterpret_cast<void*>(address);
}

void CloseLibrary(void* handle)
{
    FreeLibrary(static_cast<HMODULE>(handle));
}

#else

// The loader's messages in English whatever the user's language, so that a
// missing file can be told from one that cannot be loaded.
class EnglishMessages {
public:
    EnglishMessages()
        : english_(newlocale(LC_ALL_MASK, "C", nullptr))
        , previous_(english_ != nullptr ? uselocale(english_) : nullptr)
    {
    }
    ~EnglishMessages()
    {
        if (english_ != nullptr) {
            uselocale(previous_);
            freelocale(english_);
        }
    }
    EnglishMessages(const EnglishMessages&) = delete;
    EnglishMessages& operator=(const EnglishMessages&) = delete;

private:
    locale_t english_;
    locale_t previous_;
};

std::string LastLoaderError()
{
    const char* text = dlerror();
    return text != nullptr ? text : "unknown loader error";
}

void* OpenLibrary(const std::string& name, DynamicLibrary::Failure& failure)
{
    const EnglishMessages english;
    dlerror();  // drop a stale message
    void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        failure.text = LastLoaderError();
        // A dependency that is missing is named in its own words; only the
        // library itself missing is "not found".
        failure.notFound = failure.text == name + ": cannot open shared object file: No such file or directory";
    }
    return handle;
}

void* FindSymbol(void* handle, const char* name, std::string& reason)
{
    const EnglishMessages english;
    dlerror();
    void* address = dlsym(handle, name);
    if (address == nullptr) {
        reason = LastLoaderError();
    }
    return address;
}

void CloseLibrary(void* handle)
{
    dlclose(handle);
}

#endif

}  // namespace

DynamicLibrary DynamicLibrary::Open(const std::string& name, Failure& failure)
{
    DynamicLibrary library;
    library.handle_.reset(OpenLibrary(name, failure));
    return library;
}

void* DynamicLibrary::Find(const char* name, std::string& reason) const
{
    return FindSymbol(handle_.get(), name, reason);
}

void DynamicLibrary::Closer::operator()(void* handle) const noexcept
{
    CloseLibrary(handle);
}

}  // namespace platform
