#include "ReadOptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace std::chrono_literals;
using Action = ReadOptions::Action;
using Format = ReadOptions::Format;

struct OptionsCase {
    const char* name;
    std::vector<const char*> arguments;
    std::optional<long> count;
    std::chrono::nanoseconds interval;
    Format format;
    Action action;
};

// Short and long forms, joined or apart, come to the same options.
const OptionsCase kCases[] = {
    {"NothingGiven", {}, 1, 0s, Format::Text, Action::Read},
    {"LongOptions", {"--count", "3", "--interval", "2"}, 3, 2s, Format::Text, Action::Read},
    {"ShortOptions", {"-c", "3", "-i", "2"}, 3, 2s, Format::Text, Action::Read},
    {"ShortOptionsJoined", {"-c3", "-i0.5", "-F", "csv"}, 3, 500ms, Format::Csv, Action::Read},
    {"LongOptionsWithEquals", {"--count=2", "--interval=0.25", "--format=json"}, 2, 250ms, Format::Json, Action::Read},
    {"ShortFollow", {"-f", "-i", "60", "-F", "json"}, std::nullopt, 60s, Format::Json, Action::Read},
    {"LongFollow", {"--follow"}, std::nullopt, 0s, Format::Text, Action::Read},
    {"ShortHelp", {"-h"}, 1, 0s, Format::Text, Action::Help},
    {"ShortVersion", {"-V"}, 1, 0s, Format::Text, Action::Version},
};

class ReadOptionsCases : public testing::TestWithParam<OptionsCase> {};

TEST_P(ReadOptionsCases, AreReadFromTheCommandLine)
{
    std::vector<char*> argv = {const_cast<char*>("pallix-read")};
    for (const char* argument : GetParam().arguments) {
        argv.push_back(const_cast<char*>(argument));
    }
    argv.push_back(nullptr);
    const ParsedOptions parsed = ParseReadOptions(static_cast<int>(argv.size() - 1), argv.data());
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.count, GetParam().count);
    EXPECT_EQ(parsed.options.interval, GetParam().interval);
    EXPECT_EQ(parsed.options.format, GetParam().format);
    EXPECT_EQ(parsed.options.action, GetParam().action);
}

INSTANTIATE_TEST_SUITE_P(CommandLines, ReadOptionsCases, testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
