#include "FrameEncoding.h"
#include "Pallix400Sim.h"
#include "SimTestSupport.h"
#include "VcdWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

namespace {

using Pallix400Sim::PinLevels;

// A VCD file read back: the declarations and the changes at each time stamp.
struct Dump {
    std::vector<std::string> header;             // lines up to $enddefinitions
    std::map<char, std::string> names;           // identifier -> signal name
    std::vector<int64_t> times;                  // each #t in order
    std::vector<std::map<std::string, int>> changes;  // per time stamp: signal -> level
};

Dump Parse(std::istream& in)
{
    Dump dump;
    std::string line;
    bool definitions = true;
    while (std::getline(in, line)) {
        if (definitions) {
            dump.header.push_back(line);
            std::istringstream words{line};
            std::string keyword, type, width, id, name;
            if (words >> keyword >> type >> width >> id >> name && keyword == "$var") {
                dump.names[id.at(0)] = name;
            }
            definitions = line.rfind("$enddefinitions", 0) != 0;
        } else if (!line.empty() && line[0] == '#') {
            dump.times.push_back(std::stoll(line.substr(1)));
            dump.changes.emplace_back();
        } else if (line.size() == 2 && (line[0] == '0' || line[0] == '1')) {
            EXPECT_FALSE(dump.changes.empty()) << "a value before any time stamp";
            if (!dump.changes.empty()) {
                dump.changes.back()[dump.names.at(line[1])] = line[0] - '0';
            }
        } else {
            EXPECT_TRUE(line == "$dumpvars" || line == "$end") << "unexpected line: " << line;
        }
    }
    return dump;
}

bool HasLine(const Dump& dump, const std::string& line)
{
    return std::find(dump.header.begin(), dump.header.end(), line) != dump.header.end();
}

TEST(VcdWriter, DeclaresThreeWiresInNanosecondsAndTheirLevelsAtTimeZero)
{
    std::ostringstream out;
    Pallix400Sim::VcdWriter writer{out};
    writer.Start(PinLevels{true, false, true});
    std::istringstream in{out.str()};
    const Dump dump = Parse(in);
    EXPECT_TRUE(HasLine(dump, "$timescale 1 ns $end"));
    EXPECT_EQ(dump.names.size(), 3U);
    EXPECT_TRUE(HasLine(dump, "$var wire 1 c cs $end"));
    EXPECT_TRUE(HasLine(dump, "$var wire 1 k sclk $end"));
    EXPECT_TRUE(HasLine(dump, "$var wire 1 d miso $end"));
    ASSERT_EQ(dump.times, std::vector<int64_t>{0});
    EXPECT_EQ(dump.changes[0], (std::map<std::string, int>{{"cs", 1}, {"sclk", 0}, {"miso", 1}}));
}

TEST(VcdWriter, WritesOnlyWhatChangedEachUnderATimeStampLaterThanTheOneBefore)
{
    std::ostringstream out;
    Pallix400Sim::VcdWriter writer{out};
    writer.Start(PinLevels{});
    writer.Record(500, PinLevels{false, true, true});
    writer.Record(600, PinLevels{false, true, true});  // nothing changed: nothing written
    writer.Record(700, PinLevels{false, false, false});
    writer.Record(700, PinLevels{false, true, false});  // same instant: moved on by 1 ns
    writer.Record(650, PinLevels{false, false, true});  // the clock went back: still later
    std::istringstream in{out.str()};
    const Dump dump = Parse(in);
    EXPECT_EQ(dump.times, (std::vector<int64_t>{0, 500, 700, 701, 702}));
    ASSERT_EQ(dump.changes.size(), 5U);
    EXPECT_EQ(dump.changes[1], (std::map<std::string, int>{{"cs", 0}}));
    EXPECT_EQ(dump.changes[2], (std::map<std::string, int>{{"sclk", 0}, {"miso", 0}}));
    EXPECT_EQ(dump.changes[3], (std::map<std::string, int>{{"sclk", 1}}));
    EXPECT_EQ(dump.changes[4], (std::map<std::string, int>{{"sclk", 0}, {"miso", 1}}));
}

class TraceFile : public SimTest::SimulatorTest {
protected:
    void TearDown() override
    {
        SimTest::SimulatorTest::TearDown();
        std::remove(path_.c_str());
    }
    const std::string path_ = ::testing::TempDir() + "sim_trace_" + std::to_string(getpid()) + ".vcd";
};

TEST_F(TraceFile, RecordsReadingsThatDecodeAsSpiModeThreeWhileTheProgramRuns)
{
    SetEnvironment("PALLIX400_SIM_TRACE", path_);
    Pallix400Sim::Control{}.Temperature(25.0);
    SimTest::OpenDriver();
    SimTest::ReadCycle();
    Pallix400Sim::Control{}.Temperature(-0.0625);
    SimTest::ReadCycle();

    std::ifstream in{path_};  // read while the driver still holds the file open
    ASSERT_TRUE(in) << path_;
    const Dump dump = Parse(in);
    ASSERT_TRUE(HasLine(dump, "$timescale 1 ns $end"));
    for (std::size_t i = 1; i < dump.times.size(); ++i) {
        EXPECT_LT(dump.times[i - 1], dump.times[i]);
    }

    // Replay the levels; miso may change while selected only as the clock falls.
    // Mode 3 samples miso at each rising clock edge while cs is low.
    std::map<std::string, int> level{{"cs", 1}, {"sclk", 1}, {"miso", 1}};
    std::vector<std::vector<int>> words;
    for (std::size_t i = 0; i < dump.changes.size(); ++i) {
        std::map<std::string, int> next = level;
        for (const auto& [name, value] : dump.changes[i]) {
            next[name] = value;
        }
        if (level["cs"] == 1 && next["cs"] == 0) {
            words.emplace_back();
        }
        const bool selected = level["cs"] == 0 && next["cs"] == 0;
        if (selected && next["miso"] != level["miso"]) {
            EXPECT_TRUE(level["sclk"] == 1 && next["sclk"] == 0) << "miso changed at #" << dump.times[i];
        }
        if (selected && level["sclk"] == 0 && next["sclk"] == 1) {
            words.back().push_back(next["miso"]);
        }
        level = next;
    }
    ASSERT_EQ(words.size(), 2U);
    EXPECT_EQ(SimTest::Decode(words[0]).raw, 400);
    EXPECT_EQ(SimTest::Decode(words[0]).trailer, 0b0110);
    EXPECT_EQ(SimTest::Decode(words[1]).raw, -1);
    EXPECT_EQ(level["cs"], 1) << "the last deselect was flushed";
}

TEST_F(TraceFile, IsNotOpenedWithoutTheSetting)
{
    SimTest::OpenDriver();
    SimTest::ReadCycle();
    EXPECT_FALSE(std::ifstream{path_});
}

}  // namespace
