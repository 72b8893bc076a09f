#include "Pallix400Sim.h"
#include "SimTestSupport.h"
#include "VcdWriter.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Pallix400Sim::PinLevels;

// A VCD file replayed: the time stamps in order and the level of each named
// wire after each of them.
struct Step {
    int64_t time;
    std::map<std::string, int> level;
};

std::vector<Step> Replay(const std::string& vcd)
{
    std::istringstream in{vcd};
    std::map<char, std::string> names;
    std::vector<Step> steps;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words{line};
        std::string keyword, type, width, id, name;
        if (words >> keyword >> type >> width >> id >> name && keyword == "$var") {
            names[id.at(0)] = name;
        } else if (line.starts_with('#')) {
            const auto level = steps.empty() ? std::map<std::string, int>{} : steps.back().level;
            steps.push_back({std::stoll(line.substr(1)), level});
        } else if (line.size() == 2 && (line[0] == '0' || line[0] == '1') && !steps.empty()) {
            steps.back().level[names.at(line[1])] = line[0] - '0';
        }
    }
    return steps;
}

TEST(VcdWriter, WritesOnlyChangesEachUnderATimeStampLaterThanTheOneBeforeSoNoEdgeIsLost)
{
    std::ostringstream out;
    Pallix400Sim::VcdWriter writer{out};
    writer.Start(PinLevels{});
    writer.Record(500, PinLevels{false, true, true});
    writer.Record(600, PinLevels{false, true, true});  // nothing changed
    writer.Record(700, PinLevels{false, false, true});
    writer.Record(700, PinLevels{false, true, true});    // the same instant
    writer.Record(650, PinLevels{false, false, false});  // the clock went back
    const std::vector<Step> steps = Replay(out.str());
    std::vector<int64_t> times(steps.size());
    std::ranges::transform(steps, times.begin(), &Step::time);
    EXPECT_EQ(times, (std::vector<int64_t>{0, 500, 700, 701, 702}));
}

class Trace : public SimTest::SimulatorTest {
protected:
    void TearDown() override
    {
        SimulatorTest::TearDown();
        std::remove(path_.c_str());
    }
    const std::string path_ = ::testing::TempDir() + "sim_trace_" + std::to_string(getpid()) + ".vcd";
};

TEST_F(Trace, RecordsReadingsThatDecodeAsSpiModeThreeWhileTheProgramRuns)
{
    SetEnvironment("PALLIX400_SIM_TRACE", path_);
    Pallix400Sim::Control{}.Temperature(25.0);
    SimTest::OpenDriver();
    SimTest::ReadCycle();
    Pallix400Sim::Control{}.Temperature(-0.0625);
    SimTest::ReadCycle();

    std::stringstream vcd;  // read while the driver still holds the file open
    vcd << std::ifstream{path_}.rdbuf();
    EXPECT_NE(vcd.str().find("$timescale 1 ns $end"), std::string::npos) << vcd.str();
    const std::vector<Step> steps = Replay(vcd.str());
    // Mode 3: miso changes while selected only as sclk falls, and is sampled as it
    // rises; while deselected it is released high.
    std::vector<std::string> words;
    for (std::size_t i = 1; i < steps.size(); ++i) {
        auto before = steps[i - 1].level;
        auto after = steps[i].level;
        const bool selected = before["cs"] == 0 && after["cs"] == 0;
        if (after["cs"] == 1) {
            EXPECT_EQ(after["miso"], 1) << "miso driven while deselected at #" << steps[i].time;
        }
        if (before["cs"] == 1 && after["cs"] == 0) {
            words.emplace_back();
        }
        if (selected && before["miso"] != after["miso"]) {
            EXPECT_TRUE(before["sclk"] == 1 && after["sclk"] == 0) << "miso changed at #" << steps[i].time;
        }
        if (selected && before["sclk"] == 0 && after["sclk"] == 1 && !words.empty()) {
            words.back() += after["miso"] != 0 ? '1' : '0';
        }
    }
    ASSERT_EQ(words.size(), 2U);
    EXPECT_EQ(SimTest::Reading(words[0]), 400);
    EXPECT_EQ(SimTest::Reading(words[1]), -1);
    EXPECT_EQ(steps.back().level.at("cs"), 1) << "the last deselect was flushed";
}

TEST_F(Trace, ToAFifoIsRefusedAtStartRatherThanBlocking)
{
    ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0);
    SetEnvironment("PALLIX400_SIM_TRACE", path_);
    const std::string text = SimTest::ErrorText(InitiateDriver(Pallix400::kInitiateMode));
    EXPECT_EQ(text.rfind("the trace goes to regular files only", 0), 0U) << text;
}

TEST_F(Trace, AFailedWriteIsReportedOnceAndTheReadingsGoOnWithoutIt)
{
    SetEnvironment("PALLIX400_SIM_TRACE", path_);
    Pallix400Sim::Control{}.Temperature(25.0);
    SimTest::OpenDriver();
    // A file size limit makes the writes fail as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit unlimited = limit;
    limit.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &limit);
    testing::internal::CaptureStderr();
    for (int cycle = 0; cycle < 20; ++cycle) {
        EXPECT_EQ(SimTest::Reading(SimTest::ReadCycle()), 400);
    }
    const std::string messages = testing::internal::GetCapturedStderr();
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_EQ(messages,
              "libPallix400 (simulated): writing the trace to " + path_ + " failed (File too large); tracing stops\n");
}

}  // namespace
