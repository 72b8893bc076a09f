#include "DynamicLibrary.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <locale.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <array>
#include <iterator>

// The only place that talks to the platform's loader.
namespace {

#ifdef _WIN32

std::wstring Wide(const std::string& text)
{
    std::wstring wide(text.size(), L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                           static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(std::max(length, 0)));
    return wide;
}

std::string Utf8(const wchar_t* text, int length)
{
    std::string narrow(static_cast<std::size_t>(length) * 3, '\0');
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text, length, narrow.data(), static_cast<int>(narrow.size()), nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(std::max(size, 0)));
    return narrow;
}

// The system's explanation of an error code, without its final line break.
std::string SystemMessage(DWORD error)
{
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string message = length > 0 ? Utf8(text, static_cast<int>(length)) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
        message.pop_back();
    }
    return message;
}

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
    const std::wstring wide = Wide(name);
    const DWORD flags = bare ? LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32
                             : LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32;
    HMODULE module = LoadLibraryExW(wide.c_str(), nullptr, flags);
    if (module == nullptr) {
        const DWORD error = GetLastError();
        failure.text = name + ": " + SystemMessage(error);
        // A missing dependency is "not found" too; only the library itself
        // missing from every place searched counts as not found.
        std::array<wchar_t, MAX_PATH> system{};
        GetSystemDirectoryW(system.data(), MAX_PATH);
        const std::wstring places[] = {
            bare ? Wide(platform::ExecutableDirectory()) + L"\\" + wide : wide,
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
        reason = SystemMessage(GetLastError());
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

std::string platform::ExecutableDirectory()
{
#ifdef _WIN32
    std::array<wchar_t, 32768> path{};
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    const std::string program = length > 0 && length < path.size() ? Utf8(path.data(), static_cast<int>(length)) : "";
    const std::size_t separator = program.find_last_of("\\/");
#else
    std::array<char, 4096> path{};
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    const std::string program(path.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
    const std::size_t separator = program.rfind('/');
#endif
    return separator == std::string::npos ? std::string() : program.substr(0, separator);
}
