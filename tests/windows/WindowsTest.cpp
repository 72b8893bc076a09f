// SPDX-License-Identifier: MIT

// The adapter access and pallix-read on Windows, through the real loader:
// libraries that cannot serve, the safe search, and pallix-read against the
// simulator DLL, found by its operations' plain names, run in-process so that
// one start of the test program covers them all.
#include "PallixRead.h"
#include "ReadCommand.h"
#include "basExampleFunctions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>
#include <windows.h>

namespace {

namespace fs = std::filesystem;

struct LoadCase {
    const char* name;
    std::string library;
    std::string log;  // how the press's status log starts
};

// Each read from a current folder that holds a driver, out of the loader's
// reach: a bare name is looked for only beside the program and in the system.
class Libraries : public testing::TestWithParam<LoadCase> {};

TEST_P(Libraries, ThatCannotServeOrLieOnlyInTheCurrentFolderShowInTheLog)
{
    const fs::path folder = fs::temp_directory_path() / "pallix-current-folder";
    fs::create_directories(folder);
    fs::copy_file(PALLIX_TEST_DRIVER, folder / "Pallix400.dll", fs::copy_options::overwrite_existing);
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    basExampleFunctions adapter{Pallix400(GetParam().library, "")};  // the simulator out of reach
    const std::string log = RunReadCommand(adapter, ".").statusLog;
    fs::current_path(previous);
    EXPECT_EQ(log.substr(0, GetParam().log.size()), GetParam().log) << log;
}

// Full paths, with the drive, whatever the current folder.
const std::string kDecorated = fs::absolute(PALLIX_DECORATED_DRIVER).string();
const std::string kNotADll =
    fs::absolute(std::string(PALLIX_TEST_DRIVER) + "\\..\\..\\..\\..\\CMakeCache.txt").string();

INSTANTIATE_TEST_SUITE_P(
    Windows, Libraries,
    testing::Values(LoadCase{"OnlyDecoratedNames", kDecorated, "Error: Entry point InitiateDriver not found: "},
                    LoadCase{"NotADll", kNotADll, "Error: Cannot load the driver library: " + kNotADll + ": "},
                    LoadCase{"OnlyInTheCurrentFolder", "Pallix400.dll", "Error: File not found: Pallix400.dll\r\n"}),
    [](const auto& test) { return std::string(test.param.name); });

// pallix-read with `arguments` on the simulator in simulator\ beside this
// program, at 25.0625 degrees: its exit status; what it wrote to standard
// error in `errors`.
int PallixRead(std::vector<std::string> arguments, std::string& errors)
{
    _putenv_s("PALLIX400_SIM_TEMP", "25.0625");
    _putenv_s("PALLIX400_SIM_NOISE", "1");
    std::vector<char*> argv{const_cast<char*>("pallix-read")};
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    testing::internal::CaptureStderr();
    const int status = RunPallixRead(static_cast<int>(argv.size()), argv.data());
    errors = testing::internal::GetCapturedStderr();
    return status;
}

// --output replaces the file through MoveFileExW, waiting a while for a
// reader that holds it open without sharing its deletion, and leaves
// nothing else in its folder whether the replace succeeds or not.
TEST(Reader, OutputReplacesTheFileOnceItsReaderLetsGoAndLeavesNoTemporaryFile)
{
    const fs::path folder = fs::temp_directory_path() / "pallix-output";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string target = (folder / "pallix.prom").string();
    std::ofstream(target) << "the reading before\n";
    const auto hold = [&] {
        return CreateFileW(fs::path(target).wstring().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    };
    std::thread closing([reader = hold()] {
        Sleep(700);  // past the reading's 300 ms
        CloseHandle(reader);
    });
    std::string errors;
    EXPECT_EQ(PallixRead({"--output", target}, errors), 0) << errors;
    closing.join();
    EXPECT_EQ((std::stringstream() << std::ifstream(target).rdbuf()).str().find("25.0625"), 0u);
    const HANDLE holder = hold();
    EXPECT_EQ(PallixRead({"--output", target}, errors), 4);
    CloseHandle(holder);
    EXPECT_NE(errors.find("\npallix-read: cannot write '" + target + "': "), std::string::npos) << errors;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);

    for (const std::string& unwritable : {(folder / "missing" / "pallix.prom").string(), folder.string()}) {
        EXPECT_EQ(PallixRead({"--output", unwritable}, errors), 2);
        EXPECT_TRUE(errors.starts_with("pallix-read: cannot write '" + unwritable + "': ")) << errors;
    }
    fs::remove_all(folder);
}

}  // namespace
