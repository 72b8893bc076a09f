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

struct LoadCase {
    const char* name;
    std::string library;
    std::string log;  // how the press's status log starts
};

class Libraries : public testing::TestWithParam<LoadCase> {};

TEST_P(Libraries, ThatCannotServeShowInTheLog)
{
    basExampleFunctions adapter{Pallix400(GetParam().library, "")};
    const std::string log = RunReadCommand(adapter, ".").statusLog;
    EXPECT_EQ(log.substr(0, GetParam().log.size()), GetParam().log) << log;
}

const std::string kDecorated = PALLIX_DECORATED_DRIVER;
const std::string kNotADll = std::string(PALLIX_TEST_DRIVER) + "\\..\\..\\..\\..\\CMakeCache.txt";

INSTANTIATE_TEST_SUITE_P(
    Windows, Libraries,
    testing::Values(LoadCase{"OnlyDecoratedNames", kDecorated, "Error: Entry point InitiateDriver not found: "},
                    LoadCase{"NotADll", kNotADll, "Error: Cannot load the driver library: " + kNotADll + ": "}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(WindowsDriver, ADllInTheCurrentFolderIsNeverLoaded)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "pallix-current-folder";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(PALLIX_TEST_DRIVER, folder / "Pallix400.dll",
                               std::filesystem::copy_options::overwrite_existing);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    basExampleFunctions adapter{Pallix400("Pallix400.dll", "")};  // the simulator out of reach
    const std::string log = RunReadCommand(adapter, ".").statusLog;
    std::filesystem::current_path(previous);
    EXPECT_EQ(log, "Error: File not found: Pallix400.dll\r\n");
}

// pallix-read against the simulator in simulator\ beside this program.
class Reader : public testing::Test {
protected:
    // pallix-read with `arguments` on the simulator at 25.0625 degrees: its
    // exit status, with what it wrote to standard output and error.
    int Run(const std::vector<std::string>& arguments, const char* fault, std::string& output, std::string& errors)
    {
        _putenv_s("PALLIX400_SIM_TEMP", "25.0625");
        _putenv_s("PALLIX400_SIM_FAULT", fault);
        _putenv_s("PALLIX400_SIM_NOISE", "1");
        std::vector<char*> argv{const_cast<char*>("pallix-read")};
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        const int status = RunPallixRead(static_cast<int>(argv.size()), argv.data());
        output = testing::internal::GetCapturedStdout();
        errors = testing::internal::GetCapturedStderr();
        return status;
    }
};

// --output replaces the file through MoveFileExW, and leaves nothing else in
// its folder, whether the replace succeeds or not.
TEST_F(Reader, OutputReplacesTheFileWholeAndLeavesNoTemporaryFile)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "pallix-output";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string target = (folder / "pallix.prom").string();
    std::ofstream(target) << "the reading before\n";
    std::string output;
    std::string errors;
    EXPECT_EQ(Run({"--count", "2", "--format", "prometheus", "--output", target}, "", output, errors), 0) << errors;
    std::stringstream written;
    written << std::ifstream(target).rdbuf();
    EXPECT_NE(written.str().find("\npallix_temperature_celsius 25.0625\n"), std::string::npos) << written.str();
    EXPECT_EQ(output, "");

    // A reader holding the file open without sharing its deletion: the
    // replace waits for it a while, then gives up.
    const HANDLE reader = CreateFileW((folder / "pallix.prom").wstring().c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    std::thread closing([reader] {
        Sleep(700);  // past the reading's 300 ms
        CloseHandle(reader);
    });
    EXPECT_EQ(Run({"--output", target}, "", output, errors), 0) << errors;
    closing.join();
    const HANDLE holder = CreateFileW((folder / "pallix.prom").wstring().c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(Run({"--output", target}, "", output, errors), 4);
    CloseHandle(holder);
    EXPECT_NE(errors.find("\npallix-read: cannot write '" + target + "': "), std::string::npos) << errors;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);

    for (const std::string& unwritable : {(folder / "missing" / "pallix.prom").string(), folder.string()}) {
        EXPECT_EQ(Run({"--output", unwritable}, "", output, errors), 2);
        EXPECT_TRUE(errors.starts_with("pallix-read: cannot write '" + unwritable + "': ")) << errors;
    }
    std::filesystem::remove_all(folder);
}

}  // namespace
