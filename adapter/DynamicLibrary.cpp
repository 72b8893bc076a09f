#include "DynamicLibrary.h"

#include <array>
#include <dlfcn.h>
#include <locale.h>
#include <unistd.h>

// The only place that talks to the platform's loader.
namespace {

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

}  // namespace

DynamicLibrary DynamicLibrary::Open(const std::string& name, Failure& failure)
{
    const EnglishMessages english;
    dlerror();  // drop a stale message
    DynamicLibrary library;
    library.handle_.reset(dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (!library) {
        failure.text = LastLoaderError();
        // A dependency that is missing is named in its own words; only the
        // library itself missing is "not found".
        failure.notFound = failure.text == name + ": cannot open shared object file: No such file or directory";
    }
    return library;
}

void* DynamicLibrary::Find(const char* name, std::string& reason) const
{
    const EnglishMessages english;
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

std::string platform::ExecutableDirectory()
{
    std::array<char, 4096> path{};
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    const std::string program(path.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
    const std::size_t slash = program.rfind('/');
    return slash == std::string::npos ? std::string() : program.substr(0, slash);
}
