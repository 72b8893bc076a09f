// The read command through the real loader, against the simulated driver, a
// driver of its own, and libraries that are missing, broken or incomplete.
#include "Pallix400.h"
#include "ReadCommand.h"
#include "Sleep.h"
#include "basExampleFunctions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

const std::string kNowhere = "/nonexistent/libPallix400.so";
const std::string kBroken = testing::TempDir() + "broken/libPallix400.so";  // a file that is no library
const std::string kPinLog = testing::TempDir() + "driver_library_pins.txt";
const std::string kSimulated = "Simulated adapter: no libPallix400.so is installed\r\n";

std::string ReadCyclePatterns()  // 3, 1, seventeen times (0, 1), 3
{
    std::string patterns = "31";
    for (int bit = 0; bit < 17; ++bit) {
        patterns += "01";
    }
    return patterns + "3";
}

struct LibraryCase {
    const char* name;
    std::string library;   // what the loader's search is asked for
    std::string fallback;  // the simulator, if the search finds nothing
    const char* fault;     // the simulator's PALLIX400_SIM_FAULT
    std::string log;       // how the status log starts
    std::optional<std::string> temperature;
    std::string pins;  // the test driver's patterns; "-": not looked at
    friend void PrintTo(const LibraryCase& c, std::ostream* out) { *out << c.name; }
};

class DriverLibrary : public testing::TestWithParam<LibraryCase> {
protected:
    static void SetUpTestSuite()
    {
        std::system(("mkdir -p " + testing::TempDir() + "broken").c_str());
        std::ofstream{kBroken} << "not a shared library\n";
    }
    void SetUp() override
    {
        basExampleFunctions::bDriverReady = false;
        realSleep_ = platform::ReplaceSleep([](std::chrono::milliseconds) {});
        std::remove(kPinLog.c_str());
        setenv("PALLIX_TEST_DRIVER_LOG", kPinLog.c_str(), 1);
        setenv("PALLIX400_SIM_TEMP", "25", 1);
        setenv("PALLIX400_SIM_FAULT", GetParam().fault, 1);
        Pallix400::ResetLoader(GetParam().library, GetParam().fallback);
    }
    void TearDown() override
    {
        platform::ReplaceSleep(realSleep_);
        Pallix400::ResetLoader();
        basExampleFunctions::bDriverReady = false;
    }
    platform::SleepFunction realSleep_;
};

TEST_P(DriverLibrary, ShowsInTheLogAndTheTemperature)
{
    const LibraryCase& c = GetParam();
    const ReadCommandResult result = RunReadCommand(".");
    EXPECT_EQ(result.statusLog.substr(0, c.log.size()), c.log) << result.statusLog;
    EXPECT_EQ(result.temperature, c.temperature);
    if (c.pins != "-") {
        std::stringstream pins;
        pins << std::ifstream{kPinLog}.rdbuf();
        EXPECT_EQ(pins.str(), c.pins);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, DriverLibrary,
    testing::Values(
        LibraryCase{"AnInstalledDriverWinsOverTheSimulator", PALLIX_TEST_DRIVER, PALLIX_SIMULATOR, "", "Port: 1\r\n",
                    "25", ReadCyclePatterns()},
        LibraryCase{"TheSimulatorWhenNoDriverIsFoundSaysSo", kNowhere, PALLIX_SIMULATOR, "", kSimulated + "Port: 1\r\n",
                    "25", "-"},
        LibraryCase{"NeitherDriverNorSimulator",
                    kNowhere,
                    kNowhere + ".too",
                    "",
                    "Error: File not found: " + kNowhere + "\r\n",
                    {},
                    "-"},
        LibraryCase{"AFileThatIsNoLibrary",
                    kBroken,
                    PALLIX_SIMULATOR,
                    "",
                    "Error: Cannot load the driver library: " + kBroken + ": ",
                    {},
                    "-"},
        LibraryCase{
            "ABrokenSimulator", kNowhere, kBroken, "", "Error: Cannot load the driver library: " + kBroken, {}, "-"},
        LibraryCase{"ALackingOperationEndsTheReadingWithTheSensorDeselected", PALLIX_LACKING_DRIVER, "", "",
                    "Port: 1\r\nError: Entry point ReadTestpins not found: " PALLIX_LACKING_DRIVER
                    ": undefined symbol: ReadTestpins\r\n",
                    "Error", "3103"},
        LibraryCase{"SimulatedInitFault",
                    kNowhere,
                    PALLIX_SIMULATOR,
                    "init",
                    kSimulated + "Error: InitiateDriver: simulated fault",
                    {},
                    "-"},
        LibraryCase{"SimulatedPortFault",
                    kNowhere,
                    PALLIX_SIMULATOR,
                    "port",
                    kSimulated + "Can not set Port1\r\nPort: 0\r\n",
                    {},
                    "-"},
        LibraryCase{"SimulatedSensorMissing", kNowhere, PALLIX_SIMULATOR, "no-sensor", kSimulated + "Port: 1\r\n",
                    "Error", "-"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
