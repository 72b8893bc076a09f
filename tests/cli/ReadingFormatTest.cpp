#include "ReadingFormat.h"

#include "ReadCommand.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;
using Format = ReadOptions::Format;

// 2026-12-07T09:30:00.250Z and 0.7 ms more, which no format may round up.
const system_clock::time_point kTaken = sys_days{2026y / 12 / 7} + 9h + 30min + 250ms + microseconds(700);

struct FormatCase {
    Format format;
    std::optional<int32_t> raw;
    std::string text;
};

// clang-format off
const FormatCase kFormatCases[] = {
    {Format::Csv, -1, "time,raw,celsius,status\n2026-12-07T09:30:00.250Z,-1,-0.3625,ok\n"},
    {Format::Json, std::nullopt, "{\"time\":\"2026-12-07T09:30:00.250Z\",\"error\":\"no valid frame from the sensor\"}\n"},
    // The nanoseconds of a double product would be off by 128 here.
    {Format::Influx, 401, "pallix_temperature celsius=24.7625,raw=401i 1796635800250000000\n"},
    {Format::Influx, std::nullopt, "pallix_temperature error=\"no valid frame from the sensor\" 1796635800250000000\n"},
    {Format::Prometheus, std::nullopt,
     "# HELP pallix_reading_ok 1 when the last reading was a valid frame from the sensor, 0 when it was rejected.\n"
     "# TYPE pallix_reading_ok gauge\npallix_reading_ok 0\n"
     "# HELP pallix_last_reading_timestamp_seconds When the last reading was taken, in seconds since the Unix epoch.\n"
     "# TYPE pallix_last_reading_timestamp_seconds gauge\npallix_last_reading_timestamp_seconds 1796635800.250\n"},
};
// clang-format on

TEST(ReadingFormat, EachFormatWritesTheReadingWithTheOffsetAndTheTimeInWholeMilliseconds)
{
    for (const FormatCase& c : kFormatCases) {
        EXPECT_EQ(FormatHeader(c.format) + FormatReading({kTaken, c.raw, -3000}, c.format), c.text);
    }
}

TEST(ReadingFormat, WithoutAnOffsetEveryReadingReadsAsInTheWindow)
{
    for (int32_t raw = -4096; raw <= 4095; ++raw) {
        ASSERT_EQ(CelsiusText(raw, 0), FormatCelsius(raw, "."));
    }
}

TEST(ReadingFormat, AnOffsetIsAddedExactlyWhateverTheSign)
{
    EXPECT_EQ(CelsiusText(-1, 625), "0");
    EXPECT_EQ(CelsiusText(0, -1), "-0.0001");
    EXPECT_EQ(CelsiusText(1, 3), "0.0628");
    EXPECT_EQ(CelsiusText(-4096, -10'000'000), "-1256");
}

}  // namespace
