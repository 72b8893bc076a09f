#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> kOperations{
#define SIM_TEST_NAME(name, params, args) #name,
    PALLIX400_OPERATIONS(SIM_TEST_NAME)
#undef SIM_TEST_NAME
};

struct Library {
    explicit Library(const char* path)
        : handle(dlopen(path, RTLD_NOW | RTLD_LOCAL))
    {
    }
    ~Library()
    {
        if (handle != nullptr) {
            dlclose(handle);
        }
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    void* Find(const std::string& name) const { return dlsym(handle, name.c_str()); }
    void* handle;
};

TEST(Exports, TheSimulatorExportsEveryOperationOfTheDriver)
{
    const Library library{PALLIX_SIM_DRIVER};
    ASSERT_NE(library.handle, nullptr) << dlerror();
    ASSERT_EQ(kOperations.size(), 32U);
    for (const std::string& name : kOperations) {
        EXPECT_NE(library.Find(name), nullptr) << name;
    }
}

TEST(Exports, TheLackingLibraryLacksReadTestpinsButHasEveryOtherOperation)
{
    const Library library{PALLIX_SIM_LACKING_DRIVER};
    ASSERT_NE(library.handle, nullptr) << dlerror();
    // A library of its own, not the simulator this test is linked with.
    EXPECT_NE(library.Find("WriteTestpins"), reinterpret_cast<void*>(&WriteTestpins));
    for (const std::string& name : kOperations) {
        if (name == "ReadTestpins") {
            EXPECT_EQ(library.Find(name), nullptr);
        } else {
            EXPECT_NE(library.Find(name), nullptr) << name;
        }
    }
}

}  // namespace
